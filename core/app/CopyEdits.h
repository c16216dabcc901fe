#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace razo {

// A change of a text that was being copied out of it a piece at a time, made within the part
// already copied.
struct CopyEdit {
    std::size_t copied = 0; // bytes of the copy taken before the change
    std::size_t position = 0;
    std::size_t erased = 0; // bytes taken out at `position`
    std::string inserted;   // bytes put in at `position`
};
// The text as it is now, from a copy taken in pieces while it changed: each change applied to
// all that had been taken before it. Changes that do not fit the copy leave it empty.
std::optional<std::string> ApplyCopyEdits(std::string_view copy, const std::vector<CopyEdit>& edits);

} // namespace razo
