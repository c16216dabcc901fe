#pragma once
#include <string>
#include <vector>

namespace razo {

// The document to open at start-up: everything after the program name, joined with single
// blanks into one path, so an unquoted path with blanks still names one file. No quote is
// removed and nothing is read as a switch. Empty when there are no arguments.
// `arguments` starts with the program name, as the process received it.
std::string DocumentPathFromArguments(const std::vector<std::string>& arguments);

} // namespace razo
