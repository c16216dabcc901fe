// How attribute values are written: a value the markup leaves unquoted is quoted exactly when one
// of its characters would end it; no character is ever changed.
#include <gtest/gtest.h>

#include "core/elements/Markup.h"
#include "tests/support/RowName.h"

namespace razo {
namespace {

struct ValueRow {
    const char* name;
    std::string value;
    std::string unquoted; // Attribute("REL", value)
    std::string quoted;   // QuotedAttribute("REL", value)
};

class AttributeValues : public ::testing::TestWithParam<ValueRow> {};

TEST_P(AttributeValues, AreWrittenAsOneValue) {
    const ValueRow& row = GetParam();
    EXPECT_EQ(Attribute("REL", row.value), row.unquoted);
    EXPECT_EQ(QuotedAttribute("REL", row.value), row.quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, AttributeValues,
    ::testing::Values(
        ValueRow{"empty leaves the attribute out", "", "", ""},
        ValueRow{"number", "80", " REL=80", " REL=\"80\""},
        ValueRow{"keyword", "Contents", " REL=Contents", " REL=\"Contents\""},
        ValueRow{"percent and hash stay bare", "50%", " REL=50%", " REL=\"50%\""},
        ValueRow{"url characters stay bare", "a/b.html?x;y&z#top", " REL=a/b.html?x;y&z#top",
                 " REL=\"a/b.html?x;y&z#top\""},
        ValueRow{"blank", "Table of contents", " REL=\"Table of contents\"", " REL=\"Table of contents\""},
        ValueRow{"tab", "a\tb", " REL=\"a\tb\"", " REL=\"a\tb\""},
        ValueRow{"equals", "a=b", " REL=\"a=b\"", " REL=\"a=b\""},
        ValueRow{"angle brackets", "<b>", " REL=\"<b>\"", " REL=\"<b>\""},
        ValueRow{"backtick", "a`b", " REL=\"a`b\"", " REL=\"a`b\""},
        ValueRow{"single quote", "it's", " REL=\"it's\"", " REL=\"it's\""},
        ValueRow{"double quote takes single quotes", "say \"hi\"", " REL='say \"hi\"'",
                 " REL=\"say \"hi\"\""},
        ValueRow{"both quotes: double quotes, characters kept", "it's \"x\"", " REL=\"it's \"x\"\"",
                 " REL=\"it's \"x\"\""},
        ValueRow{"line break", "a\r\nb", " REL=\"a\r\nb\"", " REL=\"a\r\nb\""},
        ValueRow{"accented letters stay bare", "caf\xc3\xa9", " REL=caf\xc3\xa9", " REL=\"caf\xc3\xa9\""}),
    [](const ::testing::TestParamInfo<ValueRow>& info) { return test::RowName(info.param.name); });

TEST(MarkupTag, WritesAttributesInTheOrderGiven) {
    EXPECT_EQ(Tag("HR").Attr("ALIGN", "left").Attr("SIZE", "").Flag("NOSHADE", true).Close("\r\n"),
              "<HR ALIGN=left NOSHADE>\r\n");
    EXPECT_EQ(Tag("INPUT").Attr("TYPE", "image").AlwaysQuoted("SRC", "").Close(),
              "<INPUT TYPE=image SRC=\"\">");
    EXPECT_EQ(Tag("A").Quoted("HREF", "x.html").Raw(" NAME=top").Flag("X", false).Close(),
              "<A HREF=\"x.html\" NAME=top>");
    EXPECT_TRUE(NeedsQuotes("a b"));
    EXPECT_FALSE(NeedsQuotes("#FF0000"));
}

} // namespace
} // namespace razo
