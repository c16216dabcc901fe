#include "core/app/InstanceRequest.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace razo {

namespace {

constexpr std::string_view Verb = "open ";
// Longer than any path the system takes (PATH_MAX is 4096).
constexpr std::size_t LongestPath = 64 * 1024;
// Enough digits for LongestPath and one more, so a longer number is seen as too long.
constexpr std::size_t LongestLengthField = 7;

} // namespace

std::string InstanceSocketName(std::string_view platform, std::string_view display) {
    std::string name = "razo-";
    name += platform.empty() ? std::string_view("none") : platform;
    if (!display.empty()) {
        name += '-';
        name += display;
    }
    // A Wayland display may be a path and an X display holds ':' and '.': keep a plain file name.
    for (std::size_t i = 5; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (!std::isalnum(c) && c != '-' && c != '.' && c != '_')
            name[i] = '_';
    }
    return name;
}

std::string EncodeOpenRequest(std::string_view path) {
    std::string request(Verb);
    request += std::to_string(path.size());
    request += '\n';
    request += path;
    return request;
}

OpenRequest DecodeOpenRequest(std::string_view received) {
    using State = OpenRequest::State;
    const std::size_t known = std::min(received.size(), Verb.size());
    if (received.substr(0, known) != Verb.substr(0, known))
        return {State::Malformed, {}};
    if (received.size() <= Verb.size())
        return {State::Incomplete, {}};
    received.remove_prefix(Verb.size());
    const std::size_t newline = received.find('\n');
    const std::string_view digits = received.substr(0, newline);
    for (const char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return {State::Malformed, {}};
    if (digits.size() > LongestLengthField)
        return {State::Malformed, {}};
    if (newline == std::string_view::npos)
        return {State::Incomplete, {}};
    std::size_t length = 0;
    if (digits.empty() ||
        std::from_chars(digits.data(), digits.data() + digits.size(), length).ec != std::errc() ||
        length > LongestPath)
        return {State::Malformed, {}};
    const std::string_view path = received.substr(newline + 1);
    if (path.size() < length)
        return {State::Incomplete, {}};
    if (path.size() > length)
        return {State::Malformed, {}};
    return {State::Complete, std::string(path)};
}

} // namespace razo
