#include <gtest/gtest.h>

#include <set>

#include "core/app/CommandRouter.h"
#include "core/resources/CommandIds.h"
#include "core/view/FixedTags.h"
#include "core/view/RazoView.h"
#include "tests/support/FakeDocument.h"
#include "tests/support/MemoryTextControl.h"

using razo::CRazoView;
namespace cmd = razo::cmd;
using razo::test::FakeDocument;
using razo::test::MemoryTextControl;

namespace {

struct FixedTagFixture : ::testing::Test {
    MemoryTextControl control;
    FakeDocument document;
    CRazoView view{control, document};
    razo::CommandRouter router;

    void SetUp() override {
        razo::RegisterFixedTagCommands(view);
        router.SetRoute({&view.Target()});
    }
    std::pair<long, long> Sel() const {
        long s = 0, e = 0;
        control.GetSel(s, e);
        return {s, e};
    }
};

// What each command leaves when "x" is selected: the whole text, the selection in brackets.
struct Row {
    int id;
    const char* result;
};

const Row kRows[] = {
    {cmd::Bold, "<B>[x]</B>"},
    {cmd::Italic, "<I>[x]</I>"},
    {cmd::Teletype, "<TT>[x]</TT>"},
    {cmd::Underline, "<U>[x]</U>"},
    {cmd::Strike, "<STRIKE>[x]</STRIKE>"},
    {cmd::Big, "<BIG>[x]</BIG>"},
    {cmd::Small, "<SMALL>[x]</SMALL>"},
    {cmd::Subscript, "<SUB>[x]</SUB>"},
    {cmd::Superscript, "<SUP>[x]</SUP>"},
    {cmd::Citation, "<CITE>[x]</CITE>"},
    {cmd::Code, "<CODE>[x]</CODE>"},
    {cmd::Emphasis, "<EM>[x]</EM>"},
    {cmd::Keyboard, "<KBD>[x]</KBD>"},
    {cmd::Sample, "<SAMP>[x]</SAMP>"},
    {cmd::Strong, "<STRONG>[x]</STRONG>"},
    {cmd::Variable, "<VAR>[x]</VAR>"},
    {cmd::DefineTerm, "<DFN>[x]</DFN>"},
    {cmd::Term, "<DT>[x]"},
    {cmd::Definition, "<DD>[x]"},
    {cmd::Html, "<HTML>\r\n[x]</HTML>"},
    {cmd::Head, "<HEAD>\r\n[x]\r\n</HEAD>"},
    {cmd::Title, "<TITLE>[x]</TITLE>"},
    {cmd::Blockquote, "<BLOCKQUOTE>[x]</BLOCKQUOTE>"},
    {cmd::Address, "<ADDRESS>[x]</ADDRESS>"},
    {cmd::Centre, "<CENTER>[x]</CENTER>"},
    {cmd::Blink, "<BLINK>[x]</BLINK>"},
    {cmd::NoBreak, "<NOBR>[x]</NOBR>"},
    {cmd::WordBreak, "<WBR>[x]</WBR>"},
    {cmd::NoFrames, "<NOFRAMES>[x]</NOFRAMES>"},
    {cmd::Mark, "<MARK>[x]</MARK>"},
    {cmd::StruckOut, "<S>[x]</S>"},
    {cmd::BidiIsolate, "<BDI>[x]</BDI>"},
    {cmd::WordBreakOpportunity, "<WBR>[x]"},
    {cmd::MetaCharset, "<META CHARSET=\"utf-8\">\r\n[x]"},
    {cmd::NoScript, "<NOSCRIPT>[x]</NOSCRIPT>"},
    {cmd::ContentTemplate, "<TEMPLATE>\r\n[x]\r\n</TEMPLATE>"},
};

TEST_F(FixedTagFixture, EveryCommandWrapsTheSelectionAndKeepsItSelected) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.result);
        control.SetBytes("x");
        control.SetSel(0, 1);
        ASSERT_TRUE(router.Execute(row.id));
        std::string expected = row.result;
        const auto open = static_cast<long>(expected.find('['));
        expected.erase(size_t(open), 1);
        const auto close = static_cast<long>(expected.find(']'));
        expected.erase(size_t(close), 1);
        EXPECT_EQ(control.Text(), expected);
        EXPECT_EQ(Sel(), std::make_pair(open, close));
    }
}

TEST(FixedTagTable, HoldsEachCommandOnceAndNothingElse) {
    std::set<int> ids;
    for (const razo::FixedTag& tag : razo::FixedTags())
        EXPECT_TRUE(ids.insert(tag.id).second) << tag.id;
    std::set<int> tested;
    for (const Row& row : kRows)
        tested.insert(row.id);
    EXPECT_EQ(ids, tested);
}

TEST_F(FixedTagFixture, HeadOnEmptySelectionLeavesCaretOnTheEmptyMiddleLine) {
    ASSERT_TRUE(router.Execute(cmd::Head));
    EXPECT_EQ(control.Text(), "<HEAD>\r\n\r\n</HEAD>");
    EXPECT_EQ(Sel(), std::make_pair(8L, 8L));
    control.SetKnownCaret(8);
    int line = 0, column = 0;
    view.GetCaretLineCol(line, column);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(column, 1);
}

TEST_F(FixedTagFixture, BoldThenRepeatNestsThePair) {
    control.SetBytes("x");
    control.SetSel(0, 1);
    router.Execute(cmd::Bold);
    ASSERT_TRUE(router.Execute(razo::cmd::RepeatTags));
    EXPECT_EQ(control.Text(), "<B><B>x</B></B>");
    EXPECT_EQ(Sel(), std::make_pair(6L, 7L));
}

} // namespace
