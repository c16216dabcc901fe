#include "gui/dialogs/QtDialogRunner.h"

#include <QApplication>

#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogSession.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/WidgetFieldAccess.h"
#include "gui/help/HelpPages.h"

namespace razo {

QtDialogRunner::QtDialogRunner(IniProfile& profile, UserPrompts& prompts, HelpHandler help, QWidget* parent)
    : m_profile(profile), m_prompts(prompts), m_help(std::move(help)), m_parent(parent) {}

bool QtDialogRunner::RunModal(CDialog& dialog) {
    DialogWindow window(dialog.Template(), m_parent ? m_parent : QApplication::activeWindow());
    // Modal to its own window only, so that a help window without a parent stays usable beside it.
    if (window.parentWidget())
        window.setWindowModality(Qt::WindowModal);
    WidgetFieldAccess fields(window);
    // Sub-dialogs that the dialog's own buttons open are modal to this window and centred on it.
    QtDialogRunner subDialogs(m_profile, m_prompts, m_help, &window);
    subDialogs.onShow = [this](DialogWindow& shown) {
        if (onShow)
            onShow(shown);
    };
    DialogSession session(dialog, fields, m_prompts, m_profile, subDialogs, window);

    QObject::connect(&window, &DialogWindow::notified, &window, [&](int id) {
        switch (id) {
        case IdOk:
            if (session.PressOk())
                window.accept();
            else
                window.FocusAndSelect(session.ReturnControl());
            return;
        case IdCancel:
            window.reject();
            return;
        case IdHelp:
            if (m_help)
                m_help(dialog.Template().HelpContext());
            return;
        default:
            session.OnControl(id);
        }
    });
    session.Open();
    RememberDialogTemplate(dialog.Template());
    if (!dialog.Expandable())
        window.FitToContents();
    window.FocusFirstField();
    if (onShow)
        onShow(window);
    const bool accepted = window.exec() == QDialog::Accepted;
    // The keyboard goes back to where it came from: the window under the dialog is active again
    // with its own focus (the page, or the button that opened a sub-dialog).
    if (QWidget* owner = window.parentWidget(); owner && !owner->window()->isActiveWindow())
        owner->window()->activateWindow();
    return accepted;
}

} // namespace razo
