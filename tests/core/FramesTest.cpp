#include "core/elements/Frames.h"
#include "core/dialogs/DataExchange.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::frames;

namespace {

class FramesTest : public ElementCommandTest {
protected:
    FramesTest() : ElementCommandTest("/web/site/index.html") {}
};

// One press of the size sub-dialog: a value and the index of a size type.
Press Size(std::string value, int type) {
    return {.texts = {{IdValue, std::move(value)}}, .radios = {{IdPercentage, type}}};
}

constexpr int Percentage = CAddFrameSizeDialog::Percentage, Relative = CAddFrameSizeDialog::Relative,
              Absolute = CAddFrameSizeDialog::Absolute, Remaining = CAddFrameSizeDialog::Remaining;

} // namespace

TEST_F(FramesTest, BuildTheDocumentedTexts) {
    const std::vector<ScriptRow> rows = {
        {"bare frameset", cmd::Frameset, {{}}, "<FRAMESET>\r\nIntro</FRAMESET>"},
        {"typed lists, not checked",
         cmd::Frameset,
         {{.texts = {{IdRows, "25%,*"}, {IdColumns, "a b"}}}},
         "<FRAMESET ROWS=\"25%,*\" COLS=\"a b\">\r\nIntro</FRAMESET>"},
        {"percentage then remaining space",
         cmd::Frameset,
         {{.actions = {Click(IdAddRow), Click(IdAddRow)}}, Size("30", Percentage), Size("", Remaining)},
         "<FRAMESET ROWS=\"30%,*\">\r\nIntro</FRAMESET>"},
        {"typed text stays in front of an added entry",
         cmd::Frameset,
         {{.actions = {Type(IdRows, "abc"), Click(IdAddRow)}}, Size("2", Relative)},
         "<FRAMESET ROWS=\"abc,2*\">\r\nIntro</FRAMESET>"},
        {"columns apart from rows",
         cmd::Frameset,
         {{.actions = {Click(IdAddColumn), Click(IdAddRow), Click(IdAddColumn)}},
          Size("120", Absolute),
          Size("0", Relative),
          Size("9", Remaining)},
         "<FRAMESET ROWS=\"0*\" COLS=\"120,*\">\r\nIntro</FRAMESET>"},
        {"cancelled size adds nothing",
         cmd::Frameset,
         {{.texts = {{IdColumns, "50%"}}, .actions = {Click(IdAddColumn)}}, {.cancel = true}},
         "<FRAMESET COLS=\"50%\">\r\nIntro</FRAMESET>"},
        {"bare frame", cmd::Frame, {{}}, "<FRAME>\r\nIntro"},
        {"frame with every field",
         cmd::Frame,
         {{.texts = {{IdName, "main"},
                     {IdSource, "/web/site/main.html"},
                     {IdScrolling, "auto"},
                     {IdMarginHeight, "5"},
                     {IdMarginWidth, "010"}},
           .checks = {{IdNoResize, 1}}}},
         "<FRAME SRC=\"main.html\" NAME=\"main\" MARGINWIDTH=10 MARGINHEIGHT=5 SCROLLING=\"auto\" "
         "NORESIZE>\r\nIntro"},
    };
    ExpectScripts(rows);
}

TEST_F(FramesTest, SizeEntriesAndTheirChecks) {
    struct Row {
        const char* name;
        Press press;
        std::string entry;   // when accepted
        std::string message; // when refused
        int field;
    };
    const std::vector<Row> rows = {
        {"percentage 0", Size("0", Percentage), "0%", "", 0},
        {"percentage 100", Size("100", Percentage), "100%", "", 0},
        {"relative 0", Size("0", Relative), "0*", "", 0},
        {"absolute 120", Size("120", Absolute), "120", "", 0},
        {"remaining needs no value", Size("", Remaining), "*", "", 0},
        {"remaining ignores the value", Size("40", Remaining), "*", "", 0},
        {"percentage 101", Size("101", Percentage), "", messages::PercentageRange, IdValue},
        {"percentage empty", Size("", Percentage), "", messages::PercentageRange, IdValue},
        {"relative empty", Size("", Relative), "", messages::NotNegative, IdValue},
        {"absolute empty", Size("", Absolute), "", messages::NotNegative, IdValue},
        {"no type", {.texts = {{IdValue, "5"}}}, "", messages::MustSelectType, IdPercentage},
        {"negative", Size("-1", Absolute), "", messages::CanOnlyEnterNumerals, IdValue},
        {"not a number", Size("1O", Percentage), "", messages::NotWholeNumber, IdValue},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Reset();
        CAddFrameSizeDialog dialog;
        const bool accepted = row.message.empty();
        // A refused press is followed by Cancel.
        runner.Script(accepted ? std::vector<Press>{row.press}
                               : std::vector<Press>{row.press, {.cancel = true}});
        EXPECT_EQ(runner.RunModal(dialog), accepted);
        EXPECT_EQ(runner.PressesLeft(), 0u);
        if (accepted) {
            EXPECT_EQ(dialog.Entry(), row.entry);
            continue;
        }
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{row.message});
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(runner.runs.back().refusedAt, std::vector<int>{row.field});
    }
}

TEST_F(FramesTest, RefusedSizeKeepsTheSubDialogOpenUntilCorrected) {
    EXPECT_EQ(Wrap(cmd::Frameset,
                   {{.actions = {Click(IdAddRow)}}, Size("101", Percentage), Size("100", Percentage)}),
              "<FRAMESET ROWS=\"100%\">\r\nIntro</FRAMESET>");
    ASSERT_EQ(runner.runs.size(), 2u);
    EXPECT_EQ(runner.runs[1].idd, CAddFrameSizeDialog::IDD);
    EXPECT_EQ(runner.runs[1].refusedAt, std::vector<int>{IdValue});
}
