#pragma once
// Date-time arithmetic of the countdown. Date-time values are OLE
// automation dates: days since 1899-12-30 00:00, the fraction being the
// time of day.
#include <windows.h>

#include <cstdint>
#include <string>

double ToOleDate(const SYSTEMTIME& time);
SYSTEMTIME FromOleDate(double date);

// Whole seconds from `earlier` to `later`: the difference in seconds plus
// half a second's worth of days' bias (0.5 / 86400), truncated toward zero.
// The bias lets whole seconds stored a hair low count in full.
std::int64_t SecondsBetween(double later, double earlier);

struct CountdownParts {
    std::int64_t hours = 0;
    std::int64_t minutes = 0;
    std::int64_t seconds = 0;
};

// Splits a signed number of seconds: minutes are floored, seconds keep the
// sign of `total`, and whole hours are split off only when minutes >= 60.
CountdownParts SplitCountdown(std::int64_t total);

// "H时     M分     S秒" (five blanks after each unit but the last).
std::string CountdownText(const CountdownParts& parts);
