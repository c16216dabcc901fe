#pragma once
#include <string>

namespace razo {

// The wall-clock time where the user is: the date, the time of day and how far the local time is
// ahead of UTC.
struct LocalTime {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int utcOffsetMinutes = 0; // east of Greenwich is positive
};

// What the program learns from the system it runs on.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual LocalTime Now() const = 0;
    // The user's language as a language tag ("en", "de-AT"); "en" when the system names none.
    virtual std::string Language() const = 0;
};

} // namespace razo
