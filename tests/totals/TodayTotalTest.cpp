#include "TotalsFixture.h"

#include "time/OverflowError.h"
#include "totals/TodayTotalCache.h"

using namespace zk::test;

// Two records of 66 years each that end today: a total beyond 32 bits is an error, not a wrap.
TEST_F(Totals, TodaysTotalBeyond32BitsRaisesAnOverflow)
{
    Open({{{1960, 12, 6, 0, 0, 0}, {2026, 12, 6, 0, 0, 0}, "Jan"},
          {{1960, 12, 6, 0, 0, 0}, {2026, 12, 6, 0, 0, 0}, "Jan"}});
    zk::TodayTotalCache today(store);
    EXPECT_THROW(today.GetTodayTimeFromUser("Jan"), zk::OverflowError);
    EXPECT_EQ(store.RecordNr(), 1);
}
