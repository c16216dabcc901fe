#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace razo {

// The text format of the recovery files and their lock: a first line that names the format,
// "key value" lines, then an empty line. Values are one line each: line breaks, other control
// bytes and '%' are written as %XX.

using HeaderFields = std::map<std::string, std::string, std::less<>>;

std::string EscapeHeaderValue(std::string_view value);
// Nullopt for a '%' not followed by two upper-case hexadecimal digits.
std::optional<std::string> UnescapeHeaderValue(std::string_view value);

// The "key value" lines after the first line `magic`, up to the first empty line; nullopt when
// the first line is not `magic`, a line has no key, a key is given twice or no empty line ends
// them. `rest` is what follows the empty line.
std::optional<HeaderFields> ReadHeaderFields(std::string_view bytes, std::string_view magic,
                                             std::string_view& rest);
// The value of `key`, nullptr when there is none.
const std::string* HeaderValue(const HeaderFields& fields, std::string_view key);

// A 32-bit value (a CRC-32) as eight lower-case hexadecimal digits, always eight.
std::string Hex8(std::uint32_t value);
std::optional<std::uint32_t> ParseHex8(std::string_view text);

} // namespace razo
