#include <gtest/gtest.h>

#include "core/dialogs/DataExchange.h"
#include "core/elements/Images.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;

namespace {

using namespace images;

class ImageCommands : public ElementCommandTest {};

// Every field of the HTML 3.2 and Netscape dialogs.
const std::map<int, std::string> AllFields = {
    {IdSrc, "/home/site/img/cat.gif"},
    {IdAlt, "A \"cat\""},
    {IdAlign, "left"},
    {IdWidth, "0"},
    {IdHeight, "020"},
    {IdVSpace, "2"},
    {IdHSpace, "3"},
    {IdBorder, "1"},
    {IdMapUrl, "#nav"},
};

} // namespace

TEST_F(ImageCommands, BuildTheDocumentedTexts) {
    ExpectTexts({
        {"source only", cmd::Image, {.texts = {{IdSrc, "a.gif"}}}, "<IMG SRC=\"a.gif\">Intro"},
        {"expanded, every field",
         cmd::Image,
         {.texts = AllFields, .checks = {{IdIsMap, 1}}},
         "<IMG SRC=\"img/cat.gif\" ALIGN=left ALT=\"A \"cat\"\" ISMAP WIDTH=0 HEIGHT=20 BORDER=1 VSPACE=2 "
         "HSPACE=3 USEMAP=\"#nav\">Intro",
         true},
        {"short layout drops the HTML 3.2 attributes",
         cmd::Image,
         {.texts = AllFields, .checks = {{IdIsMap, 1}}},
         "<IMG SRC=\"img/cat.gif\" ALIGN=left ALT=\"A \"cat\"\" ISMAP>Intro"},
        {"netscape, every field",
         cmd::ImageNetscape,
         {.texts = {{IdSrc, "b.gif"},
                    {IdAlign, "absmiddle"},
                    {IdWidth, "10"},
                    {IdBorder, "0"},
                    {IdMapUrl, "m.html"}},
          .checks = {{IdIsMap, 1}}},
         "<IMG SRC=\"b.gif\" ALIGN=absmiddle ISMAP WIDTH=10 BORDER=0 USEMAP=\"m.html\">Intro"},
        {"microsoft, every field",
         cmd::ImageMicrosoft,
         {.texts = {{IdSrc, "c.gif"},
                    {IdAlign, "top"},
                    {IdWidth, "1"},
                    {IdHeight, "2"},
                    {IdVSpace, "3"},
                    {IdHSpace, "4"},
                    {IdBorder, "5"},
                    {IdDynSrc, "/home/site/v.avi"},
                    {IdStart, "Fileopen,Mouseover"},
                    {IdLoop, "3"},
                    {IdMicrosoftMapUrl, "#m"}},
          .checks = {{IdIsMap, 1}, {IdControls, 1}}},
         "<IMG SRC=\"c.gif\" ALIGN=top ISMAP WIDTH=1 HEIGHT=2 VSPACE=3 HSPACE=4 BORDER=5 DYNSRC=\"v.avi\" "
         "START=Fileopen,Mouseover CONTROLS LOOP=3 USEMAP=\"#m\">Intro"},
        {"infinite loop wins over a count",
         cmd::ImageMicrosoft,
         {.texts = {{IdSrc, "c.gif"}, {IdLoop, "3"}}, .checks = {{IdInfiniteLoop, 1}}},
         "<IMG SRC=\"c.gif\" LOOP=infinite>Intro"},
        {"free-text border stays one attribute",
         cmd::ImageMicrosoft,
         {.texts = {{IdSrc, "c.gif"}, {IdBorder, "1 2"}}},
         "<IMG SRC=\"c.gif\" BORDER=\"1 2\">Intro"},
    });
}

