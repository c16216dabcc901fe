#pragma once
// Resident memory of this process, read from /proc, for benchmarks that report what a large
// document costs.
#include <cstdint>
#include <fstream>
#include <string>

namespace razo::bench {

// A field of /proc/self/status ("VmRSS", "VmHWM") in MiB; 0 when it cannot be read.
inline double StatusMiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::stod(line.substr(prefix.size())) / 1024.0; // the value is in kB
    return 0;
}

inline double ResidentMiB() {
    return StatusMiB("VmRSS");
}

// The highest resident size since the last ResetPeak.
inline double PeakMiB() {
    return StatusMiB("VmHWM");
}

// Starts a new peak at the current resident size (Linux: "5" to clear_refs).
inline void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace razo::bench
