#include "gui/app/NavigationCommands.h"

#include <QApplication>

#include "core/resources/CommandIds.h"
#include "core/view/GoToLine.h"
#include "core/view/RazoView.h"
#include "gui/app/DocumentWindow.h"
#include "gui/view/MatchingTag.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {

namespace {

using Sci = QsciScintillaBase;

// The caret to `position`, its line in the middle of the window where the page allows.
void PlaceCaretCentred(RazoEditor& editor, long position) {
    editor.SendScintilla(Sci::SCI_SETYCARETPOLICY, Sci::CARET_STRICT | Sci::CARET_EVEN, 0L);
    editor.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(position));
    // Back to the control's own policy: moves keep the caret in view without recentring.
    editor.SendScintilla(Sci::SCI_SETYCARETPOLICY, Sci::CARET_EVEN, 0L);
}

void GoToLine(DocumentWindow& window, DialogRunner& runner) {
    RazoEditor& editor = window.Editor();
    ScintillaTextControl& control = window.Control();
    PageLines page;
    page.count = editor.SendScintilla(Sci::SCI_GETLINECOUNT);
    page.length = [&editor, &control](long line) {
        const long start = control.LineIndex(line - 1);
        return control.CountCharacters(
            start, editor.SendScintilla(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line - 1)));
    };
    const long caret = editor.SendScintilla(Sci::SCI_GETCURRENTPOS);
    const auto place = OnGoToLine(page, control.LineFromChar(caret) + 1, runner);
    if (!place)
        return;
    const long start = control.LineIndex(place->line - 1);
    PlaceCaretCentred(editor, editor.SendScintilla(Sci::SCI_POSITIONRELATIVE,
                                                   static_cast<unsigned long>(start), place->column - 1));
}

void GoToMatchingTag(RazoEditor& editor) {
    const auto match = editor.matchingTag().Current();
    if (!match) {
        QApplication::beep();
        return;
    }
    // To the start of the other name, so that the command goes back from there.
    editor.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(match->matchBegin));
}

} // namespace

void RegisterNavigationCommands(DocumentWindow& window, DialogRunner& runner) {
    CommandTarget& target = window.EditTarget();
    RazoEditor& editor = window.Editor();
    target.OnCommand(cmd::GoToLine, [&window, &runner] { GoToLine(window, runner); });
    target.OnCommand(cmd::GoToMatchingTag, [&editor] { GoToMatchingTag(editor); });
    target.OnUpdate(cmd::GoToMatchingTag,
                    [&editor](CmdUI& ui) { ui.Enable(editor.matchingTag().Current().has_value()); });
}

} // namespace razo
