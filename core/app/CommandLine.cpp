#include "core/app/CommandLine.h"

namespace razo {

std::string DocumentPathFromArguments(const std::vector<std::string>& arguments) {
    std::string path;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (i > 1)
            path += ' ';
        path += arguments[i];
    }
    return path;
}

StartRequest ParseCommandLine(const std::vector<std::string>& arguments) {
    using Action = StartRequest::Action;
    size_t first = 1;
    for (; first < arguments.size(); ++first) {
        const std::string& argument = arguments[first];
        if (argument.empty() || argument[0] != '-')
            break;
        if (argument == "--") {
            ++first;
            break;
        }
        if (argument == "--help" || argument == "-h")
            return {Action::Help, {}, {}};
        if (argument == "--version")
            return {Action::Version, {}, {}};
        return {Action::UnknownOption, {}, argument};
    }
    std::vector<std::string> rest{arguments.empty() ? std::string() : arguments[0]};
    if (first < arguments.size())
        rest.insert(rest.end(), arguments.begin() + static_cast<long>(first), arguments.end());
    return {Action::Open, DocumentPathFromArguments(rest), {}};
}

} // namespace razo
