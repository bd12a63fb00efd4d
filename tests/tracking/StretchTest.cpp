#include "StretchFixture.h"

#include "tracking/PointerUnseenNotice.h"

using namespace zk::test;
using Stretches = StretchFixture;

// A stop asks for the description (Cancel keeps the name); a start while a stretch runs closes
// it now, acts as a user's start when switched off, and the idle stretch resets nothing.
TEST_F(Stretches, StartsAndStopsWriteTheRecords)
{
    ctl->NewRecord("Anna", false);
    EXPECT_EQ(view.filter, "Anna");
    Minutes(25);
    clock.Advance(5);
    dialogs.answers = {"Anna: homework"};
    ctl->btnEindigComputeren_Click();
    ctl->btnEindigComputeren_Click(); // nothing runs: nothing is asked
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text + "|" + dialogs.calls[0].title + "|" + dialogs.calls[0].offered,
              "Please enter your sitclock!|Quitting with the computeren|Anna");
    EXPECT_EQ(State(), 0);
    ctl->NewRecord("Bert", false);
    clock.Advance(7);
    ctl->NewRecord("Carla", false);
    ctl->btnEindigComputeren_Click();
    EXPECT_EQ(Log(), "9:00:00-9:25:05 Anna: homework|9:25:05-9:25:12 Bert|9:25:12-9:25:12 Carla|");
    ctl->ActionState().State(3);
    ctl->NewRecord("Anna", true);
    EXPECT_EQ(State(), 1);
    ctl->NewRecord("Idle", true);
    EXPECT_EQ(State(), 2);
    EXPECT_EQ(mouseWatchResets, 4);
}

// The minute tick writes the end and the tooltip with today's total; at two hours today the
// alarm comes once, also while its box lets the ticks run on, until a new start re-arms it.
TEST_F(Stretches, TheMinuteTickWritesTheEndTheTooltipAndTheAlarm)
{
    ctl->Timer1_Tick(); // nothing runs: nothing is written
    EXPECT_EQ(Log(), "");
    ctl->NewRecord("Bert", false);
    Minutes(1);
    ctl->NewRecord("Anna", false);
    Minutes(66);
    clock.Advance(1);
    view.today = 5760;
    actions.RecordNr(1);
    ctl->Timer1_Tick();
    EXPECT_EQ(actions.RecordNr(), 1); // the shared cursor is left where it was
    EXPECT_EQ(Log(), "9:00:00-9:01:00 Bert|9:01:00-10:07:01 Anna|");
    EXPECT_EQ(stateView.tray.toolTip,
              "Anna is busy for: 1 hours and 6 minutes. Today's total: 1 hours and 36 minutes");
    dialogs.whileOpen = [this] { clock.Advance(60), ctl->Timer1_Tick(); };
    view.today = 7199;
    Minutes(1);
    EXPECT_TRUE(dialogs.calls.empty());
    view.today = 7200;
    Minutes(2);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text + "|" + dialogs.calls[0].title,
              "You're already using the computer for 2 hours. It's time to quit.|Alarm");
    ctl->NewRecord("Anna", false);
    Minutes(1);
    EXPECT_EQ(dialogs.calls.size(), 2u);
    dialogs.whileOpen = nullptr;
    gLanguageChange().Change("NL");
    EXPECT_EQ(stateView.tray.toolTip, "Zitklok is Aktief!"); // the state's text is back
    view.today = 59;
    Minutes(1);
    EXPECT_EQ(stateView.tray.toolTip, "Anna is bezig: 3 minuten. Totaal vandaag: 0 minuten");
}

TEST_F(Stretches, TheFocusCountdownRunsOutAfterFiveTicksWhenShown)
{
    EXPECT_FALSE(ctl->Timer2Needed());
    for (const bool visible : {true, false}) {
        view.visible = visible;
        ctl->focusCountdown(5);
        for (int i = 0; i < 4; ++i)
            ctl->Timer2_Tick();
        EXPECT_EQ(std::pair(ctl->Timer2Needed(), view.focusCalls), std::pair(true, visible ? 0 : 1));
        ctl->Timer2_Tick();
        ctl->Timer2_Tick();
        EXPECT_EQ(std::pair(ctl->Timer2Needed(), view.focusCalls), std::pair(false, 1));
    }
}

// Ten still minutes end the stretch at the last movement and log "Idle" from there, here across
// midnight and a month; without a movement the stretch ends where it began.
TEST_F(Stretches, TenStillMinutesEndTheStretchAtTheLastMovementAndLogIdle)
{
    clock.Set({2026, 11, 30, 23, 55, 0});
    ctl->NewRecord("Anna", false);
    Looks(1, true);
    Looks(59, false);
    EXPECT_EQ(State(), 1); // 590 seconds: still running
    Looks(1, false);
    EXPECT_EQ(std::tuple(State(), view.filter, view.visible), std::tuple(2, "Idle", false));
    EXPECT_EQ(stateView.statusText, "Automatically stopped logging your time, because the muis "
                                    "didn't move for 10 minutes.");
    Minutes(3, false); // the idle stretch runs on; more stillness does nothing
    EXPECT_EQ(view.startWindowShows, 1);
    gLanguageChange().Change("NL");
    ctl->NewRecord("Anna", false);
    Looks(60, false);
    EXPECT_EQ(Log(), "23:55:00-23:55:10 Anna|23:55:10-0:08:10 Idle|0:08:10-0:08:10 Anna|"
                     "0:08:10-0:18:10 Idle|");
    EXPECT_EQ(Records(ReadFileBytes(path))[1].end[1], 12); // into December
    EXPECT_EQ(stateView.statusText,
              "Automatisch gestopt met tijd, omdat de muis 10 minuten lang stilstond.");
}

