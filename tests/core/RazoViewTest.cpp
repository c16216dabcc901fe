#include <gtest/gtest.h>

#include "core/app/CommandRouter.h"
#include "core/resources/CommandIds.h"
#include "core/view/RazoView.h"
#include "tests/support/FakeDocument.h"
#include "tests/support/MemoryTextControl.h"

using razo::CRazoView;
using razo::test::FakeDocument;
using razo::test::MemoryTextControl;
namespace cmd = razo::cmd;

namespace {

struct ViewFixture : ::testing::Test {
    MemoryTextControl control;
    FakeDocument document;
    CRazoView view{control, document};
    razo::CommandRouter router;

    void SetUp() override { router.SetRoute({&view.Target()}); }
    void Load(std::string text) { control.SetBytes(text); }
    std::pair<long, long> Sel() const {
        long s = 0, e = 0;
        control.GetSel(s, e);
        return {s, e};
    }
    bool Enabled(int id) const { return router.QueryState(id).enabled; }
    std::string LnCol() const { return router.QueryState(cmd::IndicatorLnCol).text.value_or("<none>"); }
};

struct InsertCase {
    const char* name;
    const char* text;
    long selStart, selEnd;
    const char* start;
    const char* end;
    bool atTop;
    const char* expected;
    long expStart, expEnd;   // selection after the insertion
    long undoStart, undoEnd; // selection after Undo removed the pair
};

const InsertCase kInsertCases[] = {
    {"WrapsSelection", "0123456789abc rest", 10, 13, "<B>", "</B>", false, "0123456789<B>abc</B> rest", 13,
     16, 10, 13},
    {"EmptySelectionLeavesCaretBetween", "0123456789", 5, 5, "<P>", "</P>", false, "01234<P></P>56789", 8, 8,
     5, 5},
    {"EmptyEndTextMovesSelection", "xx abc", 3, 6, "<DT>", "", false, "xx <DT>abc", 7, 10, 3, 6},
    {"AtTopIgnoresSelection", "hello", 2, 4, "<!DOCTYPE x>\r\n", "", true, "<!DOCTYPE x>\r\nhello", 14, 14, 0,
     0},
    {"AtTopWithEndText", "hello", 5, 5, "<A>", "</A>", true, "<A></A>hello", 3, 3, 0, 0},
    {"BothTextsEmpty", "hello", 1, 3, "", "", false, "hello", 1, 3, 1, 3},
    {"LineBreaksGoInAsGiven", "T", 0, 1, "<HEAD>\r\n", "\r\n</HEAD>", false, "<HEAD>\r\nT\r\n</HEAD>", 8, 9,
     0, 1},
};

class InsertTable : public ViewFixture, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(InsertTable, InsertsThenUndoRemovesThePairOnce) {
    const InsertCase& c = GetParam();
    Load(c.text);
    view.OnInitialUpdate(false);
    control.SetSel(c.selStart, c.selEnd);

    view.InsertTagPair(c.start, c.end, c.atTop);
    EXPECT_EQ(control.Text(), c.expected);
    EXPECT_EQ(Sel(), std::make_pair(c.expStart, c.expEnd));
    EXPECT_FALSE(control.GetModify());
    EXPECT_FALSE(control.CanUndo()) << "the insertion must not be undoable by the control";
    EXPECT_TRUE(document.modified);
    EXPECT_TRUE(Enabled(cmd::EditUndo));
    EXPECT_EQ(Enabled(cmd::RepeatTags), *c.start != '\0' || *c.end != '\0');

