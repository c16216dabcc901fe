#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "core/check/PageCheck.h"

namespace razo {

// Exit statuses of `razo --check`.
inline constexpr int CheckExitClean = 0;      // no page has errors (warnings may be written)
inline constexpr int CheckExitErrors = 1;     // some page has errors, or could not be checked
inline constexpr int CheckExitUnreadable = 2; // some file could not be read (or no file was named)

// `razo --check FILE...`: checks each file as it is on the disk, in the order given, and writes
// each problem to `out` as "FILE:LINE:COL: error|warning: message" (the form compilers use),
// followed by "FILE: note: ..." lines saying which rules were used; a clean page writes nothing.
// A file that cannot be read (missing, a folder, a FIFO, too large) is said on `err`, and the
// others are still checked: the status is then 2 whatever they hold.
int RunCheckCommand(const std::vector<std::string>& paths, std::ostream& out, std::ostream& err,
                    const CheckOptions& options = {});

} // namespace razo
