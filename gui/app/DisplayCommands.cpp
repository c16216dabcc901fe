#include "gui/app/DisplayCommands.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>

#include "core/resources/CommandIds.h"
#include "core/view/DisplaySettings.h"
#include "core/view/RazoView.h"
#include "gui/app/DocumentWindow.h"
#include "gui/view/QtLogFont.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {
namespace {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool IsWordWrapOn(const RazoEditor& editor) {
    return editor.wrapMode() != QsciScintilla::WrapNone;
}

// Wrapping is a property of the control: text, selection, font and undo history all stay.
void ApplyWordWrap(RazoEditor& editor, bool wrap) {
    editor.setWrapMode(wrap ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    editor.SendScintilla(QsciScintillaBase::SCI_SETHSCROLLBAR, !wrap);
    editor.ensureCursorVisible();
}

// Scintilla takes sizes in points only: a font sized in pixels would reach it as a size of -1.
QFont InPoints(QFont font, const QWidget& widget) {
    if (font.pointSizeF() <= 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / widget.logicalDpiY());
    return font;
}

void ApplyFont(RazoEditor& editor, const LogFont& font) {
    // A height of 0: no display font was chosen, and a page is shown in the system's code font.
    if (font.height == 0) {
        const QFont code = InPoints(QFontDatabase::systemFont(QFontDatabase::FixedFont), editor);
        if (editor.font() != code) {
            WaitCursor wait;
            editor.setFont(code);
        }
        return;
    }
    WaitCursor wait;
    QFont shown = ToQFont(font);
    shown.setPointSizeF(shown.pixelSize() * 72.0 / editor.logicalDpiY());
    editor.setFont(shown);
}

void ApplyTabStops(RazoEditor& editor, int dialogUnits) {
    if (const int characters = TabStopsToCharacters(dialogUnits); characters > 0)
        editor.setTabWidth(characters);
}

void ChooseDisplayFont(RazoEditor& editor, IniProfile& profile) {
    QFontDialog dialog(editor.font(), editor.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The chosen font as it is stored, so that every window shows the same font from it.
    LogFont chosen = ToLogFont(dialog.selectedFont());
    // Strike-out is not kept with the display font; leave it out here too, so every window
    // shows exactly the font that is stored.
    chosen.strikeOut = 0;
    ApplyFont(editor, chosen);
    OnDisplayFontChosen(profile, chosen);
}

void SetTabStops(RazoEditor& editor, IniProfile& profile, DialogRunner& runner) {
    if (const auto tabStops = OnSetTabStops(profile, runner)) {
        WaitCursor wait;
        ApplyTabStops(editor, *tabStops);
    }
}

void ToggleWordWrap(RazoEditor& editor, IniProfile& profile) {
    WaitCursor wait;
    ApplyWordWrap(editor, OnToggleWordWrap(profile, IsWordWrapOn(editor)));
}

// Colouring and line numbers change only how the page is shown: text, selection and undo stay.
void ToggleSyntaxColouring(RazoEditor& editor, IniProfile& profile) {
    WaitCursor wait;
    editor.setSyntaxColouring(OnToggleSyntaxColouring(profile, editor.syntaxColouring()));
}

void ToggleLineNumbers(RazoEditor& editor, IniProfile& profile) {
    editor.setLineNumbers(OnToggleLineNumbers(profile, editor.lineNumbers()));
}

} // namespace

void RegisterDisplayCommands(DocumentWindow& window, IniProfile& profile, DialogRunner& runner) {
    RazoEditor& editor = window.Editor();
    CommandTarget& target = window.View().Target();
    target.OnCommand(cmd::ChooseDisplayFont, [&editor, &profile] { ChooseDisplayFont(editor, profile); });
    target.OnCommand(cmd::ToggleWordWrap, [&editor, &profile] { ToggleWordWrap(editor, profile); });
    target.OnUpdate(cmd::ToggleWordWrap, [&editor](CmdUI& ui) { ui.SetCheck(IsWordWrapOn(editor)); });
    target.OnCommand(cmd::SetTabStops,
                     [&editor, &profile, &runner] { SetTabStops(editor, profile, runner); });
    target.OnCommand(cmd::ToggleSyntaxColouring,
                     [&editor, &profile] { ToggleSyntaxColouring(editor, profile); });
    target.OnUpdate(cmd::ToggleSyntaxColouring,
                    [&editor](CmdUI& ui) { ui.SetCheck(editor.syntaxColouring()); });
    target.OnCommand(cmd::ToggleLineNumbers, [&editor, &profile] { ToggleLineNumbers(editor, profile); });
    target.OnUpdate(cmd::ToggleLineNumbers, [&editor](CmdUI& ui) { ui.SetCheck(editor.lineNumbers()); });

    DisplaySettings& settings = ProgramDisplaySettings();
    LoadViewSettings(profile, settings);
    ApplyWordWrap(editor, settings.s_bWordWrap != 0);
    editor.setSyntaxColouring(settings.s_bSyntaxColouring != 0);
    editor.setLineNumbers(settings.s_bLineNumbers != 0);
    ApplyFont(editor, settings.s_lfDisplayFont);
    ApplyTabStops(editor, settings.s_nTabStops);
    QObject::connect(&window, &QMdiSubWindow::aboutToActivate, &editor, [&editor, &profile] {
        DisplaySettings& current = ProgramDisplaySettings();
        ReloadActivatedViewSettings(profile, current);
        ApplyFont(editor, current.s_lfDisplayFont);
        ApplyTabStops(editor, current.s_nTabStops);
    });
}

} // namespace razo
