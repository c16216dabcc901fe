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

} // namespace razo
