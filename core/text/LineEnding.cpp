#include "core/text/LineEnding.h"

namespace razo {

namespace {

constexpr std::string_view CrLf = "\r\n";

} // namespace

std::string_view LineEndingOf(std::string_view bytes) {
    const auto at = bytes.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return CrLf;
    if (bytes[at] == '\n')
        return "\n";
    return bytes.substr(at + 1, 1) == "\n" ? CrLf : "\r";
}

std::string WithLineEnding(std::string_view text, std::string_view ending) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            result += c;
            continue;
        }
        result += ending;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return result;
}

} // namespace razo
