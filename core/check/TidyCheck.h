#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace razo {

class CheckRun;

// Checks `text` with HTML Tidy, as its command would, keeping its errors and warnings (not its
// notes) for `run`. Tidy reads the page a byte at a time from memory, so a cancelled check stops
// reading at once. Tidy follows nested elements by recursion: on a page nested too deeply for the
// calling thread's stack it stops reading, and the offset where it stopped is returned.
std::optional<std::size_t> CheckWithTidy(std::string_view text, bool utf8, CheckRun& run);

// The library's version, for the report.
std::string TidyVersion();

} // namespace razo
