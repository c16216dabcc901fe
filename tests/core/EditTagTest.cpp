// Edit Tag: a start tag of the page reopened in the dialog that builds it and written back by the
// same rows. The round trip runs every editable command with generated fillings: what the
// command inserts, reopened and confirmed unchanged, is the same text, and every attribute it
// wrote is one a field of the dialog takes back.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "core/dialogs/Colours.h"
#include "core/elements/Applets.h"
#include "core/elements/Body.h"
#include "core/elements/EditTag.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Fonts.h"
#include "core/elements/Forms.h"
#include "core/elements/Frames.h"
#include "core/elements/Html5Media.h"
#include "core/elements/Html5Sections.h"
#include "core/elements/ImageMaps.h"
#include "core/elements/Images.h"
#include "core/elements/Links.h"
#include "core/elements/Lists.h"
#include "core/elements/SoundMarquee.h"
#include "core/elements/Tables.h"
#include "core/markup/TagFinder.h"
#include "core/resources/CommandIds.h"
#include "core/resources/Strings.h"
#include "core/settings/SettingsKeys.h"
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
        HandWrittenRow{"a name alone is an anchor, not a link without its URL", "<a name=top|>Top</a>",
                       "<A NAME=\"top\">Top</a>", CAnchorDialog::IDD},
        HandWrittenRow{"a target chooses the Netscape link", "<A target=_top HREF=x.html|>",
                       "<A HREF=\"x.html\" TARGET=\"_top\">", CHypertextLinkNetscapeDialog::IDD},
        HandWrittenRow{"the head's link line", "<link rel=StyleSheet href=s.css|>",
                       "<LINK HREF=\"s.css\" REL=StyleSheet>", CHypertextLinkDialog::IDD},
        HandWrittenRow{"a source left alone is not made relative", "<IMG SRC=\"/home/site/a.gif\"|>",
                       "<IMG SRC=\"/home/site/a.gif\">", CInlineImageDialog::IDD},
        HandWrittenRow{"an alignment only Netscape lists", "<img align=absmiddle src=a.gif|>",
                       "<IMG SRC=\"a.gif\" ALIGN=absmiddle>", CInlineImageNetscapeDialog::IDD},
        HandWrittenRow{"an infinite loop ticks its box", "<IMG SRC=a.gif LOOP=INFINITE DYNSRC=c.avi|>",
                       "<IMG SRC=\"a.gif\" DYNSRC=\"c.avi\" LOOP=infinite>",
                       CInlineImageMicrosoftDialog::IDD},
        HandWrittenRow{"a width in percent no image field takes is kept",
                       "<IMG SRC=a.gif WIDTH=50% HEIGHT=9|>", "<IMG SRC=\"a.gif\" HEIGHT=9 WIDTH=50%>",
                       CInlineImageDialog::IDD},
        HandWrittenRow{"colours by number and by name", "<body text=Navy bgcolor='#ffffff'|>",
                       "<BODY BGCOLOR=\"#ffffff\" TEXT=navy>", CBodyDialog::IDD},
        HandWrittenRow{"a colour name only the long list has", "<BODY LINK=peachpuff|>",
                       "<BODY LINK=peachpuff>", CBodyNetscapeDialog::IDD},
        HandWrittenRow{"a watermark", "<BODY BGPROPERTIES=fixed BACKGROUND=w.gif|>",
                       "<BODY BACKGROUND=\"w.gif\" BGPROPERTIES=FIXED>", CBodyMicrosoftDialog::IDD},
        HandWrittenRow{"one frame of a frameset", "<FRAMESET COLS=\"50%,*\">\r\n<frame noresize src=a.html|>",
                       "<FRAMESET COLS=\"50%,*\">\r\n<FRAME SRC=\"a.html\" NORESIZE>", CFrameDialog::IDD},
        HandWrittenRow{"one area of a map",
                       "<MAP NAME=\"m\">\r\n<area coords=1,2,3 shape=circle target=_top|>",
                       "<MAP NAME=\"m\">\r\n<AREA SHAPE=\"circle\" COORDS=\"1,2,3\" TARGET=\"_top\">",
                       CAreaNetscapeDialog::IDD},
        HandWrittenRow{"an item's type from the bullet list", "<li type=SQUARE|>x", "<LI TYPE=square>x",
                       CListItemDialog::IDD},
        HandWrittenRow{"an item's type from the number list, letter case kept", "<LI Type=I value=3|>",
                       "<LI TYPE=I VALUE=3>", CListItemDialog::IDD},
        HandWrittenRow{"an item's type neither list has is kept", "<LI TYPE=x VALUE=2|>",
                       "<LI VALUE=2 TYPE=x>", CListItemDialog::IDD},
        HandWrittenRow{"a menu list stays a menu list", "<menu compact|>\r\n</menu>",
                       "<MENU COMPACT>\r\n</menu>", CDirectoryMenuDialog::IDD},
        HandWrittenRow{"a checkbox opens with its name and check enabled",
                       "<input type=checkbox name=milk checked|>",
                       "<INPUT TYPE=checkbox NAME=\"milk\" CHECKED>", CFormInputDialog::IDD},
        HandWrittenRow{"a field the input type has no use for is kept as written",
                       "<INPUT TYPE=submit NAME=go VALUE=Send|>",
                       "<INPUT TYPE=submit VALUE=\"Send\" NAME=go>", CFormInputDialog::IDD},
        HandWrittenRow{"a form's URL stays as written, its method in any case",
                       "<FORM method=POST action=/home/site/cgi/a.pl|>",
                       "<FORM METHOD=post ACTION=\"/home/site/cgi/a.pl\">", CFormDialog::IDD},
        HandWrittenRow{"a target chooses the Netscape form", "<FORM ACTION=q TARGET=_top|>",
                       "<FORM ACTION=\"q\" TARGET=\"_top\">", CFormNetscapeDialog::IDD},
        HandWrittenRow{"a colour name only the longer list has chooses the Netscape font",
                       "<font color=Orange size=+2|>x</font>", "<FONT SIZE=\"+2\" COLOR=orange>x</font>",
                       CFontNetscapeDialog::IDD},
        HandWrittenRow{"a colour by number, a size without a sign", "<FONT COLOR=#00ff00 SIZE=3|>",
                       "<FONT SIZE=3 COLOR=\"#00ff00\">", CFontSizeDialog::IDD},
        HandWrittenRow{"faces choose the Microsoft font", "<FONT FACE=\"Arial,Impact\" SIZE=-1|>",
                       "<FONT SIZE=\"-1\" FACE=\"Arial,Impact\">", CFontMicrosoftDialog::IDD},
        HandWrittenRow{"an applet's parameter is a tag of its own",
                       "<APPLET CODE=a.class>\r\n<PARAM value=1 name=n|>",
                       "<APPLET CODE=a.class>\r\n<PARAM NAME=\"n\" VALUE=\"1\">", CAppletParamDialog::IDD},
        HandWrittenRow{"LOOP=infinite ticks the box, a width in percent its box",
                       "<marquee loop=INFINITE width=50%|>x</marquee>",
                       "<MARQUEE WIDTH=50% LOOP=infinite>x</marquee>", CMarqueeDialog::IDD},
        HandWrittenRow{"a loop no field holds is kept", "<BGSOUND LOOP=-1 SRC=a.wav|>",
                       "<BGSOUND SRC=\"a.wav\" LOOP=-1>", CBackgroundSoundDialog::IDD},
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
        HandWrittenRow{"a video whose files are in its sources", "<video controls id=v|>",
                       "<VIDEO CONTROLS ID=\"v\">", CMediaDialog::IDD},
        HandWrittenRow{"a picture, whose image is a tag of its own", "<picture class=hero|>",
                       "<PICTURE CLASS=\"hero\">", CPictureDialog::IDD},
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

