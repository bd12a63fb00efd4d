#include "StretchFixture.h"

using namespace zk::test;
using SleepAndClock = StretchFixture;

namespace {

std::string Clock(std::int32_t h, std::int32_t m, std::int32_t s)
{
    std::string text = std::to_string(h) + ":" + (m < 10 ? "0" : "") + std::to_string(m);
    return s == 0 ? text : text + ":" + std::to_string(s);
}

} // namespace

// Anna works half an hour, then the clock jumps or the machine sleeps, then
// half an hour more passes with the pointer moving or still.
TEST_F(SleepAndClock, OnlyASleepStopsTheStretchAndEveryRecordIsRealTime)
{
    struct Row
    {
        const char *what;
        long long jump, sleep;
        bool tickFirst, moving;
        int state, annaMinutes;
        const char *records;
    };
    const Row rows[] = {
        {"summer time forward", 3600, 0, false, true, 1, 60, "9:00-9:30 Anna|10:30-11:00 Anna|"},
        {"summer time back", -3600, 0, true, true, 1, 60, "9:00-9:30 Anna|8:30-9:00 Anna|"},
        {"corrected +20 min", 1200, 0, true, true, 1, 60, "9:00-9:30 Anna|9:50-10:20 Anna|"},
        {"corrected -20 min", -1200, 0, false, true, 1, 60, "9:00-9:30 Anna|9:10-9:40 Anna|"},
        {"-20 min, then still", -1200, 0, false, false, 2, 30,
         "9:00-9:30 Anna|9:10-9:10 Anna|9:10-9:40 Idle|"},
        {"8 h asleep, look first", 0, 28800, false, true, 2, 30, "9:00-9:30 Anna|9:30-18:00 Idle|"},
        {"8 h asleep, tick first", 0, 28800, true, true, 2, 30, "9:00-9:30 Anna|9:30-18:00 Idle|"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        clock.Set({2026, 12, 6, 9, 0, 0});
        TempDir own;
        path = own.File("actions.dat");
        actions.OpenFile(path);
        ctl->NewRecord("Anna", false);
        Minutes(30);
        clock.Jump(row.jump);
        clock.Advance(row.sleep);
        if (row.tickFirst)
            ctl->Timer1_Tick();
        Minutes(30, row.moving);

        EXPECT_EQ(State(), row.state);
        EXPECT_EQ(view.GetTodayTimeFromUser("Anna"), row.annaMinutes * 60);
        std::string records;
        for (std::size_t i = 0; i < Disk().size(); ++i) {
            const TimeFields f = Disk()[i];
            records += Clock(f[3], f[4], f[5]) + "-" + Clock(f[9], f[10], f[11]) + " " +
                       DescriptionOf(static_cast<std::int32_t>(i + 1)) + "|";
        }
        EXPECT_EQ(records, row.records);
        ctl->btnEindigComputeren_Click();
        actions.CloseFile();
    }
}

TEST_F(SleepAndClock, WithTheOptionOffASleepIsPartOfTheStretch)
{
    view.autoStop = false;
    ctl->NewRecord("Anna", false);
    Minutes(30);
    clock.Advance(8 * 3600);
    Look();
    ctl->Timer1_Tick();
    EXPECT_EQ(State(), 1);
    ASSERT_EQ(Disk().size(), 1u);
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 17, 30, 0}));
}

TEST_F(SleepAndClock, AStartRightAfterASleepEndsTheRunningStretchAtTheLastMovement)
{
    ctl->NewRecord("Anna", false);
    Minutes(30);
    clock.Advance(8 * 3600);
    ctl->NewRecord("Bert", false);
    ASSERT_EQ(Disk().size(), 3u);
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 30, 0}));
    EXPECT_EQ(Disk()[1], Fields({2026, 12, 6, 9, 30, 0}, {2026, 12, 6, 17, 30, 0}));
    EXPECT_EQ(DescriptionOf(2) + DescriptionOf(3), "IdleBert");
    EXPECT_EQ(State(), 1);
}
