#include <gtest/gtest.h>

#include "countdown_math.h"

namespace {

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

TEST(OleDate, MatchesKnownValues)
{
    EXPECT_DOUBLE_EQ(ToOleDate(At(1899, 12, 30, 0, 0, 0)), 0.0);
    EXPECT_DOUBLE_EQ(ToOleDate(At(1900, 1, 1, 6, 0, 0)), 2.25);
    EXPECT_DOUBLE_EQ(ToOleDate(At(2000, 1, 1, 12, 0, 0)), 36526.5);
    // Before the epoch the fraction still counts forward into the day.
    EXPECT_DOUBLE_EQ(ToOleDate(At(1899, 12, 29, 6, 0, 0)), -1.25);
}

TEST(OleDate, RoundTripsWholeSeconds)
{
    for (const SYSTEMTIME& time : {At(2026, 12, 11, 23, 59, 59), At(2024, 2, 29, 0, 0, 1), At(1999, 12, 31, 12, 34, 56)}) {
        const SYSTEMTIME back = FromOleDate(ToOleDate(time));
        EXPECT_EQ(back.wYear, time.wYear);
        EXPECT_EQ(back.wMonth, time.wMonth);
        EXPECT_EQ(back.wDay, time.wDay);
        EXPECT_EQ(back.wHour, time.wHour);
        EXPECT_EQ(back.wMinute, time.wMinute);
        EXPECT_EQ(back.wSecond, time.wSecond);
    }
}

// Seconds from a fixed "now" to now + offset, through the same OLE dates the
// pickers give, and the three numbers the countdown shows for them.
struct CountdownCase {
    int offsetSeconds;
    std::int64_t total;
    std::int64_t hours, minutes, seconds;
};

class CountdownTable : public testing::TestWithParam<CountdownCase> {};

TEST_P(CountdownTable, SplitsAsShown)
{
    const CountdownCase& c = GetParam();
    const double now = ToOleDate(At(2026, 12, 11, 10, 30, 0));
    const double target = now + c.offsetSeconds / 86400.0;
    // The picker holds whole seconds: go through SYSTEMTIME as it does.
    const double stored = ToOleDate(FromOleDate(target));
    const std::int64_t total = SecondsBetween(stored, now);
    EXPECT_EQ(total, c.total);
    const CountdownParts parts = SplitCountdown(total);
    EXPECT_EQ(parts.hours, c.hours);
    EXPECT_EQ(parts.minutes, c.minutes);
    EXPECT_EQ(parts.seconds, c.seconds);
}

INSTANTIATE_TEST_SUITE_P(Part, CountdownTable,
                         testing::Values(CountdownCase{3723, 3723, 1, 2, 3}, CountdownCase{59, 59, 0, 0, 59},
                                         CountdownCase{60, 60, 0, 1, 0}, CountdownCase{-5, -4, 0, -1, -4},
                                         CountdownCase{-1, 0, 0, 0, 0}, CountdownCase{0, 0, 0, 0, 0},
                                         CountdownCase{2 * 86400, 172800, 48, 0, 0},
                                         CountdownCase{3600, 3600, 1, 0, 0}));

TEST(CountdownText, UsesFiveBlanksAndNoPadding)
{
    EXPECT_EQ(CountdownText({1, 2, 3}), "1时     2分     3秒");
    EXPECT_EQ(CountdownText({0, -1, -4}), "0时     -1分     -4秒");
    EXPECT_EQ(CountdownText({48, 0, 0}), "48时     0分     0秒");
}

TEST(CountdownText, TargetsCenturiesAheadDoNotOverflow)
{
    // More minutes than a 32-bit integer holds.
    const double now = ToOleDate(At(2026, 1, 1, 0, 0, 0));
    const double target = ToOleDate(At(9999, 12, 31, 23, 59, 59));
    const CountdownParts parts = SplitCountdown(SecondsBetween(target, now));
    EXPECT_GT(parts.hours, 60'000'000);
    EXPECT_GE(parts.minutes, 0);
    EXPECT_LT(parts.minutes, 60);
    EXPECT_EQ(parts.seconds, 59);
}

} // namespace