// The samples show the colours read from the tag, by name and by number, as the dialog opens.
TEST_F(EditTag, PaintsTheColoursReadFromTheTag) {
    Edit("<BODY BGCOLOR=navy TEXT=\"#FF0000\"|>", {Press{.cancel = true}});
    const auto& swatches = runner.runs.back().swatches;
    ASSERT_TRUE(swatches.count(body::IdTextSample));
    EXPECT_EQ(swatches.at(body::IdBackgroundSample).m_crBack, MakeRgb(0, 0, 0x80));
    EXPECT_EQ(swatches.at(body::IdTextSample).m_crBack, MakeRgb(0, 0, 0x80));
    EXPECT_EQ(swatches.at(body::IdTextSample).m_crText, MakeRgb(0xFF, 0, 0));
}

// A class file left as the page has it is neither remembered nor made relative; one typed anew
// goes into the Java classes, not the URLs.
TEST_F(EditTag, AClassFileTypedAnewIsRememberedWithTheJavaClasses) {
    const std::string page = "<APPLET CODE=/home/site/Old.class WIDTH=10|>";
    EXPECT_EQ(Edit(page), "<APPLET CODE=\"/home/site/Old.class\" WIDTH=10>");
    EXPECT_TRUE(History(settings::JavaClassHistorySection).empty());

    EXPECT_EQ(Edit(page, {Press{.texts = {{applets::IdClassFile, "/home/site/lib/New.class"}}}}),
              "<APPLET CODE=\"lib/New.class\" WIDTH=10>");
    EXPECT_EQ(History(settings::JavaClassHistorySection),
              std::vector<std::string>{"/home/site/lib/New.class"});
    EXPECT_TRUE(History(settings::UrlHistorySection).empty());
}

