#include "core/elements/Applets.h"
#include "core/dialogs/DialogSession.h"
#include "core/elements/SoundMarquee.h"
#include "core/resources/CommandIds.h"
#include "core/settings/SettingsKeys.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::applets;

namespace {

class AppletCommands : public ElementCommandTest {
protected:
    AppletCommands() : ElementCommandTest("E:\\web\\site\\index.html") {}

    // What the class file and code base lists offer when an applet dialog opens.
    struct Offered {
        std::vector<std::string> classFiles, codeBases;
    };
    Offered Open() {
        struct NoView : DialogView {
            void ShowLayout(bool, const std::string&, const std::string&) override {}
            void PaintSwatch(int, const CColourSwatch&) override {}
        } view;
        CAppletDialog dialog(profile);
        ScriptedFields fields(dialog.Template());
        DialogSession session(dialog, fields, prompts, profile, runner, view);
        session.Open();
        return {fields.Entries(IdClassFile), fields.Entries(IdCodeBase)};
    }
    void Store(const char* section, std::vector<std::pair<int, std::string>> entries) {
        for (const auto& [position, value] : entries)
            profile.WriteProfileString(section, std::to_string(position), value);
    }
};

const char* UrlSection = settings::UrlHistorySection;
const char* Classes = settings::JavaClassHistorySection;

} // namespace

TEST_F(AppletCommands, BuildTheDocumentedTexts) {
    ExpectTexts({
        {"class file only",
         cmd::Applet,
         {.texts = {{IdClassFile, "Clock.class"}}},
         "<APPLET CODE=\"Clock.class\">\r\nIntro</APPLET>\r\n"},
        {"everything, in the written order",
         cmd::Applet,
         {.texts = {{IdClassFile, "E:\\web\\site\\java\\Clock.class"},
                    {IdCodeBase, "http://example.org/java/"},
                    {IdName, "clock one"},
                    {IdAlign, "middle"},
                    {IdAltText, "A \"clock\""},
                    {IdWidth, "0"},
                    {IdHeight, "80"},
                    {IdVSpace, "4"},
                    {IdHSpace, "5"}}},
         "<APPLET CODE=\"java\\Clock.class\" CODEBASE=\"http://example.org/java/\" NAME=\"clock one\" "
         "ALIGN=middle ALT=\"A \"clock\"\" WIDTH=0 HEIGHT=80 VSPACE=4 HSPACE=5>\r\nIntro</APPLET>\r\n"},
        {"parameter without value",
         cmd::AppletParam,
         {.texts = {{IdParamName, "speed"}}},
         "<PARAM NAME=\"speed\">\r\nIntro"},
        {"parameter value as a file",
         cmd::AppletParam,
         {.texts = {{IdParamName, "image"}, {IdParamValue, "E:\\web\\img\\face.gif"}}},
         "<PARAM NAME=\"image\" VALUE=\"..\\img\\face.gif\">\r\nIntro"},
        {"parameter value as text",
         cmd::AppletParam,
         {.texts = {{IdParamName, "speed"}, {IdParamValue, "fast"}}},
         "<PARAM NAME=\"speed\" VALUE=\"fast\">\r\nIntro"},
    });
}

TEST_F(AppletCommands, RefusedFields) {
    ExpectRefusals({
        {"no class file", cmd::Applet, {}, "You must enter a value.", IdClassFile},
        {"negative height",
         cmd::Applet,
         {.texts = {{IdClassFile, "A.class"}, {IdHeight, "-1"}}},
         "You can only enter numerals.",
         IdHeight},
        {"long code base",
         cmd::Applet,
         {.texts = {{IdClassFile, "A.class"}, {IdCodeBase, std::string(1025, 'c')}}},
         "Please enter no more than 1024 characters.",
         IdCodeBase},
        {"no parameter name",
         cmd::AppletParam,
         {.texts = {{IdParamValue, "5"}}},
         "You must enter a value.",
         IdParamName},
    });
}

// A parameter value is treated as a file reference, so even a plain word enters the URLs.
TEST_F(AppletCommands, ParameterValuesEnterTheUrlHistory) {
    Wrap(cmd::AppletParam, {{.texts = {{IdParamName, "speed"}, {IdParamValue, "fast"}}}});
    Wrap(cmd::AppletParam, {{.texts = {{IdParamName, "mode"}}}});
    EXPECT_EQ(History(UrlSection), std::vector<std::string>{"fast"});
    EXPECT_TRUE(History(Classes).empty());
}

TEST_F(AppletCommands, ClassFilesHaveTheirOwnHistory) {
    Wrap(cmd::Applet,
         {{.texts = {{IdClassFile, "E:\\web\\site\\Clock.class"}, {IdCodeBase, "http://x.org/"}}}});
    EXPECT_EQ(History(Classes), std::vector<std::string>{"E:\\web\\site\\Clock.class"});
    EXPECT_EQ(History(UrlSection), std::vector<std::string>{"http://x.org/"});

    const Offered offered = Open();
    EXPECT_EQ(offered.classFiles, std::vector<std::string>{"E:\\web\\site\\Clock.class"});
    EXPECT_EQ(offered.codeBases, std::vector<std::string>{"http://x.org/"});

    // Other dialogs' URL lists offer the code base, never the class file.
    Reset();
    Wrap(cmd::BackgroundSound, {{.cancel = true}});
    EXPECT_EQ(runner.runs.back().listEntries.at(media::IdSoundSource),
              std::vector<std::string>{"http://x.org/"});
}

// What each list offers, sorted as the combo boxes show it.
TEST_F(AppletCommands, BothListsLoadInOnePass) {
    struct Row {
        const char* name;
        std::vector<std::pair<int, std::string>> urls, classes;
        int capacity;
        Offered offered;
    };
    const Row rows[] = {
        {"each list in full",
         {{0, "b.html"}, {1, "a.html"}},
         {{0, "Z.class"}},
         10,
         {{"Z.class"}, {"a.html", "b.html"}}},
        {"a gap in one list is bridged by the other",
         {{0, "a.html"}, {2, "c.html"}},
         {{0, "X.class"}, {1, "Y.class"}},
         10,
         {{"X.class", "Y.class"}, {"a.html", "c.html"}}},
        {"stops where both are empty",
         {{0, "a.html"}, {2, "c.html"}},
         {{0, "X.class"}},
         10,
         {{"X.class"}, {"a.html"}}},
        {"capacity bounds both",
         {{0, "a.html"}, {1, "b.html"}},
         {{0, "X.class"}, {1, "Y.class"}},
         1,
         {{"X.class"}, {"a.html"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        profile.DeleteSection(UrlSection);
        profile.DeleteSection(Classes);
        Store(UrlSection, row.urls);
        Store(Classes, row.classes);
        Write(profile, settings::UrlNumber, row.capacity);
        const Offered offered = Open();
        EXPECT_EQ(offered.classFiles, row.offered.classFiles);
        EXPECT_EQ(offered.codeBases, row.offered.codeBases);
    }
}

TEST_F(AppletCommands, UnsavedDocumentKeepsPathsAbsolute) {
    document.path.clear();
    EXPECT_EQ(Wrap(cmd::Applet, {{.texts = {{IdClassFile, "E:\\j\\A.class"}, {IdCodeBase, "E:\\j"}}}}),
              "<APPLET CODE=\"E:\\j\\A.class\" CODEBASE=\"E:\\j\">\r\nIntro</APPLET>\r\n");
    EXPECT_EQ(prompts.messages.size(), 2u);
}
