#include "TotalsFixture.h"

#include "totals/DailyTotals.h"
#include "totals/TotalsText.h"

namespace {

using zk::DailyTotals;
using zk::LogEntry;

// One record each, counted for the users "Jan" and "Piet": the day it counts on and the
// seconds of Jan, Piet and idle time; empty when it counts nowhere.
struct Case
{
    const char *description;
    zk::LocalDateTime end;
    std::optional<std::int32_t> elapsed;
    const char *counted;
};

const Case kCases[] = {
    {.description = "Jan", .end = {2026, 12, 6, 10, 0, 0}, .elapsed = 3600,
     .counted = "2026-12-06 3600 0 0"},
    {.description = "Jansen: homework", .end = {2026, 12, 6, 1, 0, 0}, .elapsed = 7200,
     .counted = "2026-12-06 7200 0 0"}, // a prefix, across midnight
    {.description = "jan", .end = {2026, 12, 6, 10, 0, 0}, .elapsed = 60,
     .counted = ""}, // case counts
    {.description = "Ja", .end = {2026, 12, 6, 10, 0, 0}, .elapsed = 60,
     .counted = ""}, // shorter than the name
    {.description = "Idle", .end = {2026, 12, 5, 10, 0, 0}, .elapsed = 600,
     .counted = "2026-12-05 0 0 600"},
    {.description = "Idleness of Piet", .end = {2026, 12, 5, 10, 0, 0}, .elapsed = 30,
     .counted = "2026-12-05 0 0 30"},
    {.description = "Piet", .end = {0, 0, 0, 0, 0, 0}, .elapsed = 0,
     .counted = ""}, // never stopped
    {.description = "Piet", .end = {2026, 13, 6, 10, 0, 0}, .elapsed = 60,
     .counted = ""}, // no real day
    {.description = "Piet", .end = {2026, 12, 262, 10, 0, 0}, .elapsed = 60,
     .counted = ""}, // a day that would wrap to the 6th in 8 bits
    {.description = "Piet", .end = {2100, 2, 29, 10, 0, 0}, .elapsed = 60,
     .counted = ""}, // the clock never shows this day
    {.description = "Piet", .end = {2024, 2, 29, 23, 59, 59}, .elapsed = -5,
     .counted = "2024-02-29 0 -5 0"}, // an end before the start
    {.description = "Anna", .end = {2026, 12, 6, 10, 0, 0}, .elapsed = 60,
     .counted = ""}, // no user
    {.description = "Jan", .end = {2026, 12, 6, 10, 0, 0}, .elapsed = std::nullopt,
     .counted = "overflow"}, // a duration beyond 32 bits: counted apart
};

} // namespace

TEST(CountingRule, ARecordCountsForEveryNameBeginningItOnTheDayItEnds)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.description + std::string(" ") + std::to_string(c.end.month));
        DailyTotals totals({"Jan", "Piet"});
        totals.Add(LogEntry{.nr = 1, .start = {}, .end = c.end, .elapsed = c.elapsed,
                            .description = c.description});
        std::string counted = totals.Overflowed() == 1 ? "overflow" : "";
        for (const DailyTotals::Row &row : totals.Rows())
            counted += row.day.ToText() + " " + std::to_string(row.seconds[0]) + " " +
                       std::to_string(row.seconds[1]) + " " + std::to_string(row.idle);
        EXPECT_EQ(counted, c.counted);
    }
}

// Hours and minutes of the totals, seconds dropped, and their width; a user's heading.
TEST(TotalsText, HoursAndMinutesAndHeadings)
{
    const std::pair<std::int64_t, const char *> hours[] = {
        {0, "0:00"}, {59, "0:00"}, {-59, "0:00"}, {-60, "-0:01"}, {7500, "2:05"},
        {-3700, "-1:01"}, {36000, "10:00"}, {360000, "100:00"}};
    for (const auto &[seconds, text] : hours) {
        SCOPED_TRACE(seconds);
        EXPECT_EQ(zk::HoursMinutes(seconds), text);
        EXPECT_EQ(zk::HoursMinutesWidth(seconds), std::string(text).size());
    }
    EXPECT_EQ(zk::UserHeading(""), "(no name)");
}