    document.modified = false;
    EXPECT_TRUE(router.Execute(cmd::EditUndo));
    EXPECT_EQ(control.Text(), c.text);
    EXPECT_EQ(Sel(), std::make_pair(c.undoStart, c.undoEnd));
    EXPECT_TRUE(document.modified);
    EXPECT_FALSE(Enabled(cmd::EditUndo)) << "one insertion can be undone once";
    EXPECT_FALSE(router.Execute(cmd::EditUndo));
    EXPECT_EQ(control.Text(), c.text);
    EXPECT_EQ(view.LastStart(), c.start) << "Repeat still offers the pair";
}

INSTANTIATE_TEST_SUITE_P(Engine, InsertTable, ::testing::ValuesIn(kInsertCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Markup takes the page's own line ending, found at its first line break (CR LF when it has
// none); Repeat puts in the same again and the view's Undo takes out exactly the repeated pair.
TEST_F(ViewFixture, MarkupFollowsThePageLineEnding) {
    struct Row {
        const char* name;
        std::string page;
        std::string expected, repeated;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"LF", "a\nX", "a\n<UL>\nX</UL>\n", "a\n<UL>\n<UL>\nX</UL>\n</UL>\n"},
             {"CR LF", "a\r\nX", "a\r\n<UL>\r\nX</UL>\r\n", "a\r\n<UL>\r\n<UL>\r\nX</UL>\r\n</UL>\r\n"},
             {"CR", "a\rX", "a\r<UL>\rX</UL>\r", "a\r<UL>\r<UL>\rX</UL>\r</UL>\r"},
             {"none", "aX", "a<UL>\r\nX</UL>\r\n", "a<UL>\r\n<UL>\r\nX</UL>\r\n</UL>\r\n"},
             {"first break decides", "a\nb\r\nX", "a\nb\r\n<UL>\nX</UL>\n",
              "a\nb\r\n<UL>\n<UL>\nX</UL>\n</UL>\n"},
         }) {
        SCOPED_TRACE(row.name);
        Load(row.page);
        view.OnInitialUpdate(false);
        const long x = static_cast<long>(row.page.size()) - 1;
        control.SetSel(x, x + 1);
        view.InsertTagPair("<UL>\r\n", "</UL>\r\n", false);
        EXPECT_EQ(control.Text(), row.expected);
        ASSERT_TRUE(router.Execute(cmd::RepeatTags));
        EXPECT_EQ(control.Text(), row.repeated);
        ASSERT_TRUE(router.Execute(cmd::EditUndo));
        EXPECT_EQ(control.Text(), row.expected);
    }
}

// A control that holds an 8-bit document: every two-byte UTF-8 sequence takes one offset.
class EightBitControl : public MemoryTextControl {
public:
    using MemoryTextControl::MemoryTextControl;
    long ReplaceSel(std::string_view text, bool canUndo) override {
        std::string narrow;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto b = static_cast<unsigned char>(text[i]);
            if ((b & 0xE0) == 0xC0 && i + 1 < text.size()) {
                narrow += static_cast<char>(((b & 0x1F) << 6) | (text[++i] & 0x3F));
            } else {
                narrow += text[i];
            }
        }
        return MemoryTextControl::ReplaceSel(narrow, canUndo);
    }
};

TEST(EngineMeasuring, UsesTheOffsetsTheControlReportsNotTheUtf8Length) {
    EightBitControl control("abc");
    FakeDocument document;
    CRazoView view(control, document);
    control.SetSel(0, 3);
    view.InsertTagPair("<\xC3\x89>", "</\xC3\x89>", false);
    EXPECT_EQ(control.Text(), "<\xC9>abc</\xC9>");
    long s = 0, e = 0;
    control.GetSel(s, e);
    EXPECT_EQ(s, 3);
    EXPECT_EQ(e, 6);
    view.OnEditUndo();
    EXPECT_EQ(control.Text(), "abc");
}

TEST_F(ViewFixture, InitialUpdateProtectsTheTextFromUndo) {
    Load("opened file");
    view.OnInitialUpdate(false);
    EXPECT_FALSE(Enabled(cmd::EditUndo));
    EXPECT_FALSE(Enabled(cmd::RepeatTags));
}

TEST_F(ViewFixture, NewDocumentRunsStandardTagsThenProtectsThem) {
    view.Target().OnCommand(cmd::InsertStandardTags,
                            [&] { view.InsertTagPair("<HTML>\r\n", "</HTML>", false); });
    view.OnInitialUpdate(true);
    EXPECT_EQ(control.Text(), "<HTML>\r\n</HTML>");
    EXPECT_TRUE(control.GetModify());
    EXPECT_FALSE(Enabled(cmd::EditUndo));
    EXPECT_TRUE(Enabled(cmd::RepeatTags));
}

TEST_F(ViewFixture, OpenedDocumentDoesNotRunStandardTags) {
    bool ran = false;
    view.Target().OnCommand(cmd::InsertStandardTags, [&] { ran = true; });
    view.OnInitialUpdate(false);
    EXPECT_FALSE(ran);
}

TEST_F(ViewFixture, TypingAfterInsertionTakesOverUndo) {
    Load("abc");
    control.SetSel(0, 3);
    view.InsertTagPair("<B>", "</B>", false);
    control.Type("x");
    EXPECT_TRUE(router.Execute(cmd::EditUndo));
    EXPECT_EQ(control.Text(), "<B>abc</B>") << "the control's own undo removes the typing";
    EXPECT_TRUE(router.Execute(cmd::EditUndo));
    EXPECT_EQ(control.Text(), "<B>x</B>") << "a second Undo redoes; the pair stays";
}

