#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

namespace razo {

// `text` with each mark %1 ... %9 replaced by the value of that number, in one pass: a value
// that holds a mark itself (a file named "50%2.html") is written as it is. A mark without a
// value stays.
std::string FillMessage(std::string_view text, std::initializer_list<std::string_view> values);

} // namespace razo
