#pragma once
#include <string>

namespace razo {

// " NAME=value" when the value is not empty: names in upper case, the value as typed, unquoted.
inline std::string Attribute(const char* name, const std::string& value) {
    return value.empty() ? std::string() : std::string(" ") + name + "=" + value;
}

// " NAME=\"value\"" when the value is not empty, for URLs, names, free texts and targets.
inline std::string QuotedAttribute(const char* name, const std::string& value) {
    return value.empty() ? std::string() : std::string(" ") + name + "=\"" + value + "\"";
}

} // namespace razo
