#include "support/FakeClock.h"
#include "support/FixedMonthNames.h"
#include "time/Module1.h"

#include <gtest/gtest.h>

// A record's day: invalid, today (the year takes part), or the day with the month's short name.
TEST(RecordTexts, DayTextsNameInvalidDaysTodayAndTheRegionalMonth)
{
    zk::test::FakeClock clock({2026, 12, 6, 9, 0, 0});
    zk::test::FixedMonthNames dutch;
    const std::pair<zk::LocalDateTime, const char *> rows[] = {
        {{2026, 0, 6}, "Ongeldige dag"}, {{2026, 13, 6}, "Ongeldige dag"},
        {{2026, 12, 0}, "Ongeldige dag"}, {{2026, 12, 1}, "1 dec"}, {{2026, 1, 1}, "1 jan"},
        {{2026, 12, 6, 23, 59, 59}, "Vandaag"}, {{2025, 12, 6}, "6 dec"}, {{2026, 11, 6}, "6 nov"},
        {{2026, 12, 5}, "5 dec"}, {{2002, 2, 45}, "45 feb"},
    };
    for (const auto &[day, text] : rows)
        EXPECT_EQ(GetRecordDayAsString(day), text) << text;
    EXPECT_EQ(GetRecordTimeAsString({0, 0, 0, -1, 2147483647, 5}), "-1:2147483647:5");
}

TEST(DurationTexts, HoursAndMinutesTruncateTowardZeroAndDropSeconds)
{
    const std::tuple<std::int32_t, const char *, const char *> rows[] = {
        // seconds, long, short
        {59, "0 minuten", ""},
        {-59, "0 minuten", ""},
        {60, "1 minuten", "1 minuten"},
        {3599, "59 minuten", "59 minuten"},
        {3600, "1 uur en 0 minuten", "1 uur 0"},
        {7500, "2 uur en 5 minuten", "2 uur 5"},
        {-3700, "-1 uur en -1 minuten", "-1 uur -1"},
        {2147483647, "596523 uur en 14 minuten", "596523 uur 14"},
    };
    for (const auto &[seconds, full, brief] : rows) {
        EXPECT_EQ(GetDurationAsString(seconds, "minuten", "uur", "en"), full) << seconds;
        EXPECT_EQ(GetDurationAsShortString(seconds, "minuten", "uur"), brief) << seconds;
    }
}
