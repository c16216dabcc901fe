#pragma once
#include <string>
#include <vector>

#include "core/dialogs/DialogTemplate.h"

namespace razo {

class CDataExchange;

// What the element dialogs of several families have alike, in one place.

// The longest URL (and the longest name or value the forms take), in characters.
inline constexpr int MaxUrlChars = 1024;

// A short edit for a number: pixels, a count, a size.
ControlTemplate Number(int id, std::string label, std::string help);
// A drop-down list of alignment keywords, shown sorted.
ControlTemplate Alignment(int id, std::string label, std::vector<std::string> entries, std::string help);

// A URL that must be given, of MaxUrlChars characters at the most.
void DDX_RequiredUrl(CDataExchange& dx, int id, std::string& value);
// A URL that may be left empty, of MaxUrlChars characters at the most.
void DDX_OptionalUrl(CDataExchange& dx, int id, std::string& value);

} // namespace razo
