#pragma once
#include <cctype>
#include <string>

namespace razo::test {

// A row's readable name as a test name: letters and digits kept, everything else one underscore,
// so a failing row names itself in the test list ("heading 4 right" -> "heading_4_right").
inline std::string RowName(const std::string& text) {
    std::string name;
    for (char c : text) {
        const bool word = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (word)
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    return name.empty() ? "row" : name;
}

} // namespace razo::test
