#pragma once
#include <QString>

#include "dialogs/DialogTemplate.h"

namespace razo {

// The help page of a dialog, generated from its template, for the help context of its Help
// button (0x20000 plus the template id). Empty when no registered dialog has that context.
QString DialogHelpPage(int contextId);
// Makes the page of a dialog that is being shown available, listed or not.
void RememberDialogTemplate(const DialogTemplate& dialogTemplate);

} // namespace razo
