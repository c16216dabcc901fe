#include <gtest/gtest.h>

#include "core/app/DocumentTypes.h"
#include "core/settings/IniProfile.h"
#include "tests/support/TempDir.h"

using razo::DocumentTemplate;

namespace {

std::vector<int> Ids(const razo::TemplateList& templates) {
    std::vector<int> ids;
    for (const DocumentTemplate* type : templates)
        ids.push_back(type->resourceId);
    return ids;
}

TEST(DocumentTypesTest, OnlyExactHtmPutsTheHtmTypeFirst) {
    struct Row {
        const char* setting;
        std::vector<int> order;
    };
    const Row rows[] = {{"htm", {130, 129}}, {"html", {129, 130}}, {"HTM", {129, 130}},
                        {"", {129, 130}},    {" htm", {129, 130}}, {".htm", {129, 130}}};
    for (const Row& row : rows)
        EXPECT_EQ(Ids(razo::RegisteredTemplates(row.setting)), row.order) << row.setting;
}

TEST(DocumentTypesTest, OrderComesFromTheProfile) {
    razo::test::TempDir dir;
    razo::IniProfile profile(dir.File("RAZO.INI"));
    EXPECT_EQ(Ids(razo::RegisteredTemplates(profile)), (std::vector<int>{129, 130}));
    profile.WriteProfileString("Misc", "Extension", "htm");
    EXPECT_EQ(Ids(razo::RegisteredTemplates(profile)), (std::vector<int>{130, 129}));
}

TEST(DocumentTypesTest, PathOpensAsTheTypeOfItsExtensionElseTheDefault) {
    struct Row {
        const char* path;
        int htmlFirst;
        int htmFirst;
    };
    const Row rows[] = {
        {"/a/page.html", 129, 129},     {"/a/PAGE.HTM", 130, 130},   {"/a/page.htm", 130, 130},
        {"/a/page.txt", 129, 130},      {"/a/page", 129, 130},       {"/a.htm/page", 129, 130},
        {"/a/page.html.bak", 129, 130}, {"/a/page.htmlx", 129, 130}, {"", 129, 130},
    };
    const auto htmlFirst = razo::RegisteredTemplates("html");
    const auto htmFirst = razo::RegisteredTemplates("htm");
    for (const Row& row : rows) {
        EXPECT_EQ(razo::TemplateForPath(htmlFirst, row.path).resourceId, row.htmlFirst) << row.path;
        EXPECT_EQ(razo::TemplateForPath(htmFirst, row.path).resourceId, row.htmFirst) << row.path;
    }
}

TEST(DocumentTypesTest, OpenFiltersFollowTheRegistrationOrder) {
    using F = razo::FileFilter;
    EXPECT_EQ(razo::OpenFileFilters(razo::RegisteredTemplates("htm")),
              (std::vector<F>{{"HTML Files (*.htm)", "*.htm"},
                              {"HTML Files (*.html) ", "*.html"},
                              {"All Files (*.*)", "*"}}));
    EXPECT_EQ(razo::OpenFileFilters(razo::RegisteredTemplates("html")).front(),
              (F{"HTML Files (*.html) ", "*.html"}));
}

TEST(DocumentTypesTest, NewDocumentsAreNumberedAcrossBothTypes) {
    razo::NewDocumentNames names;
    EXPECT_EQ(names.Next(razo::HtmlTemplate), "HTML1");
    EXPECT_EQ(names.Next(razo::HtmTemplate), "HTML2");
    EXPECT_EQ(names.Next(razo::HtmlTemplate), "HTML3");
    EXPECT_EQ(razo::NewDocumentNames().Next(razo::HtmTemplate), "HTML1");
}

} // namespace
