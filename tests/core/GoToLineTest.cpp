// Go to Line: what the dialog takes and what it refuses, on a page of three lines of 5, 0 and 12
// characters.
#include <gtest/gtest.h>

#include "core/view/GoToLine.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/RowName.h"
#include "tests/support/ScriptedDialogRunner.h"

namespace razo {
namespace {

using test::FakeUserPrompts;
using test::Press;
using test::ScriptedDialogRunner;

PageLines ThreeLines() {
    return {3, [](long line) { return line == 1 ? 5L : line == 2 ? 0L : 12L; }};
}

struct GoRow {
    const char* name;
    const char* line;
    const char* column;
    long wantLine;   // 0: refused
    long wantColumn; // refused: the field the user is sent back to (1 line, 2 column)
    const char* message;
};

class GoToLineRows : public ::testing::TestWithParam<GoRow> {};

TEST_P(GoToLineRows, TakesOrRefuses) {
    const GoRow& row = GetParam();
    FakeUserPrompts prompts;
    ScriptedDialogRunner runner(prompts);
    runner.Script({Press{{{CGoToLineDialog::IdLine, row.line}, {CGoToLineDialog::IdColumn, row.column}}},
                   Press{.cancel = true}});
    const PageLines page = ThreeLines();
    const auto place = OnGoToLine(page, 2, runner);
    ASSERT_EQ(runner.runs.size(), 1u);
    if (row.wantLine > 0) {
        EXPECT_EQ(place, (LinePlace{row.wantLine, row.wantColumn}));
        EXPECT_TRUE(prompts.messages.empty());
        return;
    }
    EXPECT_FALSE(place);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, row.message);
    const int field = row.wantColumn == 1 ? CGoToLineDialog::IdLine : CGoToLineDialog::IdColumn;
    EXPECT_EQ(runner.runs[0].refusedAt, std::vector<int>{field});
}

INSTANTIATE_TEST_SUITE_P(
    Page, GoToLineRows,
    ::testing::Values(
        GoRow{"first line, no column", "1", "", 1, 1, ""},
        GoRow{"last line, after its end", "3", "13", 3, 13, ""},
        GoRow{"empty line, its one column", " 2 ", "1", 2, 1, ""},
        GoRow{"line 0", "0", "", 0, 1, "Line 0 is not on this page. Enter a line from 1 to 3."},
        GoRow{"line past the end", "4", "", 0, 1, "Line 4 is not on this page. Enter a line from 1 to 3."},
        GoRow{"negative line", "-2", "", 0, 1, "Line -2 is not on this page. Enter a line from 1 to 3."},
        GoRow{"letters for a line", "ten", "", 0, 1, "Please enter a whole number."},
        GoRow{"column past the end", "1", "7", 0, 2,
              "Column 7 is not on line 1. Enter a column from 1 to 6."},
        GoRow{"column 0", "3", "0", 0, 2, "Column 0 is not on line 3. Enter a column from 1 to 13."},
        GoRow{"column on an empty line", "2", "2", 0, 2,
              "Column 2 is not on line 2. Enter a column from 1 to 1."},
        GoRow{"letters for a column", "1", "x", 0, 2, "Please enter a whole number."}),
    [](const auto& info) { return test::RowName(info.param.name); });

TEST(GoToLine, OpensOnTheCaretsLineWithNoColumn) {
    FakeUserPrompts prompts;
    ScriptedDialogRunner runner(prompts);
    runner.Script({Press{}});
    EXPECT_EQ(OnGoToLine(ThreeLines(), 2, runner), (LinePlace{2, 1}));
}

} // namespace
} // namespace razo
