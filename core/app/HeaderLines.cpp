#include "core/app/HeaderLines.h"

namespace razo {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string EscapeHeaderValue(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%') {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> UnescapeHeaderValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            out += value[i];
            continue;
        }
        if (i + 2 >= value.size())
            return std::nullopt;
        const int high = HexDigit(value[i + 1]);
        const int low = HexDigit(value[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::optional<HeaderFields> ReadHeaderFields(std::string_view bytes, std::string_view magic,
                                             std::string_view& rest) {
    const auto firstEnd = bytes.find('\n');
    if (firstEnd == std::string_view::npos || bytes.substr(0, firstEnd) != magic)
        return std::nullopt;
    HeaderFields fields;
    std::size_t at = firstEnd + 1;
    for (;;) {
        const auto end = bytes.find('\n', at);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        if (line.empty())
            break;
        const auto blank = line.find(' ');
        const std::string_view key = line.substr(0, blank);
        const std::string_view value =
            blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
        if (key.empty() || !fields.emplace(std::string(key), std::string(value)).second)
            return std::nullopt;
    }
    rest = bytes.substr(at);
    return fields;
}

const std::string* HeaderValue(const HeaderFields& fields, std::string_view key) {
    const auto it = fields.find(key);
    return it == fields.end() ? nullptr : &it->second;
}

std::string Hex8(std::uint32_t value) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        out[static_cast<std::size_t>(i)] = kHex[value & 0x0F];
    return out;
}

std::optional<std::uint32_t> ParseHex8(std::string_view text) {
    if (text.size() != 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

} // namespace razo
