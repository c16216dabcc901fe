#include <gtest/gtest.h>

#include "core/app/CommandRouter.h"
#include "core/dialogs/DataExchange.h"
#include "core/elements/Blocks.h"
#include "core/elements/Body.h"
#include "core/elements/Html5Common.h"
#include "core/elements/Html5Page.h"
#include "core/resources/CommandIds.h"
#include "core/view/StandardTags.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;

namespace {

const std::string DocType32 = "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 3.2 Draft//EN\">\r\n";
const std::string Head = "<HEAD>\r\n<TITLE>Put your title here</TITLE>\r\n</HEAD>\r\n";

const Press ChooseHtml32{.texts = {{blocks::IdDocType, "HTML 3.2"}}};
const Press Confirm{};
const Press Cancel{.cancel = true};

class StandardTags : public ElementCommandTest {
protected:
    CommandRouter router;
    void SetUp() override {
        ElementCommandTest::SetUp();
        router.SetRoute({&view.Target()});
    }
    long Caret() const {
        long start = 0, end = 0;
        control.GetSel(start, end);
        EXPECT_EQ(start, end);
        return start;
    }
};

} // namespace

TEST_F(StandardTags, NewDocumentGetsTheSkeletonOnceAndCannotUndoIt) {
    Select("", 0, 0);
    runner.Script({ChooseHtml32, Confirm});
    view.OnInitialUpdate(true);
    const std::string text = DocType32 + "<HTML>\r\n" + Head + "<BODY>\r\n</BODY>\r\n</HTML>";
    EXPECT_EQ(control.Text(), text);
    EXPECT_EQ(Caret(), static_cast<long>(text.find("</BODY>")));
    ASSERT_EQ(runner.runs.size(), 2u);
    EXPECT_EQ(runner.runs[0].idd, CDocumentTypeDialog::IDD);
    EXPECT_EQ(runner.runs[1].idd, CBodyDialog::IDD);
    EXPECT_TRUE(document.modified);
    EXPECT_FALSE(router.QueryState(cmd::EditUndo).enabled) << "the skeleton is protected";
    EXPECT_EQ(view.LastStart(), "<BODY>\r\n");
}

TEST_F(StandardTags, OpeningAFileRunsNothing) {
    Select("<P>old", 0, 0);
    view.OnInitialUpdate(false);
    EXPECT_EQ(control.Text(), "<P>old");
    EXPECT_TRUE(runner.runs.empty());
}

TEST_F(StandardTags, EachStepActsWhereThePreviousLeftTheSelection) {
    struct Row {
        const char* name;
        std::string text;
        long start, end;
        Press docType, body;
        std::string expected;
        long caret;
    };
    const std::vector<Row> rows = {
        {"type cancelled wraps the selection where it stands", "abc XYZ def", 4, 7, Cancel, Confirm,
         "abc <HTML>\r\n" + Head + "<BODY>\r\nXYZ</BODY>\r\n</HTML> def", -1},
        {"type confirmed puts everything at the top", "abc", 1, 2, ChooseHtml32, Confirm,
         DocType32 + "<HTML>\r\n" + Head + "<BODY>\r\n</BODY>\r\n</HTML>abc",
         static_cast<long>((DocType32 + "<HTML>\r\n" + Head + "<BODY>\r\n").size())},
        {"body cancelled leaves the caret before </HTML>", "", 0, 0, Cancel, Cancel,
         "<HTML>\r\n" + Head + "</HTML>", static_cast<long>(("<HTML>\r\n" + Head).size())},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Select(row.text, row.start, row.end);
        runner.Script({row.docType, row.body});
        Run(cmd::InsertStandardTags);
        EXPECT_EQ(control.Text(), row.expected);
        if (row.caret >= 0)
            EXPECT_EQ(Caret(), row.caret);
        else
            EXPECT_EQ(Selected(), "XYZ");
        EXPECT_EQ(runner.PressesLeft(), 0u);
    }
}

TEST_F(StandardTags, WithoutBodyRepeatInsertsTheHeadBlockAgain) {
    Select("", 0, 0);
    runner.Script({Cancel, Cancel});
    Run(cmd::InsertStandardTags);
    EXPECT_EQ(view.LastStart(), Head);
    Run(cmd::RepeatTags);
    EXPECT_EQ(control.Text(), "<HTML>\r\n" + Head + Head + "</HTML>");
}

