// The markup style: names in lower case and every value quoted, on every tag of a command's
// texts and nowhere else.
#include <gtest/gtest.h>

#include "core/elements/Blocks.h"
#include "core/elements/EditTag.h"
#include "core/elements/Html5Common.h"
#include "core/markup/MarkupStyle.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using markup::ApplyMarkupStyle;
using markup::MarkupStyle;

namespace {

struct StyleRow {
    const char* name;
    std::string text;
    MarkupStyle style;
    std::string styled;
};

constexpr MarkupStyle Lower{true, false}, Quote{false, true}, Both{true, true}, Off{};

TEST(MarkupStyle, RewritesTagsOnly) {
    const std::vector<StyleRow> rows = {
        {"off leaves everything", "<HR WIDTH=80% NOSHADE>", Off, "<HR WIDTH=80% NOSHADE>"},
        {"names lowered, values kept", "<IMG SRC=\"A.GIF\" ALT=Big WIDTH=10>", Lower,
         "<img src=\"A.GIF\" alt=Big width=10>"},
        {"unquoted values quoted, names kept", "<HR WIDTH=80% SIZE=2 NOSHADE>", Quote,
         "<HR WIDTH=\"80%\" SIZE=\"2\" NOSHADE>"},
        {"both, with end tags and text between", "<P ALIGN=left>Some TEXT</P>\r\n", Both,
         "<p align=\"left\">Some TEXT</p>\r\n"},
        {"single-quoted value and a value holding a double quote", "<A TITLE='x' NAME=a\"b>", Quote,
         "<A TITLE='x' NAME='a\"b'>"},
        {"a value holding both quotes stays as it is", "<A NAME=a\"b'c>", Quote, "<A NAME=a\"b'c>"},
        {"blanks around = kept", "<TD WIDTH = 5>", Both, "<td width = \"5\">"},
        {"declarations and comments untouched", "<!DOCTYPE html>\r\n<!-- KEEP X=1 -->", Both,
         "<!DOCTYPE html>\r\n<!-- KEEP X=1 -->"},
        {"a lone < is text", "a < b <B>c</B>", Lower, "a < b <b>c</b>"},
        {"self-closed tag keeps its slash", "<BR CLEAR=all />", Both, "<br clear=\"all\" />"},
        {"other attributes as typed get the style too", "<SECTION data-X=1 hidden>", Both,
         "<section data-x=\"1\" hidden>"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ApplyMarkupStyle(row.text, row.style), row.styled) << row.name;
}

class MarkupStyleCommands : public ElementCommandTest {};

// The style reaches fixed tags, element builders and end tags written by hand alike; Repeat
// inserts what was styled.
TEST_F(MarkupStyleCommands, EveryKindOfCommandWritesInTheStyle) {
    UseMarkupStyle(true, true);
    ExpectTexts({
        {"a rule", cmd::HorizontalRule, {.texts = {{blocks::IdSize, "3"}}}, "<hr size=\"3\">\r\nIntro", true},
        {"a section",
         cmd::Section,
         {.texts = {{html5::IdLang, "de"}}},
         "<section lang=\"de\">\r\nIntro\r\n</section>"},
    });
    Reset();
    Run(cmd::Bold);
    EXPECT_EQ(control.Text(), "<b>Intro</b>");
    Select("Intro", 0, 5);
    Run(cmd::RepeatTags);
    EXPECT_EQ(control.Text(), "<b>Intro</b>");
}

TEST_F(MarkupStyleCommands, EditTagWritesTheDialogsAttributesInTheStyleAndKeepsTheRest) {
    UseMarkupStyle(true, true);
    Select("<HR SIZE=2 Data-X=Y>", 4, 4);
    runner.Script({Press{}});
    EditTagAtCaret(view, services);
    EXPECT_EQ(control.Text(), "<hr size=\"2\" Data-X=Y>");
}

} // namespace
