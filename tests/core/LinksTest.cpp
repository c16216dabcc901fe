#include <gtest/gtest.h>

#include "core/dialogs/DataExchange.h"
#include "core/elements/Links.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;

namespace {

using namespace links;

class LinkCommands : public ElementCommandTest {};

const std::string LongUrl(1025, 'u');

} // namespace

TEST_F(LinkCommands, BuildTheDocumentedTexts) {
    ExpectTexts({
        {"link with name and relationship",
         cmd::Link,
         {.texts = {{IdUrl, "next.html"}, {IdName, "nav"}, {IdRel, "Next"}}},
         "<A HREF=\"next.html\" NAME=\"nav\" REL=Next>Intro</A>"},
        {"link with every field",
         cmd::Link,
         {.texts = {{IdUrl, "a.html"}, {IdName, "n"}, {IdTitle, "T"}, {IdRel, "Up"}, {IdRev, "Index"}}},
         "<A HREF=\"a.html\" NAME=\"n\" TITLE=\"T\" REL=Up REV=Index>Intro</A>"},
        {"local file made relative",
         cmd::Link,
         {.texts = {{IdUrl, "/home/site/pages/b.html"}}},
         "<A HREF=\"pages/b.html\">Intro</A>"},
        {"relationship typed freely",
         cmd::Link,
         {.texts = {{IdUrl, "a.html"}, {IdRel, "Chapter"}}},
         "<A HREF=\"a.html\" REL=Chapter>Intro</A>"},
        {"relationship typed with a blank stays one value",
         cmd::Link,
         {.texts = {{IdUrl, "a.html"}, {IdRel, "Chapter One"}}},
         "<A HREF=\"a.html\" REL=\"Chapter One\">Intro</A>"},
        {"double quotes kept as typed",
         cmd::Link,
         {.texts = {{IdUrl, "a.html"}, {IdName, "say \"hi\""}, {IdTitle, "5\" disk"}}},
         "<A HREF=\"a.html\" NAME=\"say \"hi\"\" TITLE=\"5\" disk\">Intro</A>"},
        {"netscape link with target last",
         cmd::LinkNetscape,
         {.texts = {{IdUrl, "a.html"}, {IdName, "n"}, {IdRev, "Home"}, {IdTarget, "_top"}}},
         "<A HREF=\"a.html\" NAME=\"n\" REV=Home TARGET=\"_top\">Intro</A>"},
        {"netscape target typed",
         cmd::LinkNetscape,
         {.texts = {{IdUrl, "a.html"}, {IdTarget, "main"}}},
         "<A HREF=\"a.html\" TARGET=\"main\">Intro</A>"},
        {"LINK line in front of the selection",
         cmd::LinkElement,
         {.texts = {{IdUrl, "/home/site/style.css"}, {IdRel, "StyleSheet"}}},
         "<LINK HREF=\"style.css\" REL=StyleSheet>\r\nIntro"},
        {"anchor", cmd::Anchor, {.texts = {{IdName, "top"}}}, "<A NAME=\"top\">Intro</A>"},
        {"base as entered, never relative",
         cmd::Base,
         {.texts = {{IdUrl, "/home/site/index.html"}}},
         "<BASE HREF=\"/home/site/index.html\">Intro"},
        {"netscape base with target",
         cmd::BaseNetscape,
         {.texts = {{IdUrl, "http://example.org/"}, {IdTarget, "_top"}}},
         "<BASE HREF=\"http://example.org/\" TARGET=\"_top\">Intro"},
        {"meta refresh",
         cmd::Meta,
         {.texts = {{IdContent, "5"}, {IdHttpEquiv, "Refresh"}}},
         "<META CONTENT=\"5\" HTTP-EQUIV=\"Refresh\">Intro"},
        {"meta with name",
         cmd::Meta,
         {.texts = {{IdContent, "HTML, editing"}, {IdName, "keywords"}}},
         "<META CONTENT=\"HTML, editing\" NAME=\"keywords\">Intro"},
        {"isindex without prompt", cmd::IsIndex, {}, "<ISINDEX>Intro"},
        {"isindex with prompt",
         cmd::IsIndex,
         {.texts = {{IdPrompt, "Search:"}}},
         "<ISINDEX PROMPT=\"Search:\">Intro"},
        {"style",
         cmd::Style,
         {.texts = {{IdNotation, "ISO/IEC 10179:1995//NOTATION DSSSL Style Language//EN"}}},
         "<STYLE NOTATION=\"ISO/IEC 10179:1995//NOTATION DSSSL Style Language//EN\">Intro</STYLE>"},
        {"comment", cmd::Comment, {.texts = {{IdName, "note"}}}, "<!--noteIntro-->"},
        {"empty comment", cmd::Comment, {}, "<!--Intro-->"},
    });
}

