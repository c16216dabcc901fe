#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace razo {

// The character a browser shows for a character reference, as UTF-8: "&#193;" is "Á", "&amp;"
// is "&". The four named references the symbol bars insert are known by name; anything that is
// not a reference to a character (an unknown name, a surrogate, a number past U+10FFFF) is
// returned as it is.
std::string ShownCharacter(std::string_view reference);

// One code point as UTF-8.
std::string Utf8(std::uint32_t codePoint);

} // namespace razo
