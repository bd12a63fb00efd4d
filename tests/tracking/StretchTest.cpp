#include "StretchFixture.h"

#include "tracking/PointerUnseenNotice.h"

using Stretches = zk::test::StretchFixture;

// Each state's buttons, tray icon and tooltip; the tooltip follows the language at once.
TEST_F(Stretches, EachStateSetsButtonsTrayAndTooltip)
{
    using zk::TrayImage;
    const std::tuple<int, bool, bool, TrayImage, const char *> rows[] = {
        {1, false, true, TrayImage::Image2Active, "Sitclock is active!"},
        {0, true, false, TrayImage::Image1Inactive, "Sitclock is inactive!"},
        {2, true, false, TrayImage::Image1Inactive, "Sitclock is idle!"},
        {3, false, false, TrayImage::Image3Off, "Sitclock is turned off."},
    };
    for (const auto &[state, start, stop, icon, tip] : rows) {
        ctl.ActionState().State(state);
        EXPECT_EQ(std::tuple(stateView.startEnabled, stateView.stopEnabled, stateView.tray.icon),
                  std::tuple(start, stop, icon)) << tip;
        EXPECT_EQ(stateView.tray.toolTip, tip);
    }
    EXPECT_EQ(stateView.statusText, "Program is being turned off.");
    gLanguageChange().Change("NL");
    EXPECT_EQ(stateView.tray.toolTip, "Zitklok is niet werkzaam.");
}

// A stop asks for the description (Cancel keeps the name); a start while a stretch runs closes
// it now, acts as a user's start when switched off, and the idle stretch resets nothing.
TEST_F(Stretches, StartsAndStopsWriteTheRecords)
{
    ctl.NewRecord("Anna", false);
    EXPECT_EQ(view.filter, "Anna");
    Minutes(25);
    clock.Advance(5);
    dialogs.answers = {"Anna: homework"};
    ctl.btnEindigComputeren_Click();
    ctl.btnEindigComputeren_Click(); // nothing runs: nothing is asked
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text + "|" + dialogs.calls[0].title + "|" + dialogs.calls[0].offered,
              "Please enter your sitclock!|Quitting with the computeren|Anna");
    ctl.NewRecord("Bert", false);
    clock.Advance(7);
    ctl.NewRecord("Carla", false);
    ctl.btnEindigComputeren_Click();
    EXPECT_EQ(Log(), "9:00-9:25:05 Anna: homework|9:25:05-9:25:12 Bert|9:25:12-9:25:12 Carla|");
    ctl.ActionState().State(3);
    ctl.NewRecord("Anna", true);
    ctl.NewRecord("Idle", true);
    EXPECT_EQ(std::pair(State(), mouseWatchResets), std::pair(2, 4));
}

// The minute tick writes the end and the tooltip with today's total, the cursor kept; at two
// hours today the alarm comes once, also while its box lets the ticks run, until a new start.
TEST_F(Stretches, TheMinuteTickWritesTheEndTheTooltipAndTheAlarm)
{
    ctl.Timer1_Tick(); // nothing runs: nothing is written
    ctl.NewRecord("Bert", false);
    Minutes(1);
    ctl.NewRecord("Anna", false);
    Minutes(66);
    clock.Advance(1);
    view.today = 5760;
    actions.RecordNr(1);
    ctl.Timer1_Tick();
    EXPECT_EQ(actions.RecordNr(), 1);
    EXPECT_EQ(Log(), "9:00-9:01 Bert|9:01-10:07:01 Anna|");
    EXPECT_EQ(stateView.tray.toolTip,
              "Anna is busy for: 1 hours and 6 minutes. Today's total: 1 hours and 36 minutes");
    dialogs.whileOpen = [this] { clock.Advance(60), ctl.Timer1_Tick(); };
    view.today = 7200;
    Minutes(2);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text + "|" + dialogs.calls[0].title,
              "You're already using the computer for 2 hours. It's time to quit.|Alarm");
    ctl.NewRecord("Anna", false);
    Minutes(1);
    EXPECT_EQ(dialogs.calls.size(), 2u);
}

// The focus goes to the log list on the fifth tick of the countdown, and only once.
TEST_F(Stretches, TheFocusCountdownRunsOutAfterFiveTicks)
{
    ctl.focusCountdown(5);
    for (int tick = 1; tick <= 6; ++tick) {
        ctl.Timer2_Tick();
        EXPECT_EQ(std::pair(ctl.Timer2Needed(), view.focusCalls), std::pair(tick < 5, tick < 5 ? 0 : 1));
    }
}

