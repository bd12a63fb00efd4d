#include "support/FakeClock.h"
#include "support/FixedMonthNames.h"
#include "time/Module1.h"

#include <gtest/gtest.h>

using zk::test::FakeClock;
using zk::test::FixedMonthNames;

TEST(RecordTexts, DayTextsNameInvalidDaysTodayAndTheRegionalMonth)
{
    FakeClock clock({2026, 12, 6, 9, 0, 0});
    FixedMonthNames dutch;
    EXPECT_EQ(GetRecordDayAsString({}), "Ongeldige dag");
    EXPECT_EQ(GetRecordDayAsString({2026, 0, 6}), "Ongeldige dag");
    EXPECT_EQ(GetRecordDayAsString({2026, 13, 6}), "Ongeldige dag");
    EXPECT_EQ(GetRecordDayAsString({2026, 12, 0}), "Ongeldige dag");
    EXPECT_EQ(GetRecordDayAsString({2026, -12, -6}), "Ongeldige dag");
    EXPECT_EQ(GetRecordDayAsString({2026, 12, 6, 23, 59, 59}), "Vandaag");
    // The same day and month of another year is that year's date, not today.
    EXPECT_EQ(GetRecordDayAsString({2025, 12, 6}), "6 dec");
    EXPECT_EQ(GetRecordDayAsString({2002, 12, 4}), "4 dec");
    EXPECT_EQ(GetRecordDayAsString({2002, 2, 45}), "45 feb"); // not checked against the month
    EXPECT_EQ(GetRecordDayAsString({0, 3, 1}), "1 mrt");      // the year is not checked
    clock.Set({2026, 12, 7, 0, 0, 0});
    EXPECT_EQ(GetRecordDayAsString({2026, 12, 6}), "6 dec");
}

TEST(RecordTexts, TimeTextsShowRawNumbers)
{
    EXPECT_EQ(GetRecordTimeAsString({2002, 12, 4, 9, 5, 3}), "9:5:3");
    EXPECT_EQ(GetRecordTimeAsString({2002, 12, 4, 23, 5, 9}), "23:5:9");
    EXPECT_EQ(GetRecordTimeAsString({}), "0:0:0");
    EXPECT_EQ(GetRecordTimeAsString({0, 0, 0, -1, 2147483647, -2147483647 - 1}),
              "-1:2147483647:-2147483648");
}

TEST(DurationTexts, HoursAndMinutesTruncateTowardZeroAndDropSeconds)
{
    const auto en = [](std::int32_t s) { return GetDurationAsString(s, "minutes", "hours", "and"); };
    const auto nl = [](std::int32_t s) { return GetDurationAsString(s, "minuten", "uur", "en"); };
    EXPECT_EQ(en(0), "0 minutes");
    EXPECT_EQ(nl(0), "0 minuten");
    EXPECT_EQ(en(59), "0 minutes");
    EXPECT_EQ(nl(600), "10 minuten");
    EXPECT_EQ(en(3599), "59 minutes");
    EXPECT_EQ(en(3600), "1 hours and 0 minutes");
    EXPECT_EQ(en(7500), "2 hours and 5 minutes");
    EXPECT_EQ(nl(7500), "2 uur en 5 minuten");
    EXPECT_EQ(en(-30), "0 minutes");
    EXPECT_EQ(en(-3700), "-1 hours and -1 minutes");
    EXPECT_EQ(en(2147483647), "596523 hours and 14 minutes");
    EXPECT_EQ(en(-2147483647 - 1), "-596523 hours and -14 minutes");

    const auto shortNl = [](std::int32_t s) { return GetDurationAsShortString(s, "minuten", "uur"); };
    const auto shortEn = [](std::int32_t s) { return GetDurationAsShortString(s, "minutes", "h"); };
    EXPECT_EQ(shortNl(0), "");
    EXPECT_EQ(shortNl(59), "");
    EXPECT_EQ(shortNl(-59), "");
    EXPECT_EQ(shortNl(300), "5 minuten");
    EXPECT_EQ(shortEn(300), "5 minutes");
    EXPECT_EQ(shortNl(3660), "1 uur 1");
    EXPECT_EQ(shortEn(7500), "2 h 5");
    EXPECT_EQ(shortEn(3600), "1 h 0");
    EXPECT_EQ(shortEn(-3700), "-1 h -1");
}
