#include "TotalsFixture.h"

#include "time/OverflowError.h"
#include "totals/TodayTotalCache.h"

using namespace zk::test;

// Records that ended today (whole, also from yesterday), whose description begins with the name.
TEST_F(Totals, TodaysTotalByTheDayRecordsEndedAndByNamePrefix)
{
    Open({{{2026, 12, 5, 23, 0, 0}, {2026, 12, 6, 1, 0, 0}, "Jan"},     // 7200
          {{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 30, 59}, "Jansen"}, // 1859
          {{2026, 12, 5, 10, 0, 0}, {2026, 12, 5, 11, 0, 0}, "Jan"},    // yesterday
          {{2026, 12, 6, 10, 0, 0}, {0, 0, 0, 0, 0, 0}, "Jan"},         // no end
          {{2026, 12, 6, 10, 0, 0}, {2026, 12, 6, 10, 10, 0}, "jan"},   // 600, other case
          {{2026, 11, 6, 10, 0, 0}, {2026, 11, 6, 11, 0, 0}, "Jan"},    // a month ago
          {{2025, 12, 6, 10, 0, 0}, {2025, 12, 6, 11, 0, 0}, "Jan"},    // a year ago
          {{1, 1, 1, 0, 0, 0}, {2026, 12, 6, 0, 0, 0}, "Jan oud"},      // no duration
          {{2026, 12, 6, 11, 0, 0}, {2026, 12, 6, 11, 1, 0}, "Ja"}});   // 60
    zk::TodayTotalCache today(store);
    const std::pair<const char *, std::int32_t> totals[] = {
        {"Jan", 9059}, {"Jansen", 1859}, {"", 9719}, {"Kees", 0}, {"J", 9119}};
    for (const auto &[name, seconds] : totals) {
        SCOPED_TRACE(name);
        EXPECT_EQ(today.GetTodayTimeFromUser(name), seconds);
    }
    clock.Set({2026, 12, 7, 0, 0, 1});
    EXPECT_EQ(today.GetTodayTimeFromUser("Jan"), 0);
    clock.Set({2026, 12, 5, 23, 0, 0});
    EXPECT_EQ(today.GetTodayTimeFromUser("Jan"), 3600);
}

// A change counts at once, the running stretch too; the cursor is set back, which writes it.
TEST_F(Totals, TodaysTotalFollowsChangesAndSetsTheCursorBack)
{
    Open({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Jan"},
          {{2026, 12, 5, 10, 0, 0}, {2026, 12, 5, 11, 0, 0}, "Jan"}});
    zk::TodayTotalCache today(store);
    EXPECT_EQ(today.GetTodayTimeFromUser("Jan"), 3600);
    store.RecordNr(2);
    store.EndDateTimeDay(6);
    store.RecordNr(3);
    store.SetStartTimeToNow();
    store.SetEndTimeToNow();
    store.Description("Jan");
    store.Flush(); // a running stretch is in the file, its end changed at every tick
    clock.Advance(120);
    store.SetEndTimeToNow();
    EXPECT_EQ(today.GetTodayTimeFromUser("Jan"), 3600 + 90000 + 120);
    EXPECT_EQ(store.RecordNr(), 3);
    const auto records = zk::test::Records(ReadFileBytes(path));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].end[4], 2); // written when the cursor was set back
    const std::string other = dir.File("other.dat");
    WriteFileBytes(other, Bytes({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 1, 0}, "Jan"}}));
    store.OpenFile(other); // another file: nothing known of the old one counts
    EXPECT_EQ(today.GetTodayTimeFromUser("Jan"), 60);
}

// Two records of 66 years each that end today: a total beyond 32 bits is an error, not a wrap.
TEST_F(Totals, TodaysTotalBeyond32BitsRaisesAnOverflow)
{
    Open({{{1960, 12, 6, 0, 0, 0}, {2026, 12, 6, 0, 0, 0}, "Jan"},
          {{1960, 12, 6, 0, 0, 0}, {2026, 12, 6, 0, 0, 0}, "Jan"}});
    zk::TodayTotalCache today(store);
    EXPECT_THROW(today.GetTodayTimeFromUser("Jan"), zk::OverflowError);
    EXPECT_EQ(store.RecordNr(), 1);
}
