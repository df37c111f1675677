#pragma once

#include <cstdint>
#include <string>

// A day of the proleptic Gregorian calendar in UTC, the calendar the
// recordings are named and thinned by; no time zone is consulted, so the
// same history reads the same on every machine.
struct CalendarDay {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31

    static CalendarDay Of(std::int64_t time);
    // "2026-12-01"; false for any other text or a day the calendar lacks.
    static bool Parse(const std::string& text, CalendarDay& result);

    bool Valid() const;
    // The day's first second since the epoch.
    std::int64_t Start() const;

    static constexpr std::int64_t kSecondsPerDay = 86400;
};
