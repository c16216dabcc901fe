#pragma once
#include <string>
#include <vector>

namespace razo {

// The document to open at start-up: everything after the program name, joined with single
// blanks into one path, so an unquoted path with blanks still names one file. No quote is
// removed and nothing is read as a switch. Empty when there are no arguments.
// `arguments` starts with the program name, as the process received it.
std::string DocumentPathFromArguments(const std::vector<std::string>& arguments);

// What the command line asks for. Options come first; "--" ends them. The first argument that
// is not an option and everything after it form the document path, joined as above, so a word
// with a leading '-' inside a path with blanks stays part of it.
struct StartRequest {
    enum class Action { Open, Help, Version, UnknownOption };
    Action action = Action::Open;
    std::string path;   // Open: the document, empty for none
    std::string option; // UnknownOption: the option as given
};
StartRequest ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace razo
