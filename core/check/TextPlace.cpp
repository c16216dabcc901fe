#include "core/check/TextPlace.h"

#include <algorithm>

namespace razo {

TextPlace PlaceOfOffset(std::string_view text, std::size_t offset, bool utf8) {
    TextPlace place;
    offset = std::min(offset, text.size());
    for (std::size_t i = 0; i < offset; ++i) {
        const char c = text[i];
        const bool lineEnd = c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'));
        if (lineEnd) {
            ++place.line;
            place.column = 1;
        } else if (c != '\r' && !(utf8 && (static_cast<unsigned char>(c) & 0xC0) == 0x80)) {
            ++place.column;
        }
    }
    return place;
}

} // namespace razo
