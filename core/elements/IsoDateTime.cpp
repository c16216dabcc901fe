#include "core/elements/IsoDateTime.h"

#include <cstdio>
#include <cstdlib>

namespace razo {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (!IsDigit(c))
            return false;
    return !text.empty();
}

// Exactly `count` digits at the front of `text`, taken off it, as a number from `low` to `high`.
bool TakeNumber(std::string_view& text, std::size_t count, int low, int high, int* value = nullptr) {
    if (text.size() < count || !AllDigits(text.substr(0, count)))
        return false;
    const int number = std::atoi(std::string(text.substr(0, count)).c_str());
    text.remove_prefix(count);
    if (value)
        *value = number;
    return number >= low && number <= high;
}

bool Take(std::string_view& text, char c) {
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

bool IsLeap(long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(long year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

// Four or more digits, not zero; taken off the front of `text`.
bool TakeYear(std::string_view& text, long& year) {
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits]))
        ++digits;
    if (digits < 4 || digits > 9)
        return false;
    year = std::atol(std::string(text.substr(0, digits)).c_str());
    text.remove_prefix(digits);
    return year > 0;
}

// "HH:MM", "HH:MM:SS" or "HH:MM:SS.f" with one to three digits of fraction.
bool TakeTime(std::string_view& text) {
    if (!TakeNumber(text, 2, 0, 23) || !Take(text, ':') || !TakeNumber(text, 2, 0, 59))
        return false;
    if (!Take(text, ':'))
        return true;
    if (!TakeNumber(text, 2, 0, 59))
        return false;
    if (!Take(text, '.'))
        return true;
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits]))
        ++digits;
    text.remove_prefix(digits);
    return digits >= 1 && digits <= 3;
}

// "Z", "+HH:MM", "-HHMM": the whole of `text`.
bool IsOffset(std::string_view text) {
    if (text == "Z")
        return true;
    if (!Take(text, '+') && !Take(text, '-'))
        return false;
    if (!TakeNumber(text, 2, 0, 23))
        return false;
    Take(text, ':');
    return TakeNumber(text, 2, 0, 59) && text.empty();
}

// A date with its year, the whole of `text`: "YYYY-MM-DD".
bool IsDate(std::string_view text) {
    long year = 0;
    int month = 0;
    return TakeYear(text, year) && Take(text, '-') && TakeNumber(text, 2, 1, 12, &month) && Take(text, '-') &&
           TakeNumber(text, 2, 1, DaysIn(year, month)) && text.empty();
}

bool IsYearOrMonthOrWeek(std::string_view text) {
    long year = 0;
    if (!TakeYear(text, year))
        return false;
    if (text.empty())
        return true;
    if (!Take(text, '-'))
        return false;
    if (Take(text, 'W'))
        return TakeNumber(text, 2, 1, 53) && text.empty();
    return TakeNumber(text, 2, 1, 12) && text.empty();
}

bool IsYearlessDate(std::string_view text) {
    int month = 0;
    return TakeNumber(text, 2, 1, 12, &month) && Take(text, '-') &&
           TakeNumber(text, 2, 1, month == 2 ? 29 : DaysIn(2001, month)) && text.empty();
}

// A time alone, or a date and a time with an optional offset.
bool IsTimeOrDateTime(std::string_view text) {
    const std::size_t split = text.find_first_of("T ");
    if (split != std::string_view::npos && !IsDate(text.substr(0, split)))
        return false;
    std::string_view time = split == std::string_view::npos ? text : text.substr(split + 1);
    if (!TakeTime(time))
        return false;
    return time.empty() || (split != std::string_view::npos && IsOffset(time));
}

// "P" followed by days and a "T" part of hours, minutes and seconds, each optional, at least one.
bool IsDuration(std::string_view text) {
    if (!Take(text, 'P') || text.empty())
        return false;
    bool inTime = false, any = false;
    std::string_view units = "D";
    while (!text.empty()) {
        if (Take(text, 'T')) {
            if (inTime || text.empty())
                return false;
            inTime = true;
            units = "HMS";
            continue;
        }
        std::size_t digits = 0;
        while (digits < text.size() && (IsDigit(text[digits]) || (inTime && text[digits] == '.')))
            ++digits;
        if (digits == 0 || digits == text.size() || !IsDigit(text.front()))
            return false;
        const char unit = text[digits];
        const std::size_t at = units.find(unit);
        const std::string_view number = text.substr(0, digits);
        if (at == std::string_view::npos || (unit != 'S' && !AllDigits(number)))
            return false;
        units.remove_prefix(at + 1);
        text.remove_prefix(digits + 1);
        any = true;
    }
    return any;
}

} // namespace

bool IsIsoDateTime(std::string_view text) {
    return IsYearOrMonthOrWeek(text) || IsDate(text) || IsYearlessDate(text) || IsTimeOrDateTime(text) ||
           IsOffset(text) || IsDuration(text);
}

std::string IsoDateTime(const LocalTime& t) {
    const int offset = t.utcOffsetMinutes < 0 ? -t.utcOffsetMinutes : t.utcOffsetMinutes;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

} // namespace razo
