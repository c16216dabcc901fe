#pragma once
#include "core/ports/ProcessLauncher.h"

namespace razo {

// Starts programs with QProcess::startDetached: program and arguments go straight to the
// operating system, never through a shell.
class QtProcessLauncher : public ProcessLauncher {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override;
};

} // namespace razo
