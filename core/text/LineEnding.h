#pragma once
#include <string>
#include <string_view>

namespace razo {

// The line ending a page's new lines take: that of its first line break (CR LF, LF or CR), CR LF
// when it has none.
std::string_view LineEndingOf(std::string_view bytes);

// `text` with each of its line breaks (CR LF, CR or LF) written as `ending`.
std::string WithLineEnding(std::string_view text, std::string_view ending);

} // namespace razo
