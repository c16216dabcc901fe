#include "core/dialogs/FileFilter.h"

#include <vector>

namespace razo {

namespace {

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (;;) {
        size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at - from));
        if (at == std::string::npos)
            return parts;
        from = at + separator.size();
    }
}

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "*.htm; *.html" -> "*.htm *.html"; "*.*" -> "*".
std::string QtPatterns(const std::string& classic) {
    std::string patterns;
    for (const auto& part : Split(classic, ";")) {
        std::string pattern = Trim(part);
        if (pattern.empty())
            continue;
        if (pattern == "*.*")
            pattern = "*";
        if (!patterns.empty())
            patterns += ' ';
        patterns += pattern;
    }
    return patterns;
}

// Qt reads the patterns from the parentheses of the description, so they must be the real ones.
std::string QtEntry(const std::string& description, const std::string& classicPatterns) {
    std::string patterns = QtPatterns(classicPatterns);
    size_t open = description.rfind('(');
    std::string name = Trim(open == std::string::npos ? description : description.substr(0, open));
    return name + " (" + patterns + ")";
}

} // namespace

std::string ToQtFileFilter(const std::string& classicFilter) {
    std::vector<std::string> parts = Split(classicFilter, "|");
    std::string result;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty())
            break; // the "||" that ends the list
        if (!result.empty())
            result += ";;";
        result += QtEntry(parts[i], parts[i + 1]);
    }
    return result;
}

} // namespace razo
