// Edit Tag: a start tag of the page reopened in the dialog that builds it and written back by the
// same rows. The round trip runs every editable command with generated fillings: what the
// command inserts, reopened and confirmed unchanged, is the same text, and every attribute it
// wrote is one a field of the dialog takes back.
#include <gtest/gtest.h>

#include <random>

#include "core/elements/EditTag.h"
#include "core/elements/Html5Media.h"
#include "core/elements/Html5Sections.h"
#include "core/elements/Tables.h"
#include "core/markup/TagFinder.h"
#include "core/resources/CommandIds.h"
#include "core/resources/Strings.h"
#include "tests/core/ElementCommandFixture.h"
#include "tests/support/RowName.h"

namespace razo::test {
namespace {

class EditTag : public ElementCommandTest {
protected:
    // Puts `page` in the control with the caret at its "|", runs Edit Tag and answers its dialog.
    std::string Edit(const std::string& page, std::vector<Press> presses = {Press{}}) {
        const size_t caret = page.find('|');
        std::string text = page;
        text.erase(caret, 1);
        control.SetBytes(text);
        control.SetSel(long(caret), long(caret));
        prompts.notes.clear();
        runner.runs.clear();
        runner.Script(std::move(presses));
        Run(cmd::EditTag);
        return control.Text();
    }
    int OpenedDialog() const { return runner.runs.empty() ? 0 : runner.runs.back().idd; }
};

struct HandWrittenRow {
    const char* name;
    const char* page; // "|" is the caret
    std::string rewritten;
    int dialog; // the template that opened
};

class EditTagHandWritten : public EditTag, public ::testing::WithParamInterface<HandWrittenRow> {};

TEST_P(EditTagHandWritten, RewritesOnlyTheStartTag) {
    const HandWrittenRow& row = GetParam();
    EXPECT_EQ(Edit(row.page), row.rewritten);
    EXPECT_EQ(OpenedDialog(), row.dialog);
    EXPECT_EQ(prompts.notes, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditTagHandWritten,
    ::testing::Values(
        HandWrittenRow{"names in any case, every kind of quoting",
                       "<table Width='80%' align=\"right\"\r\n  BORDER cellspacing=2 |>x</table>",
                       "<TABLE WIDTH=80% ALIGN=right BORDER CELLSPACING=2>x</table>", CTableDialog::IDD},
        HandWrittenRow{"unknown attributes kept in order after the known ones",
                       "<TR class=\"a b\" ALIGN=center data-x=1 hidden|>",
                       "<TR ALIGN=center class=\"a b\" data-x=1 hidden>", CTableRowDialog::IDD},
        HandWrittenRow{"a duplicate: the first wins, the rest kept as written",
                       "<TR ALIGN=left align=right|>", "<TR ALIGN=left align=right>", CTableRowDialog::IDD},
        HandWrittenRow{"a value no list entry takes is kept as written", "<TR ALIGN=justify VALIGN=top|>",
                       "<TR VALIGN=top ALIGN=justify>", CTableRowDialog::IDD},
        HandWrittenRow{"entities and odd characters kept", "<TD ALIGN=left title=\"a&amp;b &eacute; <\"|>",
                       "<TD ALIGN=left title=\"a&amp;b &eacute; <\">", 177},
        HandWrittenRow{"the caret in the end tag edits its start tag", "<TD NOWRAP>x</T|D>",
                       "<TD NOWRAP>x</TD>", 177},
        HandWrittenRow{"the caret right after the start tag", "<TD NOWRAP>|x", "<TD NOWRAP>x", 177},
        HandWrittenRow{"a width in percent chooses the Netscape cell", "<td width=50%|>", "<TD WIDTH=50%>",
                       180},
        HandWrittenRow{"a colour chooses the Microsoft cell", "<TD BGCOLOR=\"#ff0000\" ALIGN=left|>",
                       "<TD ALIGN=left BGCOLOR=\"#ff0000\">", CTableCellMicrosoftDialog::IDD},
        HandWrittenRow{"a self-closed tag stays self-closed", "<TR ALIGN=left /|>", "<TR ALIGN=left />",
                       CTableRowDialog::IDD},
        HandWrittenRow{"what no field names goes into the other attributes, and back after the rest",
                       "<section data-x=1 id=top\r\n hidden lang=en|>",
                       "<SECTION ID=\"top\" LANG=en data-x=1 hidden>", CSectionDialog::IDD},
        HandWrittenRow{"a sandbox's tokens tick their boxes, which open enabled",
                       "<iframe src=\"a.html\" sandbox=\"allow-scripts ALLOW-FORMS\"|>",
                       "<IFRAME SRC=\"a.html\" SANDBOX=\"allow-forms allow-scripts\">",
                       CInlineFrameDialog::IDD},
        HandWrittenRow{"a sandbox token without a box is kept as written",
                       "<iframe src=a.html sandbox=\"allow-storage-access-by-user-activation\"|>",
                       "<IFRAME SRC=\"a.html\" sandbox=\"allow-storage-access-by-user-activation\">",
                       CInlineFrameDialog::IDD},
        HandWrittenRow{"audio keeps its element", "<audio controls src=a.mp3|>",
                       "<AUDIO SRC=\"a.mp3\" CONTROLS>", CMediaDialog::IDD}),
    [](const auto& info) { return RowName(info.param.name); });

TEST_F(EditTag, NotesWhatHasNoDialog) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"plain |text", strings::NoTagAtCaret},
        {"<TABLE WIDTH=|80%", strings::NoTagAtCaret},
        {"<B>b|old</B> x", strings::NoTagAtCaret},
        {"<B|>bold</B>", "<B> has no dialog to edit it in."},
        {"<X>a</|X>", "<X> has no dialog to edit it in."},
        {"x</|X>", "No start tag for </X> within reach."},
        {"<!-- a |note -->", strings::CommentHasNoDialog},
    };
    for (const auto& [page, note] : rows) {
        std::string text = page;
        text.erase(text.find('|'), 1);
        EXPECT_EQ(Edit(page), text) << page;
        EXPECT_EQ(prompts.notes, std::vector<std::string>{note}) << page;
        EXPECT_TRUE(runner.runs.empty()) << page;
    }
}

