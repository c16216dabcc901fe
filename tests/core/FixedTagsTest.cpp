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

struct Expected {
    int id;
    const char* start;
    const char* end;
};

// Written out independently of the table under test.
const Expected kExpected[] = {
    {cmd::Bold, "<B>", "</B>"},
    {cmd::Italic, "<I>", "</I>"},
    {cmd::Teletype, "<TT>", "</TT>"},
    {cmd::Underline, "<U>", "</U>"},
    {cmd::Strike, "<STRIKE>", "</STRIKE>"},
    {cmd::Big, "<BIG>", "</BIG>"},
    {cmd::Small, "<SMALL>", "</SMALL>"},
    {cmd::Subscript, "<SUB>", "</SUB>"},
    {cmd::Superscript, "<SUP>", "</SUP>"},
    {cmd::Citation, "<CITE>", "</CITE>"},
    {cmd::Code, "<CODE>", "</CODE>"},
    {cmd::Emphasis, "<EM>", "</EM>"},
    {cmd::Keyboard, "<KBD>", "</KBD>"},
    {cmd::Sample, "<SAMP>", "</SAMP>"},
    {cmd::Strong, "<STRONG>", "</STRONG>"},
    {cmd::Variable, "<VAR>", "</VAR>"},
    {cmd::DefineTerm, "<DFN>", "</DFN>"},
    {cmd::Term, "<DT>", ""},
    {cmd::Definition, "<DD>", ""},
    {cmd::Html, "<HTML>\r\n", "</HTML>"},
    {cmd::Head, "<HEAD>\r\n", "\r\n</HEAD>"},
    {cmd::Title, "<TITLE>", "</TITLE>"},
    {cmd::Blockquote, "<BLOCKQUOTE>", "</BLOCKQUOTE>"},
    {cmd::Address, "<ADDRESS>", "</ADDRESS>"},
    {cmd::Centre, "<CENTER>", "</CENTER>"},
    {cmd::Blink, "<BLINK>", "</BLINK>"},
    {cmd::NoBreak, "<NOBR>", "</NOBR>"},
    {cmd::WordBreak, "<WBR>", "</WBR>"},
    {cmd::NoFrames, "<NOFRAMES>", "</NOFRAMES>"},
};

TEST_F(FixedTagFixture, EveryCommandWrapsTheSelectionInItsExactTexts) {
    for (const Expected& row : kExpected) {
        SCOPED_TRACE(row.id);
        control.SetBytes("x");
        control.SetSel(0, 1);
        ASSERT_TRUE(router.Execute(row.id));
        EXPECT_EQ(control.Text(), std::string(row.start) + "x" + row.end);
        const long after = static_cast<long>(std::string_view(row.start).size());
        EXPECT_EQ(Sel(), std::make_pair(after, after + 1));
        EXPECT_EQ(view.LastEnd(), row.end);
    }
}

TEST(FixedTagTable, HoldsEachCommandOnceAndNothingElse) {
    std::set<int> ids;
    for (const razo::FixedTag& tag : razo::FixedTags())
        EXPECT_TRUE(ids.insert(tag.id).second) << tag.id;
    EXPECT_EQ(ids.size(), std::size(kExpected));
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
