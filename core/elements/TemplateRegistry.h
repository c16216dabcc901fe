#pragma once
#include <vector>

#include "dialogs/DialogTemplate.h"

namespace razo {

// Every dialog template of the program, for what works on all of them at once (the generated
// help pages, the screenshots). A new element family adds its templates in the .cpp.
const std::vector<const DialogTemplate*>& AllDialogTemplates();

// The template whose Help button has this context, or nullptr.
const DialogTemplate* FindTemplateByHelpContext(int contextId);

} // namespace razo