// The sample beside a colour read from the page shows that colour when the dialog opens.
TEST_F(EditTag, ColoursReadFromThePageShowInTheirSamples) {
    Edit("<FONT COLOR=red|>");
    EXPECT_EQ(runner.runs.back().swatches.at(fonts::IdColourSample).m_crText, LookupNamedColour("red"));
    Edit("<MARQUEE BGCOLOR=\"#123456\"|>");
    EXPECT_EQ(runner.runs.back().swatches.at(media::IdColourSample).m_crBack, MakeRgb(0x12, 0x34, 0x56));
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
            // A refused value is emptied (or made a number, then a language, or a list's first
            // entry) and OK pressed again, until it passes.
            bool inserted = false;
            for (int attempt = 0; attempt < 20 && !inserted; ++attempt) {
                Select("", 0, 0);
                runner.runs.clear();
                prompts.messages.clear();
                Wrap(command.id, {press});
                inserted = runner.runs.front().ok;
                if (!inserted) {
                    const int refused = runner.runs.front().refusedAt.back();
                    const ControlTemplate* list = t.Find(refused);
                    std::string& text = press.texts[refused];
                    if (list && list->kind == ControlKind::ListCombo && !list->entries.empty())
                        text = list->entries.front();
                    else
                        text = text.empty() ? "1" : text == "1" ? "en" : "";
                    // A value refused for another field's sake (a meter's value outside its range)
                    // passes once the other fields are empty.
                    if (attempt == 10)
                        for (auto& [id, value] : press.texts)
                            if (id != refused && t.Find(id)->kind != ControlKind::ListCombo)
                                value.clear();
                }
            }
            ASSERT_TRUE(inserted) << t.title;
            const std::string built = control.Text();
            if (built.empty())
                continue; // a style with no language inserts nothing
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
            ASSERT_FALSE(runner.runs.empty());
            EXPECT_TRUE(runner.runs.back().ok) << "the dialog refused what it wrote";
        }
    }
}

} // namespace
} // namespace razo::test

namespace razo::test {
namespace {

// Lists the dialog commands whose dialog cannot reopen a tag of the page.
class NotEditableCollector : public ElementRegistry {
public:
    void DialogCommand(int id, RegisteredDialog dialog, Handler) override {
        titles[id] = dialog.dialogTemplate->title;
    }
    void SubDialog(RegisteredDialog) override {}
    void EditableCommand(int id, EditableFactory) override { titles.erase(id); }
    std::map<int, std::string> titles;
};

// Every element dialog reopens the tags it writes, except those that write no start tag.
TEST(EditTagCoverage, EveryElementDialogButCommentAndDocumentTypeEditsItsTag) {
    NotEditableCollector collector;
    RegisterElementFamilies(collector);
    const std::map<int, std::string> expected = {{cmd::Comment, "Comment (HTML 2)"},
                                                 {cmd::DocumentType, "Document Type Specification"}};
    EXPECT_EQ(collector.titles, expected);
}

} // namespace
} // namespace razo::test
