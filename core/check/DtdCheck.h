#pragma once
#include <string>
#include <string_view>

namespace razo {

class CheckRun;
struct CheckedType;

// Validates `text` against the DTD of `type` with the SGML parser, as the W3C's validator does
// for that type; the problems go to `run`. The parser reads the page from memory and may open
// only files under `dtdFolder`: the catalogs, the DTDs and their entity sets. Throws
// std::system_error when the page cannot be handed to the parser.
void CheckAgainstDtd(std::string_view text, bool utf8, const CheckedType& type, const std::string& dtdFolder,
                     CheckRun& run);

} // namespace razo
