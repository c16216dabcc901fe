#pragma once
#include <cstddef>
#include <string_view>

namespace razo {

// True when a line of `text` has more than `limit` bytes; lines end at LF, CR or CR LF, which do
// not count. Long stretches without LF are the only ones searched for CR, so ordinary text is
// read at the speed of a search for LF.
bool HasLineLongerThan(std::string_view text, std::size_t limit);

} // namespace razo
