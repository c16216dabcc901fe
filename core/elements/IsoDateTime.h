#pragma once
#include <string>
#include <string_view>

#include "core/ports/SystemInfo.h"

namespace razo {

// A machine-readable date or time as HTML takes it (ISO 8601 forms): a year ("2026"), month
// ("2026-05"), date ("2026-05-01"), date without year ("05-01"), week ("2026-W18"), time ("14:30",
// "14:30:05.250"), date and time ("2026-05-01T14:30", with "Z" or "+02:00" for a moment anywhere),
// a time-zone offset alone ("+02:00") or a duration ("P3D", "PT1H30M"). Days are checked against
// their month, leap years included.
bool IsIsoDateTime(std::string_view text);

// The moment as a date and time with its offset from UTC: "2026-05-01T14:30:05+02:00".
std::string IsoDateTime(const LocalTime& time);

} // namespace razo
