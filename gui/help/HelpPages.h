#pragma once
#include <QString>

#include "core/dialogs/DialogTemplate.h"

namespace razo {

// The help page of a dialog, generated from its template, for the help context of its Help
// button (0x20000 plus the template id). Empty when no registered dialog has that context.
QString DialogHelpPage(int contextId);
// Makes the page of a dialog that is being shown available, listed or not.
void RememberDialogTemplate(const DialogTemplate& dialogTemplate);

// A page the help window makes rather than reads, by its file name in the help folder: the
// index with the contents of the generated pages, each command page, and "dialog-<context>.html".
// A null string for any other name.
QString GeneratedHelpHtml(const QString& fileName);
// Makes the written help pages available to the program that links them in.
void LoadHelpPages();

} // namespace razo