TEST_F(StandardTags, BodyStepUsesTheRememberedLayout) {
    Remember(true);
    Select("", 0, 0);
    runner.Script({Cancel, {.texts = {{body::IdBackgroundName, "white"}}}});
    Run(cmd::InsertStandardTags);
    EXPECT_EQ(control.Text(), "<HTML>\r\n" + Head + "<BODY BGCOLOR=white>\r\n</BODY>\r\n</HTML>");
    EXPECT_EQ(runner.runs.back().openedTitle, "Body (HTML 3.2)");
}

namespace {

const Press ChooseHtml5{.texts = {{blocks::IdDocType, "HTML5"}}};

std::string Html5Page(const std::string& lang, const std::string& title) {
    return "<!DOCTYPE html>\r\n<HTML LANG=\"" + lang +
           "\">\r\n<HEAD>\r\n<META CHARSET=\"utf-8\">\r\n<META NAME=\"viewport\" "
           "CONTENT=\"width=device-width, "
           "initial-scale=1\">\r\n<TITLE>" +
           title + "</TITLE>\r\n</HEAD>\r\n<BODY>\r\n</BODY>\r\n</HTML>";
}

} // namespace

TEST_F(StandardTags, Html5GivesAModernHeadWithTheLanguageAndTitleAsked) {
    struct Row {
        const char* name;
        std::string systemLanguage, storedLanguage;
        Press page;
        std::string expected, remembered;
    };
    const std::vector<Row> rows = {
        {"the system's language by default", "de-AT", "", Confirm, Html5Page("de-AT", "Put your title here"),
         "de-AT"},
        {"the language given last time before the system's", "de-AT", "pt-BR", Confirm,
         Html5Page("pt-BR", "Put your title here"), "pt-BR"},
        {"language and title typed",
         "en",
         "",
         {.texts = {{html5::IdPageLanguage, "fr"}, {html5::IdPageTitle, "Bonjour"}}},
         Html5Page("fr", "Bonjour"),
         "fr"},
        {"cancelled: the defaults, nothing remembered", "en", "", Cancel,
         Html5Page("en", "Put your title here"), ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Write(profile, settings::PageLanguage, row.storedLanguage);
        system.language = row.systemLanguage;
        Reset();
        Select("", 0, 0);
        runner.Script({ChooseHtml5, row.page, Confirm});
        Run(cmd::InsertStandardTags);
        EXPECT_EQ(control.Text(), row.expected);
        ASSERT_EQ(runner.runs.size(), 3u);
        EXPECT_EQ(runner.runs[1].idd, CHtml5PageDialog::IDD);
        EXPECT_EQ(Read(profile, settings::PageLanguage),
                  row.remembered.empty() ? row.storedLanguage : row.remembered);
    }
}

TEST_F(StandardTags, Html5SkeletonInTheMarkupStyle) {
    UseMarkupStyle(true, true);
    Select("", 0, 0);
    runner.Script({ChooseHtml5, Confirm, Confirm});
    Run(cmd::InsertStandardTags);
    EXPECT_EQ(control.Text(),
              "<!DOCTYPE html>\r\n<html lang=\"en\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<meta "
              "name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n<title>Put your "
              "title here</title>\r\n</head>\r\n<body>\r\n</body>\r\n</html>");
}

// Preferences' default document type is where the list opens, so a new page gets it by Enter.
TEST_F(StandardTags, DefaultDocumentTypeFromPreferences) {
    Write(profile, settings::DefaultDocumentType, "HTML5");
    Select("", 0, 0);
    runner.Script({Confirm, Confirm, Confirm});
    view.OnInitialUpdate(true);
    EXPECT_EQ(control.Text(), Html5Page("en", "Put your title here"));
}

TEST_F(StandardTags, Html5PageRefusesABadLanguageOrNoTitle) {
    const struct {
        const char* name;
        Press bad;
        const char* message;
        int field;
    } rows[] = {
        {"language",
         {.texts = {{html5::IdPageLanguage, "en_GB"}}},
         messages::NotALanguage,
         html5::IdPageLanguage},
        {"title", {.texts = {{html5::IdPageTitle, ""}}}, messages::MustEnterValue, html5::IdPageTitle},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Reset();
        runner.Script({ChooseHtml5, row.bad, Cancel, Cancel});
        Run(cmd::InsertStandardTags);
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, row.message);
        EXPECT_EQ(runner.runs[1].refusedAt, std::vector<int>{row.field});
    }
}
