#include "StretchFixture.h"

using namespace zk::test;
using SleepAndClock = StretchFixture;

namespace {
constexpr long long kEightHours = 8 * 3600;
}

TEST_F(SleepAndClock, EightHoursAsleepEndTheStretchAtTheLastMovementWhicheverTimerWakesFirst)
{
    // The minute tick feeds the two-hour warning with the total of whoever
    // is busy, "Idle" included; it must not be Anna's sleep that raises it.
    int alarmsWhileAnnaRan = 0;
    dialogs.whileOpen = [&] {
        if (dialogs.calls.back().kind == "message" && State() == 1)
            ++alarmsWhileAnnaRan;
    };
    for (const bool watchFirst : {true, false}) {
        SCOPED_TRACE(watchFirst ? "mouse watch first" : "minute tick first");
        clock.Set({2026, 12, 6, 9, 0, 0});
        TempDir own;
        actions.OpenFile(own.File("actions.dat"));
        ctl->NewRecord("Anna", false);
        Minutes(30); // last movement 9:30:00
        clock.Advance(kEightHours + 5);
        pointer.position.y += 40; // the person moves the mouse to wake the machine
        if (watchFirst)
            Look();
        ctl->Timer1_Tick();
        if (!watchFirst)
            Look();

        EXPECT_EQ(State(), 2);
        EXPECT_EQ(alarmsWhileAnnaRan, 0) << "the sleep counted as use";
        const auto disk = ReadTimeFields(own.File("actions.dat"));
        ASSERT_EQ(disk.size(), 2u);
        EXPECT_EQ(disk[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 30, 0}));
        EXPECT_EQ(disk[1], Fields({2026, 12, 6, 9, 30, 0}, {2026, 12, 6, 17, 30, 5}));
        EXPECT_EQ(DescriptionOf(2), "Idle");

        // Back at work: the returning user starts again from the start window.
        Looks(3, true);
        ctl->NewRecord("Anna", false);
        EXPECT_EQ(State(), 1);
        Minutes(2);
        EXPECT_EQ(State(), 1);
        ctl->btnEindigComputeren_Click();
        actions.CloseFile();
    }
}

TEST_F(SleepAndClock, WithTheOptionOffASleepIsPartOfTheStretch)
{
    view.autoStop = false;
    ctl->NewRecord("Anna", false);
    Minutes(30);
    clock.Advance(kEightHours);
    Look();
    ctl->Timer1_Tick();
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(ctl->currentRecordNr(), 1);
    ASSERT_EQ(Disk().size(), 1u);
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 17, 30, 0}));
}

TEST_F(SleepAndClock, AClockSetBackNeverMakesANegativeStretch)
{
    ctl->NewRecord("Anna", false);
    Minutes(30);
    clock.Set({2026, 12, 6, 8, 0, 0});
    Minutes(1);
    // The stretch so far keeps its end; it goes on in a new record.
    auto disk = Disk();
    ASSERT_EQ(disk.size(), 2u);
    EXPECT_EQ(disk[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 30, 0}));
    EXPECT_EQ(disk[1], Fields({2026, 12, 6, 8, 1, 0}, {2026, 12, 6, 8, 1, 0}));
    EXPECT_EQ(DescriptionOf(2), "Anna");
    EXPECT_EQ(ctl->currentRecordNr(), 2);
    EXPECT_EQ(State(), 1);
    Minutes(9);
    EXPECT_EQ(stateView.tray.toolTip,
              "Anna is busy for: 9 minutes. Today's total: 39 minutes");

    // Set back again and stopped before the next tick: the end stays put.
    clock.Set({2026, 12, 6, 7, 0, 0});
    ctl->btnEindigComputeren_Click();
    disk = Disk();
    ASSERT_EQ(disk.size(), 2u);
    EXPECT_EQ(disk[1], Fields({2026, 12, 6, 8, 1, 0}, {2026, 12, 6, 8, 10, 0}));
    EXPECT_EQ(view.GetTodayTimeFromUser("Anna"), 39 * 60);
}

TEST_F(SleepAndClock, AClockSetBackAfterTheLastMovementStartsTheIdleRecordNoLaterThanNow)
{
    ctl->NewRecord("Anna", false);
    Looks(30, true); // last movement 9:05:00
    clock.Set({2026, 12, 6, 8, 50, 0});
    Looks(60, false); // the 60th still look at 9:00:00 by the clock
    EXPECT_EQ(State(), 2);
    const auto disk = Disk();
    ASSERT_EQ(disk.size(), 2u);
    EXPECT_EQ(disk[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 5, 0}));
    EXPECT_EQ(disk[1], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 0}));
}
