#include <gtest/gtest.h>

#include <set>

#include "app/CommandRouter.h"
#include "resources/CommandIds.h"
#include "support/FakeDocument.h"
#include "support/MemoryTextControl.h"
#include "view/FixedTags.h"
#include "view/RazoView.h"

using razo::CRazoView;
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
    {32774, "<B>", "</B>"},
    {32775, "<I>", "</I>"},
    {32776, "<TT>", "</TT>"},
    {32852, "<U>", "</U>"},
    {32853, "<STRIKE>", "</STRIKE>"},
    {32854, "<BIG>", "</BIG>"},
    {32855, "<SMALL>", "</SMALL>"},
    {32856, "<SUB>", "</SUB>"},
    {32857, "<SUP>", "</SUP>"},
    {32777, "<CITE>", "</CITE>"},
    {32778, "<CODE>", "</CODE>"},
    {32779, "<EM>", "</EM>"},
    {32780, "<KBD>", "</KBD>"},
    {32781, "<SAMP>", "</SAMP>"},
    {32782, "<STRONG>", "</STRONG>"},
    {32783, "<VAR>", "</VAR>"},
    {32844, "<DFN>", "</DFN>"},
    {32790, "<DT>", ""},
    {32872, "<DD>", ""},
    {32791, "<HTML>\r\n", "</HTML>"},
    {32792, "<HEAD>\r\n", "\r\n</HEAD>"},
    {32793, "<TITLE>", "</TITLE>"},
    {32804, "<BLOCKQUOTE>", "</BLOCKQUOTE>"},
    {32805, "<ADDRESS>", "</ADDRESS>"},
    {32834, "<CENTER>", "</CENTER>"},
    {32836, "<BLINK>", "</BLINK>"},
    {32832, "<NOBR>", "</NOBR>"},
    {32833, "<WBR>", "</WBR>"},
    {32934, "<NOFRAMES>", "</NOFRAMES>"},
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
    ASSERT_TRUE(router.Execute(32792));
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
    router.Execute(32774);
    ASSERT_TRUE(router.Execute(razo::cmd::RepeatTags));
    EXPECT_EQ(control.Text(), "<B><B>x</B></B>");
    EXPECT_EQ(Sel(), std::make_pair(6L, 7L));
}

} // namespace
