#pragma once
#include <functional>

#include "core/dialogs/DialogRunner.h"

class QWidget;

namespace razo {

class DialogWindow;
class IniProfile;
class UserPrompts;

// The renderer: runs any dialog modally in a window built from its template. Refusals of the
// data exchange keep the window open with the user sent back to the refused field; Browse
// buttons, colour fields and the layout toggle work from the template alone.
class QtDialogRunner : public DialogRunner {
public:
    // Opens the help page of a context (the dialog's Template().HelpContext()).
    using HelpHandler = std::function<void(int contextId)>;

    QtDialogRunner(IniProfile& profile, UserPrompts& prompts, HelpHandler help = {},
                   QWidget* parent = nullptr);

    void SetParent(QWidget* parent) { m_parent = parent; }
    void SetHelpHandler(HelpHandler help) { m_help = std::move(help); }

    bool RunModal(CDialog& dialog) override;

    // Called with each dialog window once it is built and initialised, before it is shown.
    // Tests and the screenshot tool use it to reach the window.
    std::function<void(DialogWindow&)> onShow;

private:
    IniProfile& m_profile;
    UserPrompts& m_prompts;
    HelpHandler m_help;
    QWidget* m_parent;
};

} // namespace razo
