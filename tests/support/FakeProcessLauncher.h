#pragma once
#include <string>
#include <vector>

#include "core/ports/ProcessLauncher.h"

namespace razo::test {

class FakeProcessLauncher : public ProcessLauncher {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };
    std::vector<Start> started;
    bool succeed = true;
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
        return succeed;
    }
};

} // namespace razo::test
