// The matching tag is looked for only while the caret is in a start or end tag's name. In each row
// "|" is the caret and "@" where the matching tag begins (no "@": none).
#include <gtest/gtest.h>

#include <string>

#include "core/markup/TagFinder.h"
#include "tests/support/RowName.h"

namespace razo::markup {
namespace {

struct NameRow {
    const char* name;
    const char* text;
};

class MatchAtCaretNameRows : public ::testing::TestWithParam<NameRow> {};

TEST_P(MatchAtCaretNameRows, MatchesOnlyFromAName) {
    std::string text;
    std::size_t caret = 0;
    std::size_t expected = std::string::npos;
    for (const char* c = GetParam().text; *c; ++c) {
        if (*c == '|')
            caret = text.size();
        else if (*c == '@')
            expected = text.size();
        else
            text += *c;
    }
    const auto found = MatchAtCaretName(text, caret);
    EXPECT_EQ(found ? found->match.begin : std::string::npos, expected) << text;
}

INSTANTIATE_TEST_SUITE_P(Markup, MatchAtCaretNameRows,
                         ::testing::Values(NameRow{"before the name's first letter", "<|TABLE>x@</TABLE>"},
                                           NameRow{"after its last letter", "<TABLE|>x@</TABLE>"},
                                           NameRow{"in an end tag's name", "@<ul><li>x</u|l>"},
                                           NameRow{"between the end tag's < and /", "<ul>x<|/ul>"},
                                           NameRow{"before the <", "|<ul>x</ul>"},
                                           NameRow{"in an attribute", "<A HR|EF=x>y</A>"},
                                           NameRow{"after the >", "<B>|x</B>"},
                                           NameRow{"in a comment", "<!-- <B|> -->x</B>"},
                                           NameRow{"in a script", "<SCRIPT>w('<B|>')</SCRIPT>x</B>"},
                                           NameRow{"after a comment", "<!-- <B> --><B|>x@</B>"},
                                           NameRow{"a script's end tag", "@<SCRIPT>w('<B>')</SCR|IPT>"},
                                           NameRow{"name with no match", "<P|>one<P>two</BODY>"}),
                         [](const auto& info) { return test::RowName(info.param.name); });

} // namespace
} // namespace razo::markup