// Ten still minutes end the stretch at the last movement and log "Idle" from there, also across
// midnight; without a movement the stretch ends where it began.
TEST_F(Stretches, TenStillMinutesEndTheStretchAtTheLastMovementAndLogIdle)
{
    clock.Set({2026, 11, 30, 23, 55, 0});
    ctl.NewRecord("Anna", false);
    Looks(1, true);
    Looks(59, false);
    EXPECT_EQ(State(), 1); // 590 seconds: still running
    Looks(1, false);
    EXPECT_EQ(std::tuple(State(), view.filter, view.visible), std::tuple(2, "Idle", false));
    EXPECT_EQ(stateView.statusText, "Automatically stopped logging your time, because the muis "
                                    "didn't move for 10 minutes.");
    Minutes(3, false); // the idle stretch runs on; more stillness does nothing
    EXPECT_EQ(view.startWindowShows, 1);
    ctl.NewRecord("Anna", false);
    Looks(60, false);
    EXPECT_EQ(Log(), "23:55-23:55:10 Anna|23:55:10-0:08:10 Idle|0:08:10-0:08:10 Anna|"
                     "0:08:10-0:18:10 Idle|");
    EXPECT_EQ(zk::test::Records(zk::test::ReadFileBytes(path))[1].end[1], 12); // in December
}

// With the option off stillness stops nothing and spends the warning until a new start; a
// pointer the program cannot see is told of once, and then its stillness stops the stretch.
TEST_F(Stretches, WithTheOptionOffOrAnUnseenPointerTheStretchGoesOn)
{
    view.autoStop = false;
    ctl.NewRecord("Anna", false);
    Minutes(15, false);
    view.autoStop = true;
    Minutes(5, false);
    EXPECT_EQ(State(), 1);
    pointer.canSee = false;
    ctl.NewRecord("Anna", false);
    Looks(90, false);
    EXPECT_EQ(std::pair(State(), stateView.statusWrites), std::pair(1, 1));
    ASSERT_EQ(dialogs.calls.size(), 1u); // the status bar of a hidden window is not seen
    EXPECT_EQ(dialogs.calls[0].text + "|" + dialogs.calls[0].title,
              PointerUnseenNoticeENG() + "|Sitclock");
    pointer.canSee = true;
    Looks(1, false);
    EXPECT_EQ(State(), 2);
}

// While the stop box is open an automatic stop closes the stretch once, and a user chosen
// meanwhile keeps running; the description goes to the stretch offered, the cursor stays.
TEST_F(Stretches, TheStopBoxKeepsTheEventLoopRunning)
{
    ctl.NewRecord("Anna", false);
    Looks(1, true);
    Looks(59, false);
    dialogs.answers = {"Homework", "Drawing"};
    dialogs.whileOpen = [this] { dialogs.whileOpen = nullptr, Looks(1, false); };
    ctl.btnEindigComputeren_Click();
    EXPECT_EQ(State(), 2);
    ctl.NewRecord("Anna", false);
    dialogs.whileOpen = [this] {
        dialogs.whileOpen = nullptr, clock.Advance(20), ctl.NewRecord("Bert", false);
        actions.RecordNr(1);
    };
    actions.RecordNr(2);
    ctl.btnEindigComputeren_Click();
    EXPECT_EQ(Log(), "9:00-9:00:10 Homework|9:00:10-9:10:10 Idle|9:10:10-9:10:30 Drawing|"
                     "9:10:30-9:10:30 Bert|");
    EXPECT_EQ(std::tuple(ctl.currentUser(), State(), actions.RecordNr()), std::tuple("Bert", 1, 2));
}

// Anna works half an hour, the clock jumps or the machine sleeps (automatic stop on or off),
// a tick, a look or Bert's start comes first, and half an hour more passes (not for Bert).
TEST_F(Stretches, OnlyASleepStopsTheStretchAndEveryRecordIsRealTime)
{
    const std::tuple<long long, long long, bool, int, bool, int, const char *> rows[] = {
        // jump, sleep, option on, first (0 a look, 1 a tick, 2 Bert), moving, state, records
        {3600, 0, true, 0, true, 1, "9:00-9:30 Anna|10:30-11:00 Anna|"},
        {-3600, 0, true, 1, true, 1, "9:00-9:30 Anna|8:30-9:00 Anna|"},
        {1200, 0, true, 1, true, 1, "9:00-9:30 Anna|9:50-10:20 Anna|"},
        {-1200, 0, true, 0, false, 2, "9:00-9:30 Anna|9:10-9:10 Anna|9:10-9:40 Idle|"},
        {0, 28800, true, 0, true, 2, "9:00-9:30 Anna|9:30-18:00 Idle|"},
        {0, 28800, true, 1, true, 2, "9:00-9:30 Anna|9:30-18:00 Idle|"},
        {0, 28800, true, 2, true, 1, "9:00-9:30 Anna|9:30-17:30 Idle|17:30-17:30 Bert|"},
        {0, 28800, false, 0, true, 1, "9:00-18:00 Anna|"},
    };
    for (const auto &[jump, sleep, on, first, moving, state, records] : rows) {
        SCOPED_TRACE(records);
        clock.Set({2026, 12, 6, 9, 0, 0});
        zk::test::TempDir own;
        path = own.File("actions.dat");
        actions.OpenFile(path);
        view.autoStop = on;
        ctl.NewRecord("Anna", false);
        Minutes(30);
        clock.Jump(jump);
        clock.Advance(sleep);
        first == 1 ? ctl.Timer1_Tick() : first == 2 ? ctl.NewRecord("Bert", false) : void();
        Minutes(first == 2 ? 0 : 30, moving);
        EXPECT_EQ(std::pair(State(), Log()), std::pair(state, std::string(records)));
        ctl.btnEindigComputeren_Click();
        actions.CloseFile();
    }
}