TEST_F(ImageCommands, RefusalsFollowTheExchangeOrder) {
    const std::string tooLong = "Please enter a non-empty string containing 1024 characters at the most.";
    ExpectRefusals({
        {"empty source", cmd::Image, {}, messages::MustEnterValue, IdSrc},
        {"source of 1025 characters",
         cmd::ImageMicrosoft,
         {.texts = {{IdSrc, std::string(1025, 's')}}},
         tooLong,
         IdSrc},
        {"negative width",
         cmd::Image,
         {.texts = {{IdSrc, "a.gif"}, {IdWidth, "-1"}}},
         messages::CanOnlyEnterNumerals,
         IdWidth,
         true},
        {"hidden width still checked",
         cmd::Image,
         {.texts = {{IdSrc, "a.gif"}, {IdWidth, "-1"}}},
         messages::CanOnlyEnterNumerals,
         IdWidth},
        {"source before numbers",
         cmd::Image,
         {.texts = {{IdWidth, "-1"}}},
         messages::MustEnterValue,
         IdSrc,
         true},
        {"netscape numbers before source",
         cmd::ImageNetscape,
         {.texts = {{IdWidth, "-1"}}},
         messages::CanOnlyEnterNumerals,
         IdWidth},
        {"map URL of 1025 characters",
         cmd::ImageNetscape,
         {.texts = {{IdSrc, "a.gif"}, {IdMapUrl, std::string(1025, 'm')}}},
         "Please enter no more than 1024 characters.",
         IdMapUrl},
        {"microsoft loop letters",
         cmd::ImageMicrosoft,
         {.texts = {{IdSrc, "a.gif"}, {IdLoop, "x"}}},
         messages::NotWholeNumber,
         IdLoop},
    });
}

TEST_F(ImageCommands, UrlHistoryInTheOrderWritten) {
    Wrap(cmd::ImageMicrosoft,
         {{.texts = {{IdSrc, "s.gif"}, {IdDynSrc, "d.avi"}, {IdMicrosoftMapUrl, "#m"}}, .cancel = true}});
    EXPECT_TRUE(Urls().empty());
    Wrap(cmd::ImageMicrosoft,
         {{.texts = {{IdSrc, "s.gif"}, {IdDynSrc, "d.avi"}, {IdMicrosoftMapUrl, "#m"}}}});
    EXPECT_EQ(Urls(), (std::vector<std::string>{"s.gif", "d.avi", "#m"}));

    // The short layout neither writes nor remembers the map.
    Wrap(cmd::Image, {{.texts = {{IdSrc, "t.gif"}, {IdMapUrl, "#hidden"}}}});
    EXPECT_EQ(Urls(), (std::vector<std::string>{"s.gif", "d.avi", "#m", "t.gif"}));

    // Every URL box is offered the remembered URLs.
    Wrap(cmd::ImageMicrosoft, {{.cancel = true}});
    for (int id : {IdSrc, IdDynSrc, IdMicrosoftMapUrl})
        EXPECT_EQ(runner.runs.back().listEntries[id], Urls()) << id;
}

TEST_F(ImageCommands, BrowseButtonsUseTheirFilters) {
    Write(profile, settings::WorkingDir, std::string("/home/site"));
    prompts.fileAnswers = {std::string("/home/site/a.jpg"), std::string("/home/site/v.avi"),
                           std::string("/home/site/maps.html")};
    Wrap(cmd::ImageMicrosoft,
         {{.actions = {Click(IdBrowseSrc), Click(IdBrowseDynSrc), Click(IdMicrosoftBrowseMap)}}});
    ASSERT_EQ(prompts.fileRequests.size(), 3u);
    EXPECT_EQ(prompts.fileRequests[0].filter, browse::ImageFilter);
    EXPECT_EQ(prompts.fileRequests[1].filter, browse::VideoFilter);
    EXPECT_EQ(prompts.fileRequests[2].filter, browse::HtmlFilter);
    EXPECT_EQ(prompts.fileRequests[0].startFolder, "/home/site");
    EXPECT_EQ(control.Text(), "<IMG SRC=\"a.jpg\" DYNSRC=\"v.avi\" USEMAP=\"maps.html\">Intro");
}

TEST(ImageTemplates, ListsAndLayoutParts) {
    const auto& image = CInlineImageDialog::TemplateData();
    EXPECT_EQ(image.Find(IdIsMap)->part, LayoutPart::Short);
    for (int id : {IdWidth, IdHeight, IdVSpace, IdHSpace, IdBorder, IdMapUrl, IdBrowseMap})
        EXPECT_EQ(image.Find(id)->part, LayoutPart::Expanded) << id;
    EXPECT_TRUE(CInlineImageNetscapeDialog::TemplateData().Find(IdAlign)->sorted);
    EXPECT_EQ(CInlineImageNetscapeDialog::TemplateData().Find(IdAlign)->entries.size(), 9u);
    EXPECT_EQ(CInlineImageMicrosoftDialog::TemplateData().Find(IdBorder)->kind, ControlKind::Edit);
    EXPECT_EQ(image.HelpContext(), 0x20000 + 160);
}
