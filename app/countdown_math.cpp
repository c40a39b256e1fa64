#include "countdown_math.h"

#include <cmath>

namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

void CivilFromDays(std::int64_t days, int& year, unsigned& month, unsigned& day)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

constexpr std::int64_t kOleEpochFromUnix = -25569; // 1899-12-30 relative to 1970-01-01
constexpr double kSecondsPerDay = 86400.0;

} // namespace

double ToOleDate(const SYSTEMTIME& time)
{
    const std::int64_t days = DaysFromCivil(time.wYear, time.wMonth, time.wDay) - kOleEpochFromUnix;
    const double fraction = (time.wHour * 3600 + time.wMinute * 60 + time.wSecond) / kSecondsPerDay;
    // Before the epoch the integer part counts days back and the fraction
    // still counts forward into the day, so it is subtracted.
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

SYSTEMTIME FromOleDate(double date)
{
    double dayPart = std::trunc(date);
    double fraction = std::fabs(date - dayPart);
    std::int64_t secondOfDay = std::llround(fraction * kSecondsPerDay);
    if (secondOfDay >= 86400) {
        secondOfDay -= 86400;
        dayPart += date >= 0 ? 1 : -1;
    }
    int year = 0;
    unsigned month = 0, day = 0;
    const std::int64_t days = static_cast<std::int64_t>(dayPart) + kOleEpochFromUnix;
    CivilFromDays(days, year, month, day);
    SYSTEMTIME result{};
    result.wYear = static_cast<WORD>(year);
    result.wMonth = static_cast<WORD>(month);
    result.wDay = static_cast<WORD>(day);
    // 1970-01-01 was a Thursday.
    result.wDayOfWeek = static_cast<WORD>(((days % 7) + 7 + 4) % 7);
    result.wHour = static_cast<WORD>(secondOfDay / 3600);
    result.wMinute = static_cast<WORD>(secondOfDay / 60 % 60);
    result.wSecond = static_cast<WORD>(secondOfDay % 60);
    return result;
}

std::int64_t SecondsBetween(double later, double earlier)
{
    constexpr double kHalfSecondInDays = 0.5 / 86400.0; // 5.787037037037037e-6
    return static_cast<std::int64_t>((later - earlier) * kSecondsPerDay + kHalfSecondInDays);
}

CountdownParts SplitCountdown(std::int64_t total)
{
    // Kept in 64 bits throughout: a target thousands of years ahead has
    // more minutes than a 32-bit integer holds.
    CountdownParts parts;
    parts.minutes = static_cast<std::int64_t>(std::floor(static_cast<double>(total) / 60.0));
    parts.seconds = static_cast<std::int64_t>(std::fmod(static_cast<double>(total), 60.0));
    if (parts.minutes >= 60) {
        parts.hours = static_cast<std::int64_t>(std::floor(static_cast<double>(parts.minutes) / 60.0));
        parts.minutes = static_cast<std::int64_t>(std::fmod(static_cast<double>(parts.minutes), 60.0));
    }
    return parts;
}

std::string CountdownText(const CountdownParts& parts)
{
    return std::to_string(parts.hours) + "时     " + std::to_string(parts.minutes) + "分     " +
           std::to_string(parts.seconds) + "秒";
}