// With the option off, stillness stops nothing and spends the warning until a new start; a
// pointer the program cannot see is told of once, and then its stillness stops the stretch.
TEST_F(Stretches, WithTheOptionOffOrAnUnseenPointerTheStretchGoesOn)
{
    view.autoStop = false;
    ctl->NewRecord("Anna", false);
    Minutes(15, false);
    view.autoStop = true;
    Minutes(5, false);
    EXPECT_EQ(std::pair(State(), stateView.statusWrites), std::pair(1, 0));
    pointer.canSee = false;
    ctl->NewRecord("Anna", false);
    Looks(90, false);
    EXPECT_EQ(std::pair(State(), stateView.statusWrites), std::pair(1, 1));
    EXPECT_EQ(stateView.statusText, PointerUnseenNoticeENG());
    ASSERT_EQ(dialogs.calls.size(), 1u); // the status bar of a hidden window is not seen
    EXPECT_EQ(dialogs.calls[0].text + "|" + dialogs.calls[0].title,
              PointerUnseenNoticeENG() + "|Sitclock");
    pointer.canSee = true;
    Looks(1, false);
    EXPECT_EQ(State(), 2);
    ctl->ActionState().State(3); // switched off: stillness stops nothing
    Looks(70, false);
    EXPECT_EQ(State(), 3);
}

// While the stop box is open an automatic stop closes the stretch once, and a user chosen
// meanwhile keeps running; the description goes to the stretch offered.
TEST_F(Stretches, TheStopBoxKeepsTheEventLoopRunning)
{
    ctl->NewRecord("Anna", false);
    Looks(1, true);
    Looks(59, false);
    dialogs.answers = {"Homework", "Drawing"};
    dialogs.whileOpen = [this] { dialogs.whileOpen = nullptr, Looks(1, false); };
    ctl->btnEindigComputeren_Click();
    EXPECT_EQ(State(), 2);
    ctl->NewRecord("Anna", false);
    dialogs.whileOpen = [this] {
        dialogs.whileOpen = nullptr, clock.Advance(20), ctl->NewRecord("Bert", false);
        actions.RecordNr(1);
    };
    actions.RecordNr(2);
    ctl->btnEindigComputeren_Click();
    EXPECT_EQ(Log(), "9:00:00-9:00:10 Homework|9:00:10-9:10:10 Idle|9:10:10-9:10:30 Drawing|"
                     "9:10:30-9:10:30 Bert|");
    EXPECT_EQ(std::tuple(ctl->currentUser(), State(), actions.RecordNr()), std::tuple("Bert", 1, 2));
}

// Anna works half an hour, the clock jumps or the machine sleeps (automatic stop on or off),
// a tick, a look or Bert's start comes first, and half an hour more passes (not for Bert).
TEST_F(Stretches, OnlyASleepStopsTheStretchAndEveryRecordIsRealTime)
{
    const std::tuple<const char *, long long, long long, bool, int, bool, int, const char *> rows[] = {
        // what, jump, sleep, option on, first (1 tick, 2 Bert's start), moving, state, records
        {"summer time forward", 3600, 0, true, 0, true, 1, "9:00:00-9:30:00 Anna|10:30:00-11:00:00 Anna|"},
        {"summer time back", -3600, 0, true, 1, true, 1, "9:00:00-9:30:00 Anna|8:30:00-9:00:00 Anna|"},
        {"corrected +20 min", 1200, 0, true, 1, true, 1, "9:00:00-9:30:00 Anna|9:50:00-10:20:00 Anna|"},
        {"-20 min, then still", -1200, 0, true, 0, false, 2,
         "9:00:00-9:30:00 Anna|9:10:00-9:10:00 Anna|9:10:00-9:40:00 Idle|"},
        {"asleep, look first", 0, 28800, true, 0, true, 2, "9:00:00-9:30:00 Anna|9:30:00-18:00:00 Idle|"},
        {"asleep, tick first", 0, 28800, true, 1, true, 2, "9:00:00-9:30:00 Anna|9:30:00-18:00:00 Idle|"},
        {"asleep, Bert first", 0, 28800, true, 2, true, 1,
         "9:00:00-9:30:00 Anna|9:30:00-17:30:00 Idle|17:30:00-17:30:00 Bert|"},
        {"asleep, option off", 0, 28800, false, 0, true, 1, "9:00:00-18:00:00 Anna|"},
    };
    for (const auto &[what, jump, sleep, on, first, moving, state, records] : rows) {
        SCOPED_TRACE(what);
        clock.Set({2026, 12, 6, 9, 0, 0});
        TempDir own;
        path = own.File("actions.dat");
        actions.OpenFile(path);
        view.autoStop = on;
        ctl->NewRecord("Anna", false);
        Minutes(30);
        clock.Jump(jump);
        clock.Advance(sleep);
        first == 1 ? ctl->Timer1_Tick() : first == 2 ? ctl->NewRecord("Bert", false) : void();
        Minutes(first == 2 ? 0 : 30, moving);
        EXPECT_EQ(std::pair(State(), Log()), std::pair(state, std::string(records)));
        ctl->btnEindigComputeren_Click();
        actions.CloseFile();
    }
}
