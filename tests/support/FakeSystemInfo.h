#pragma once
#include <string>

#include "core/ports/SystemInfo.h"

namespace razo::test {

// A fixed moment and language.
class FakeSystemInfo : public SystemInfo {
public:
    LocalTime now{2026, 5, 1, 14, 30, 5, 120};
    std::string language = "en";
    LocalTime Now() const override { return now; }
    std::string Language() const override { return language; }
};

} // namespace razo::test
