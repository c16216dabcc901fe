#pragma once
#include <span>
#include <string>
#include <vector>

namespace razo {

// One entry of the Document Type list and the line it puts at the top of the page.
struct DocumentTypeLine {
    const char* entry;
    const char* line;
};

inline constexpr const char* NoDocumentType = "(None)";
inline constexpr const char* Html5DocumentType = "HTML5";
inline constexpr const char* Html5DocumentTypeLine = "<!DOCTYPE html>\r\n";

// The document types in the order the list shows them, HTML5 last.
std::span<const DocumentTypeLine> DocumentTypeLines();
// "(None)" and then every type's entry, as the lists offer them.
std::vector<std::string> DocumentTypeEntries();

} // namespace razo
