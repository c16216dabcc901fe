#include "core/resources/DocumentTypeLines.h"

namespace razo {

namespace {

constexpr DocumentTypeLine kDocumentTypeLines[] = {
    {"HTML 2.0", "<!DOCTYPE html PUBLIC \"-//IETF//DTD HTML 2.0//EN\">\r\n"},
    {"HTML 3.2", "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 3.2 Draft//EN\">\r\n"},
    {"Netscape", "<!DOCTYPE html PUBLIC \"-//Netscape Comm. Corp.//DTD HTML//EN\">\r\n"},
    {"Microsoft", "<!DOCTYPE html PUBLIC \"-//Microsoft Corp.//DTD HTML//EN\">\r\n"},
    {Html5DocumentType, Html5DocumentTypeLine},
};

} // namespace

std::span<const DocumentTypeLine> DocumentTypeLines() {
    return kDocumentTypeLines;
}

std::vector<std::string> DocumentTypeEntries() {
    std::vector<std::string> entries = {NoDocumentType};
    for (const DocumentTypeLine& type : kDocumentTypeLines)
        entries.emplace_back(type.entry);
    return entries;
}

} // namespace razo
