// Finding the tag at the caret, the tag that matches it, and reading a start tag back. In each
// row's text "|" is the caret and "@" marks where the expected tag begins (no "@": none).
#include <gtest/gtest.h>

#include <string>

#include "core/markup/StartTag.h"
#include "core/markup/TagFinder.h"
#include "tests/support/RowName.h"

namespace razo::markup {
namespace {

struct Marked {
    std::string text;
    std::size_t caret = 0;
    std::size_t expected = std::string::npos;
};

Marked Mark(std::string_view row) {
    Marked m;
    for (char c : row) {
        if (c == '|')
            m.caret = m.text.size();
        else if (c == '@')
            m.expected = m.text.size();
        else
            m.text += c;
    }
    return m;
}

struct FindRow {
    const char* name;
    const char* text;
};

class TagAtCaretRows : public ::testing::TestWithParam<FindRow> {};

TEST_P(TagAtCaretRows, FindsTheExpectedTag) {
    const Marked m = Mark(GetParam().text);
    const auto tag = TagAtCaret(m.text, m.caret);
    EXPECT_EQ(tag ? tag->begin : std::string::npos, m.expected) << m.text;
}

INSTANTIATE_TEST_SUITE_P(
    Markup, TagAtCaretRows,
    ::testing::Values(
        FindRow{"in the name", "x @<TA|BLE WIDTH=80%>"}, FindRow{"in a value", "@<a href=\"p.h|tml\">x</a>"},
        FindRow{"right after a start tag", "@<b>|x</b>"}, FindRow{"right after an end tag", "<b>x</b>|"},
        FindRow{"in an end tag", "<b>x@</|b>"}, FindRow{"plain text", "<b>x</b> te|xt"},
        FindRow{"a > inside a quoted value", "@<img alt=\"a>b\" s|rc=x.gif>"},
        FindRow{"a tag inside an earlier quoted value", "@<a title=\"<b>x</b>\" hr|ef=y>"},
        FindRow{"line breaks inside the tag", "@<TABLE\r\n  WIDTH=80%\r\n  BOR|DER>"},
        FindRow{"a < with no >", "text <TABLE WIDTH=|80%"}, FindRow{"a < and a blank", "a < b |and c > d"},
        FindRow{"a comment", "@<!-- a | comment -->"},
        FindRow{"an unclosed quote", "<img alt=\"a sr|c=x.gif>"}),
    [](const auto& info) { return test::RowName(info.param.name); });

class MatchingTagRows : public ::testing::TestWithParam<FindRow> {};

TEST_P(MatchingTagRows, MatchesTheExpectedTag) {
    const Marked m = Mark(GetParam().text);
    const auto tag = TagAtCaret(m.text, m.caret);
    ASSERT_TRUE(tag);
    const auto match = MatchingTag(m.text, *tag);
    EXPECT_EQ(match ? match->begin : std::string::npos, m.expected) << m.text;
}

INSTANTIATE_TEST_SUITE_P(
    Markup, MatchingTagRows,
    ::testing::Values(FindRow{"simple", "<B|>x@</B>"}, FindRow{"end to start", "@<B>x</|B>"},
                      FindRow{"case-insensitive", "<Div|>x@</dIV>"},
                      FindRow{"nested same name", "<di|v><div>x</div>@</div>"},
                      FindRow{"nested, from the end", "@<div><div>x</div></di|v>"},
                      FindRow{"unclosed P", "<P|>one<P>two</BODY>"},
                      FindRow{"unclosed LI inside a list", "<UL><L|I>a<LI>b</UL>"},
                      FindRow{"list over unclosed items", "<U|L><LI>a<LI>b@</UL>"},
                      FindRow{"unclosed TD, end tag takes the nearest", "<TD>a@<TD>b</T|D>"},
                      FindRow{"comment skipped", "<b|><!-- </b> -->x@</b>"},
                      FindRow{"script skipped",
                              "<di|v><script>if (a<b) document.write('</div>')</script>@</div>"},
                      FindRow{"quoted > in a value", "<a| title=\"x>y\">z@</a>"},
                      FindRow{"empty element", "<B|R>text</BR>"}, FindRow{"self-closed", "<div|/>x</div>"},
                      FindRow{"stray end tag", "<b>x</|i>"}),
    [](const auto& info) { return test::RowName(info.param.name); });

TEST(MatchingTag, LooksNoFurtherThanItsReach) {
    const std::string text = "<b>" + std::string(5000, 'x') + "</b>";
    const auto tag = TagAtCaret(text, 1);
    ASSERT_TRUE(tag);
    EXPECT_TRUE(MatchingTag(text, *tag, {64, 10000}));
    EXPECT_FALSE(MatchingTag(text, *tag, {64, 1000}));
}

TEST(StartTag, KeepsEveryAttributeAsWritten) {
    const auto tag =
        ParseStartTag("<table WIDTH=80%\r\n align='right' Border data-x=\"a&amp;b\" align=left>");
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->name, "table");
    ASSERT_EQ(tag->attributes.size(), 5u);
    const auto& a = tag->attributes;
    EXPECT_EQ(a[0].value, "80%");
    EXPECT_EQ(a[1].text, "align='right'");
    EXPECT_EQ(a[1].quote, '\'');
    EXPECT_FALSE(a[2].hasValue);
    EXPECT_EQ(a[3].value, "a&amp;b");
    std::vector<bool> taken(a.size());
    EXPECT_EQ(tag->Find("ALIGN", taken), 1);
    taken[1] = true;
    EXPECT_EQ(tag->Find("ALIGN", taken), 4);
    EXPECT_FALSE(ParseStartTag("<table width=80%"));
    EXPECT_FALSE(ParseStartTag("</table>"));
}

} // namespace
} // namespace razo::markup
