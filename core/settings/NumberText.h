#pragma once
// Decimal numbers in stored text: settings, locks and recovery headers.
#include <charconv>
#include <string_view>

namespace razo {

// `text` is one decimal number of this type and nothing else: no blanks, no '+', no trailing
// letters, nothing out of range.
template <typename Number> bool ParseNumber(std::string_view text, Number& value) {
    if (text.empty())
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The same for a value a person may have edited by hand: blanks around it and a leading '+'
// are allowed, "12abc" is still not 12.
template <typename Number> bool ParseEditedNumber(std::string_view text, Number& value) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.front() == '+')
        text.remove_prefix(1);
    return ParseNumber(text, value);
}

} // namespace razo
