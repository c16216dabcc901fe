#pragma once
#include <string>

namespace razo {

// Turns a classic chooser filter "JPEG files (*.jpg)|*.jpg|...||" into the Qt form
// "JPEG files (*.jpg);;...": each description gets the pattern list it stands for in its
// parentheses, patterns separated by blanks, and "*.*" becomes "*".
std::string ToQtFileFilter(const std::string& classicFilter);

} // namespace razo
