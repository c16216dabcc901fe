#pragma once
#include "core/ports/SystemInfo.h"

namespace razo {

// The system's clock and language as Qt reads them.
class QtSystemInfo : public SystemInfo {
public:
    LocalTime Now() const override;
    std::string Language() const override;
};

} // namespace razo
