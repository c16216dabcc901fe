#pragma once
#include <string>

#include "dialogs/DialogTemplate.h"

namespace razo {

// Every dialog's help page is generated from its template, so no dialog lacks one.
// A complete HTML page: the title, what the dialog inserts, each field with its label and purpose.
std::string HelpTopicHtml(const DialogTemplate& dialogTemplate);

} // namespace razo
