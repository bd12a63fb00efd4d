#include "TotalsFixture.h"

#include "totals/DailyTotals.h"
#include "totals/TotalsText.h"

namespace {

using zk::CalendarDay;
using zk::DailyTotals;
using zk::LogEntry;

// One record each, counted for the users "Jan" and "Piet": the day it counts on (none when
// nothing counts) and the seconds of each column.
struct Case
{
    const char *description;
    zk::LocalDateTime end;
    std::optional<std::int32_t> elapsed;
    const char *day;
    std::int64_t jan;
    std::int64_t piet;
    std::int64_t idle;
};

const Case kCases[] = {
    {.description = "Jan", .end = {2026, 12, 6, 10, 0, 0}, .elapsed = 3600,
     .day = "2026-12-06", .jan = 3600, .piet = 0, .idle = 0},
    {.description = "Jansen: homework", .end = {2026, 12, 6, 1, 0, 0}, .elapsed = 7200,
     .day = "2026-12-06", .jan = 7200, .piet = 0, .idle = 0}, // a prefix, across midnight
    {.description = "jan", .end = {2026, 12, 6, 10, 0, 0}, .elapsed = 60,
     .day = "", .jan = 0, .piet = 0, .idle = 0}, // case counts
    {.description = "Ja", .end = {2026, 12, 6, 10, 0, 0}, .elapsed = 60,
     .day = "", .jan = 0, .piet = 0, .idle = 0}, // shorter than the name
    {.description = "Idle", .end = {2026, 12, 5, 10, 0, 0}, .elapsed = 600,
     .day = "2026-12-05", .jan = 0, .piet = 0, .idle = 600},
    {.description = "Idleness of Piet", .end = {2026, 12, 5, 10, 0, 0}, .elapsed = 30,
     .day = "2026-12-05", .jan = 0, .piet = 0, .idle = 30},
    {.description = "Piet", .end = {0, 0, 0, 0, 0, 0}, .elapsed = 0,
     .day = "", .jan = 0, .piet = 0, .idle = 0}, // never stopped
    {.description = "Piet", .end = {2026, 13, 6, 10, 0, 0}, .elapsed = 60,
     .day = "", .jan = 0, .piet = 0, .idle = 0}, // no real day
    {.description = "Piet", .end = {2100, 2, 29, 10, 0, 0}, .elapsed = 60,
     .day = "", .jan = 0, .piet = 0, .idle = 0}, // the clock never shows this day
    {.description = "Piet", .end = {2024, 2, 29, 23, 59, 59}, .elapsed = -5,
     .day = "2024-02-29", .jan = 0, .piet = -5, .idle = 0}, // an end before the start
    {.description = "Anna", .end = {2026, 12, 6, 10, 0, 0}, .elapsed = 60,
     .day = "", .jan = 0, .piet = 0, .idle = 0}, // no user
};

} // namespace

TEST(CountingRule, ARecordCountsForEveryNameBeginningItOnTheDayItEnds)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.description + std::string(" ") + std::to_string(c.end.month));
        DailyTotals totals({"Jan", "Piet"});
        totals.Add(LogEntry{.nr = 1, .start = {}, .end = c.end, .elapsed = c.elapsed,
                            .description = c.description});
        if (*c.day == '\0') {
            EXPECT_TRUE(totals.Rows().empty());
            continue;
        }
        ASSERT_EQ(totals.Rows().size(), 1u);
        const DailyTotals::Row &row = totals.Rows().front();
        EXPECT_EQ(row.day.ToText(), c.day);
        EXPECT_EQ(row.seconds, (std::vector<std::int64_t>{c.jan, c.piet}));
        EXPECT_EQ(row.idle, c.idle);
    }
}

// Days sort whatever the order of the records; bounds keep days in; an overflowing duration
// is counted apart; the empty name counts every record.
TEST(DailyTotals, DaysInOrderWithinTheBoundsAndOverflowsApart)
{
    const auto entry = [](std::int32_t day, std::optional<std::int32_t> elapsed,
                          const char *description) {
        return LogEntry{.nr = 1, .start = {}, .end = {2026, 12, day, 9, 0, 0},
                        .elapsed = elapsed, .description = description};
    };
    const std::vector<LogEntry> records = {
        entry(8, 100, "Jan"), entry(6, 10, "Jan"), entry(7, 1, "Piet"), entry(6, 20, "Jan"),
        entry(9, 5, "Jan"), entry(7, std::nullopt, "Jan"), entry(7, std::nullopt, "Anna")};
    const DailyTotals all(records, {"", "Jan"});
    std::string days;
    for (const DailyTotals::Row &row : all.Rows())
        days += row.day.ToText() + "=" + std::to_string(row.seconds[0]) + "/" +
                std::to_string(row.seconds[1]) + " ";
    EXPECT_EQ(days, "2026-12-06=30/30 2026-12-07=1/0 2026-12-08=100/100 2026-12-09=5/5 ");
    EXPECT_EQ(all.Overflowed(), 2);
    const DailyTotals bounded(records, {"Jan", "Piet"}, CalendarDay{2026, 12, 7},
                              CalendarDay{2026, 12, 8});
    ASSERT_EQ(bounded.Rows().size(), 2u);
    EXPECT_EQ(bounded.Rows().front().day, (CalendarDay{2026, 12, 7}));
    EXPECT_EQ(bounded.Overflowed(), 1);
    EXPECT_EQ(bounded.RowOf({2026, 12, 8}).seconds, (std::vector<std::int64_t>{100, 0}));
    EXPECT_EQ(bounded.RowOf({2026, 12, 6}).seconds, (std::vector<std::int64_t>{0, 0}));
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
    EXPECT_EQ(zk::UserHeading("Jan"), "Jan");
}