TEST_F(ViewFixture, SaveAfterInsertionDisablesUndo) {
    Load("abc");
    control.SetSel(0, 3);
    view.InsertTagPair("<B>", "</B>", false);
    control.SetModify(true); // what a save does
    EXPECT_FALSE(Enabled(cmd::EditUndo));
    EXPECT_FALSE(router.Execute(cmd::EditUndo));
    view.OnEditUndo(); // even when called directly the stale offsets are not used
    EXPECT_EQ(control.Text(), "<B>abc</B>");
}

TEST_F(ViewFixture, RepeatAfterAtTopWrapsTheCurrentSelection) {
    Load("one two");
    view.InsertTagPair("<X>", "", true);
    control.SetSel(7, 10);
    EXPECT_TRUE(router.Execute(cmd::RepeatTags));
    EXPECT_EQ(control.Text(), "<X>one <X>two");
    EXPECT_EQ(Sel(), std::make_pair(10L, 13L));
}

TEST_F(ViewFixture, RepeatedPairIsTheOneUndoRemoves) {
    Load("a b");
    control.SetSel(0, 1);
    view.InsertTagPair("<I>", "</I>", false);
    control.SetSel(9, 10);
    view.OnRepeatTags();
    EXPECT_EQ(control.Text(), "<I>a</I> <I>b</I>");
    router.Execute(cmd::EditUndo);
    EXPECT_EQ(control.Text(), "<I>a</I> b");
}

// Ln/Col over "ab\r\n\tcd\r\nef": line 2 starts at 4 with a tab.
struct LnColStep {
    long selStart, selEnd;
    std::optional<long> knownCaret;
    const char* expected;
};

struct LnColCase {
    const char* name;
    std::vector<LnColStep> steps;
};

void PrintTo(const LnColCase& c, std::ostream* os) {
    *os << c.name;
}
void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.name;
}

class LnColTable : public ViewFixture, public ::testing::WithParamInterface<LnColCase> {};

TEST_P(LnColTable, ShowsTheCaretsLineAndColumn) {
    Load("ab\r\n\tcd\r\nef");
    int step = 0;
    for (const LnColStep& s : GetParam().steps) {
        control.SetSel(s.selStart, s.selEnd);
        control.SetKnownCaret(s.knownCaret);
        EXPECT_EQ(LnCol(), s.expected) << "step " << step++;
    }
}

const LnColCase kLnColCases[] = {
    {"CaretBeforeFirstCharacter", {{0, 0, 0, "Ln 1, Col 1"}, {0, 0, std::nullopt, "Ln 1, Col 1"}}},
    {"TabCountsAsOneColumn", {{5, 5, 5, "Ln 2, Col 2"}, {7, 7, 7, "Ln 2, Col 4"}}},
    {"LastLine", {{11, 11, 11, "Ln 3, Col 3"}}},
    {"KnownCaretOfRightToLeftSelection", {{9, 9, 9, "Ln 3, Col 1"}, {5, 7, 5, "Ln 2, Col 2"}}},
    {"InferenceTakesEndWhenBothMoved",
     {{9, 9, std::nullopt, "Ln 3, Col 1"}, {5, 7, std::nullopt, "Ln 2, Col 4"}}},
    {"InferenceFollowsShiftLeft",
     {{7, 7, std::nullopt, "Ln 2, Col 4"},
      {6, 7, std::nullopt, "Ln 2, Col 3"},
      {5, 7, std::nullopt, "Ln 2, Col 2"},
      {5, 7, std::nullopt, "Ln 2, Col 2"}}},
    {"InferenceFollowsShiftRight",
     {{5, 5, std::nullopt, "Ln 2, Col 2"}, {5, 6, std::nullopt, "Ln 2, Col 3"}}},
    {"InferenceSelectionBeforeTheOldOne",
     {{10, 10, std::nullopt, "Ln 3, Col 2"},
      {4, 6, std::nullopt, "Ln 2, Col 3"},
      {1, 4, std::nullopt, "Ln 1, Col 2"}}},
};

INSTANTIATE_TEST_SUITE_P(Indicator, LnColTable, ::testing::ValuesIn(kLnColCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Counts UTF-8 characters, like a control holding a UTF-8 document.
class Utf8CountingControl : public MemoryTextControl {
public:
    using MemoryTextControl::MemoryTextControl;
    long CountCharacters(long from, long to) const override {
        long n = 0;
        for (long i = from; i < to; ++i)
            n += (static_cast<unsigned char>(Text()[i]) & 0xC0) != 0x80;
        return n;
    }
};

TEST(LnColCounting, ColumnCountsCharactersNotOffsets) {
    Utf8CountingControl control("x\r\n\xC3\xA9\xC3\xA9z");
    FakeDocument document;
    CRazoView view(control, document);
    control.SetSel(8, 8);
    control.SetKnownCaret(8);
    int line = 0, column = 0;
    view.GetCaretLineCol(line, column);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(column, 4);
}

} // namespace
