#pragma once
#include <cstddef>
#include <string_view>

namespace razo {

// A place in a text as the problem list gives it: line and column counted from 1, a line ending
// at LF, CR LF or a lone CR, a column counting characters (in UTF-8 a whole sequence, else a byte).
struct TextPlace {
    int line = 1;
    int column = 1;
    bool operator==(const TextPlace&) const = default;
};

TextPlace PlaceOfOffset(std::string_view text, std::size_t offset, bool utf8);

} // namespace razo
