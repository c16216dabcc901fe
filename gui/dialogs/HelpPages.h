#pragma once
#include <QString>

namespace razo {

// The help page of a dialog, generated from its template, for the help context of its Help
// button (0x20000 plus the template id). Empty when no registered dialog has that context.
QString DialogHelpPage(int contextId);

} // namespace razo
