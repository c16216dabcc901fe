#include "core/elements/Markup.h"

namespace razo {

bool NeedsQuotes(std::string_view value) {
    return value.find_first_of(" \t\r\n\"'=<>`") != std::string_view::npos;
}

std::string UnquotedValue(std::string_view value) {
    if (!NeedsQuotes(value))
        return std::string(value);
    const bool singleQuotes =
        value.find('"') != std::string_view::npos && value.find('\'') == std::string_view::npos;
    const char quote = singleQuotes ? '\'' : '"';
    return quote + std::string(value) + quote;
}

std::string Attribute(std::string_view name, std::string_view value) {
    if (value.empty())
        return {};
    return " " + std::string(name) + "=" + UnquotedValue(value);
}

std::string QuotedAttribute(std::string_view name, std::string_view value) {
    if (value.empty())
        return {};
    return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

std::string Flag(std::string_view name, bool on) {
    return on ? " " + std::string(name) : std::string();
}

Tag& Tag::AlwaysQuoted(std::string_view name, std::string_view value) {
    m_text += " " + std::string(name) + "=\"" + std::string(value) + "\"";
    return *this;
}

} // namespace razo
