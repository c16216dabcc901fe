#include "core/text/MessageText.h"

namespace razo {

std::string FillMessage(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (text[at] == '%' && next >= '1' && next <= '9' && number <= values.size()) {
            filled += *(values.begin() + (number - 1));
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

} // namespace razo
