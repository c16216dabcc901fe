#pragma once
#include <string>
#include <vector>

namespace razo {

// Starts a program detached. Never goes through a shell.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Returns false when the program could not be started.
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

} // namespace razo