TEST_F(EditTag, CancelChangesNothingAndUndoTakesTheEditBack) {
    const std::string page = "<TABLE BORDER|>\r\n<TR><TD>x</TD></TR>\r\n</TABLE>";
    std::string before = page;
    before.erase(before.find('|'), 1);
    EXPECT_EQ(Edit(page, {Press{.cancel = true}}), before);

    const std::string edited = Edit(page, {Press{.texts = {{tables::IdWidth, "90"}}}});
    EXPECT_EQ(edited, "<TABLE WIDTH=90 BORDER>\r\n<TR><TD>x</TD></TR>\r\n</TABLE>");
    EXPECT_TRUE(document.modified);
    Run(cmd::EditUndo);
    EXPECT_EQ(control.Text(), before);
}

// An attribute of the long layout opens the dialog expanded, one of neither layout short, and
// neither changes the layout the next insertion opens in.
TEST_F(EditTag, OpensTheLayoutTheTagNeedsWithoutStoringIt) {
    Remember(false);
    EXPECT_EQ(Edit("<h3 align=center|>Title</h3>"), "<H3 ALIGN=center>Title</h3>");
    EXPECT_TRUE(runner.runs.back().openedExpanded);
    Remember(true);
    EXPECT_EQ(Edit("<H3|>Title</H3>"), "<H3>Title</H3>");
    EXPECT_FALSE(runner.runs.back().openedExpanded);
    EXPECT_EQ(Read(profile, settings::LastLayoutExpanded), 1);
}

TEST_F(EditTag, RepeatStillRepeatsTheLastInsertion) {
    Wrap(cmd::TableRow, {Press{.texts = {{tables::IdAlign, "left"}}}});
    Edit("<TR|>x", {Press{.texts = {{tables::IdAlign, "right"}}}});
    EXPECT_EQ(control.Text(), "<TR ALIGN=right>x");
    control.SetSel(long(control.Text().size()), long(control.Text().size()));
    Run(cmd::RepeatTags);
    EXPECT_EQ(control.Text(), "<TR ALIGN=right>x<TR ALIGN=left>");
}

// Values a person might type, odd ones included; a double quote is left out, since a quoted
// value that holds one no longer reads as one value.
const std::vector<std::string> kValues = {
    "",       "0",    "7", "80",    "1000", "left",  "a b",
    "x.html", "#top", "é", "&amp;", "it's", "a=b>c", std::string(300, 'w')};

Press RandomFilling(const DialogTemplate& t, std::mt19937& random) {
    Press press;
    auto pick = [&](size_t n) { return size_t(random() % n); };
    for (const ControlTemplate& c : t.controls) {
        switch (c.kind) {
        case ControlKind::Edit:
        case ControlKind::EditableCombo:
            press.texts[c.id] = kValues[pick(kValues.size())];
            break;
        case ControlKind::ListCombo:
            if (!c.entries.empty() && pick(4) != 0)
                press.texts[c.id] = c.entries[pick(c.entries.size())];
            break;
        case ControlKind::CheckBox:
            press.checks[c.id] = int(pick(2));
            break;
        case ControlKind::RadioButton:
            if (c.groupStart)
                press.radios[c.id] = int(pick(t.RadioGroupIds(c.id).size()));
            break;
        default:
            break;
        }
    }
    press.toggles = t.expandable ? int(pick(2)) : 0;
    return press;
}

TEST_F(EditTag, EveryEditableCommandRoundTripsItsTag) {
    std::mt19937 random(20261208);
    ASSERT_FALSE(TagEditorCommands().empty());
    for (const TagEditorCommand& command : TagEditorCommands()) {
        const DialogTemplate& t = command.make(services)->Dialog().Template();
        for (int round = 0; round < 30; ++round) {
            Press press = RandomFilling(t, random);
            // A refused value is emptied (or made a number, then a language) and OK pressed again,
            // until it passes.
            bool inserted = false;
            for (int attempt = 0; attempt < 20 && !inserted; ++attempt) {
                Select("", 0, 0);
                runner.runs.clear();
                prompts.messages.clear();
                Wrap(command.id, {press});
                inserted = runner.runs.front().ok;
                if (!inserted) {
                    const int refused = runner.runs.front().refusedAt.back();
                    std::string& text = press.texts[refused];
                    text = text.empty() ? "1" : text == "1" ? "en" : "";
                }
            }
            ASSERT_TRUE(inserted) << t.title;
            const std::string built = control.Text();
            SCOPED_TRACE(t.title + ": " + built);

            const auto tag = markup::TagAtCaret(built, 1);
            ASSERT_TRUE(tag);
            const auto parsed =
                markup::ParseStartTag(std::string_view(built).substr(tag->begin, tag->end - tag->begin));
            ASSERT_TRUE(parsed);
            auto editor = ChooseEditor(*parsed, services);
            ASSERT_TRUE(editor);
            TagReading reading(*parsed);
            editor->Read(reading);
            EXPECT_EQ(reading.Rest(), "") << "attributes no field took back";

            EXPECT_EQ(Edit("<|" + built.substr(1)), built);
            EXPECT_EQ(prompts.notes, std::vector<std::string>{});
        }
    }
}

} // namespace
} // namespace razo::test
