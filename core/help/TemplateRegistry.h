#pragma once
#include <vector>

#include "core/dialogs/DialogTemplate.h"
#include "core/elements/ElementRegistry.h"

namespace razo {

// Every dialog of the program: those the element families register (their commands' dialogs and
// sub-dialogs), then the program's own (Preferences, Set Tab Stops). Each template once.
const std::vector<RegisteredDialog>& RegisteredDialogs();
// The same templates, for what works on all of them at once (help pages, screenshots).
const std::vector<const DialogTemplate*>& AllDialogTemplates();

// The template whose Help button has this context, or nullptr.
const DialogTemplate* FindTemplateByHelpContext(int contextId);
// The dialog command `id` opens, as its registration names it; nullptr for a command that opens
// none of the program's dialogs.
const DialogTemplate* CommandDialog(int id);

} // namespace razo
