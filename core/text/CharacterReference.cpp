#include "core/text/CharacterReference.h"

#include <algorithm>

namespace razo {

namespace {

constexpr std::uint32_t LastCodePoint = 0x10FFFF;

bool IsSurrogate(std::uint32_t code) {
    return code >= 0xD800 && code <= 0xDFFF;
}

} // namespace

std::string Utf8(std::uint32_t code) {
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

std::string ShownCharacter(std::string_view reference) {
    constexpr std::pair<std::string_view, std::string_view> named[] = {
        {"&amp;", "&"}, {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}};
    for (const auto& [name, shown] : named)
        if (reference == name)
            return std::string(shown);
    if (reference.size() < 4 || !reference.starts_with("&#") || !reference.ends_with(';'))
        return std::string(reference);
    const std::string_view digits = reference.substr(2, reference.size() - 3);
    // Seven digits hold every code point.
    if (digits.size() > 7 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::string(reference);
    std::uint32_t code = 0;
    for (char c : digits)
        code = code * 10 + static_cast<std::uint32_t>(c - '0');
    if (code == 0 || code > LastCodePoint || IsSurrogate(code))
        return std::string(reference);
    return Utf8(code);
}

} // namespace razo
