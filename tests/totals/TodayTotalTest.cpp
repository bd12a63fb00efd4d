#include "TotalsFixture.h"

#include "time/OverflowError.h"
#include "totals/TodayTotalCache.h"

using namespace zk::test;

// Records that ended today, whole, whose description begins with the name. A change counts at
// once, the running stretch's too; the cursor is set back, which writes that record.
TEST_F(Totals, TodaysTotalFollowsChangesAndSetsTheCursorBack)
{
    Open({{{2026, 12, 5, 23, 0, 0}, {2026, 12, 6, 1, 0, 0}, "Jan"},     // 7200, from yesterday
          {{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 30, 59}, "Jansen"}, // 1859
          {{2026, 12, 5, 10, 0, 0}, {2026, 12, 5, 11, 0, 0}, "Jan"},    // yesterday
          {{1, 1, 1, 0, 0, 0}, {2026, 12, 6, 0, 0, 0}, "Jan oud"}});    // no duration
    zk::TodayTotalCache today(store);
    EXPECT_EQ(today.GetTodayTimeFromUser("Jan"), 9059);
    clock.Set({2026, 12, 5, 12, 0, 0}); // a day back: yesterday's records count again
    EXPECT_EQ(today.GetTodayTimeFromUser("Jan"), 3600);
    clock.Set({2026, 12, 6, 12, 0, 0});
    store.RecordNr(3);
    store.EndDateTimeDay(6);
    store.RecordNr(5);
    store.SetStartTimeToNow();
    store.Description("Jan");
    store.Flush(); // a running stretch is in the file, its end changed at every tick
    clock.Advance(120);
    store.SetEndTimeToNow();
    EXPECT_EQ(today.GetTodayTimeFromUser("Jan"), 9059 + 90000 + 120);
    EXPECT_EQ(store.RecordNr(), 5);
    EXPECT_EQ(Records(ReadFileBytes(path)).at(4).end[4], 2); // written as the cursor went back
    clock.Set({2026, 12, 7, 0, 0, 1});
    EXPECT_EQ(today.GetTodayTimeFromUser("Jan"), 0);
    const std::string other = dir.File("other.dat");
    WriteFileBytes(other, Bytes({{{2026, 12, 7, 0, 0, 0}, {2026, 12, 7, 0, 1, 0}, "Jan"}}));
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
