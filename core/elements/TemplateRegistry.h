#pragma once
#include <vector>

#include "core/dialogs/DialogTemplate.h"

namespace razo {

// A dialog template as the program registers it: with whether its dialog class derives from
// CExpandDialog, which must agree with the template's `expandable`.
struct RegisteredDialog {
    const DialogTemplate* dialogTemplate;
    bool expandableClass;
};

// Every dialog of the program: those the element families register (their commands and
// sub-dialogs), then the program's own (Preferences, Set Tab Stops). Each template once.
const std::vector<RegisteredDialog>& RegisteredDialogs();
// The same templates, for what works on all of them at once (help pages, screenshots).
const std::vector<const DialogTemplate*>& AllDialogTemplates();

// The template whose Help button has this context, or nullptr.
const DialogTemplate* FindTemplateByHelpContext(int contextId);

} // namespace razo