TEST_F(LinkCommands, RefusalsKeepTheDialogOpen) {
    const std::string tooLong = "Please enter a non-empty string containing 1024 characters at the most.";
    ExpectRefusals({
        {"empty link URL", cmd::Link, {.texts = {{IdName, "n"}}}, messages::MustEnterValue, IdUrl},
        {"link URL of 1025 characters", cmd::Link, {.texts = {{IdUrl, LongUrl}}}, tooLong, IdUrl},
        {"empty netscape link URL",
         cmd::LinkNetscape,
         {.texts = {{IdTarget, "_top"}}},
         messages::MustEnterValue,
         IdUrl},
        {"empty LINK URL", cmd::LinkElement, {}, messages::MustEnterValue, IdUrl},
        {"empty base URL", cmd::Base, {}, messages::MustEnterValue, IdUrl},
        {"base URL of 1025 characters", cmd::BaseNetscape, {.texts = {{IdUrl, LongUrl}}}, tooLong, IdUrl},
        {"empty anchor name", cmd::Anchor, {}, messages::MustEnterValue, IdName},
        {"empty meta content",
         cmd::Meta,
         {.texts = {{IdName, "author"}}},
         messages::MustEnterValue,
         IdContent},
        {"meta content of 1025 characters", cmd::Meta, {.texts = {{IdContent, LongUrl}}}, tooLong, IdContent},
    });
    // 1024 characters pass.
    EXPECT_EQ(Wrap(cmd::Base, {{.texts = {{IdUrl, LongUrl.substr(1)}}}}),
              "<BASE HREF=\"" + LongUrl.substr(1) + "\">Intro");
}

TEST_F(LinkCommands, UrlsAreRememberedAsEnteredOnlyOnOk) {
    Wrap(cmd::Link, {{.texts = {{IdUrl, "/home/site/a.html"}}, .cancel = true}});
    Wrap(cmd::Base, {{.texts = {{IdUrl, "b.html"}}, .cancel = true}});
    EXPECT_TRUE(Urls().empty());

    Wrap(cmd::Link, {{.texts = {{IdUrl, "/home/site/a.html"}}}});
    Wrap(cmd::LinkElement, {{.texts = {{IdUrl, "c.css"}}}});
    Wrap(cmd::BaseNetscape, {{.texts = {{IdUrl, "B.html"}, {IdTarget, "_top"}}}});
    EXPECT_EQ(Urls(), (std::vector<std::string>{"/home/site/a.html", "c.css", "B.html"}));

    // Every URL box offers them.
    Wrap(cmd::LinkNetscape, {{.cancel = true}});
    EXPECT_EQ(runner.runs.back().listEntries[IdUrl],
              (std::vector<std::string>{"/home/site/a.html", "c.css", "B.html"}));
}

TEST_F(LinkCommands, UnsavedDocumentIsToldAndGetsTheUrlAsTyped) {
    document.path.clear();
    EXPECT_EQ(Wrap(cmd::Link, {{.texts = {{IdUrl, "/home/site/a.html"}}}}),
              "<A HREF=\"/home/site/a.html\">Intro</A>");
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{messages::UnsavedRelativePath});
    // A base URL is never converted, so nothing is said.
    prompts.messages.clear();
    Select("Intro", 0, 5);
    Wrap(cmd::Base, {{.texts = {{IdUrl, "/home/site/a.html"}}}});
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(LinkCommands, LinkElementUsesTheLinkDialogWithoutTarget) {
    Wrap(cmd::LinkElement, {{.texts = {{IdUrl, "a.html"}}}});
    EXPECT_EQ(runner.runs.back().idd, CHypertextLinkDialog::IDD);
    EXPECT_EQ(runner.runs.back().openedTitle, "Hypertext Link (HTML 2.0)");
    EXPECT_EQ(CHypertextLinkDialog::TemplateData().Find(IdTarget), nullptr);
}

TEST_F(LinkCommands, StyleWithoutNotationInsertsNothingAndRepeatStays) {
    Wrap(cmd::Anchor, {{.texts = {{IdName, "top"}}}});
    const std::string before = control.Text();
    EXPECT_EQ(Wrap(cmd::Style, {{}}), before);
    EXPECT_EQ(view.LastStart(), "<A NAME=\"top\">");
}

TEST_F(LinkCommands, EmptyLinkSelectionLeavesTheCaretInside) {
    Select("", 0, 0);
    EXPECT_EQ(Wrap(cmd::Link, {{.texts = {{IdUrl, "a.html"}}}}), "<A HREF=\"a.html\"></A>");
    long start = 0, end = 0;
    control.GetSel(start, end);
    EXPECT_EQ(start, 17);
    EXPECT_EQ(end, 17);
}

TEST(LinkTemplates, ListsAndHelp) {
    const auto& link = CHypertextLinkNetscapeDialog::TemplateData();
    const std::vector<std::string> types = {"Banner", "Bookmark", "Copyright", "Glossary",   "Help", "Home",
                                            "Index",  "Next",     "Previous",  "StyleSheet", "ToC",  "Up"};
    for (int id : {IdRel, IdRev}) {
        EXPECT_EQ(link.Find(id)->entries, types);
        EXPECT_TRUE(link.Find(id)->sorted);
        EXPECT_EQ(link.Find(id)->kind, ControlKind::EditableCombo);
    }
    EXPECT_EQ(link.Find(IdTarget)->entries, (std::vector<std::string>{"_blank", "_parent", "_self", "_top"}));
    EXPECT_EQ(link.Find(IdUrl)->history, HistoryList::Urls);
    EXPECT_EQ(link.Find(IdBrowse)->browse->filter, browse::HtmlFilter);
    EXPECT_EQ(CStyleDialog::TemplateData().Find(IdNotation)->kind, ControlKind::ListCombo);
    EXPECT_EQ(CHypertextLinkDialog::TemplateData().HelpContext(), 131228);
}
