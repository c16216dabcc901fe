#pragma once
#include <string>

#include "core/dialogs/DialogTemplate.h"

namespace razo {

// Every dialog's help page is generated from its template, so no dialog lacks one.
// A complete HTML page: the title, what the dialog inserts, each field with its label and purpose.
std::string HelpTopicHtml(const DialogTemplate& dialogTemplate);

// Text made safe for a help page: & < > " as entities.
std::string HtmlEscape(const std::string& text);
// A caption without its "&" mnemonic marks ("&&" stays one "&").
std::string WithoutMnemonic(const std::string& text);

} // namespace razo
