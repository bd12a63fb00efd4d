#include "StretchFixture.h"

#include "tracking/PointerUnseenNotice.h"

using Stretches = zk::test::StretchFixture;

// Each state's buttons, tray and tooltip (in the new language at once); the focus countdown.
TEST_F(Stretches, TheWindowFollowsTheStateAndTheFocusCountdown)
{
    const std::tuple<int, bool, bool, zk::TrayImage, const char *> rows[] = {
        {1, false, true, zk::TrayImage::Image2Active, "Sitclock is active!"},
        {0, true, false, zk::TrayImage::Image1Inactive, "Sitclock is inactive!"},
        {2, true, false, zk::TrayImage::Image1Inactive, "Sitclock is idle!"},
        {3, false, false, zk::TrayImage::Image3Off, "Sitclock is turned off."},
    };
    for (const auto &[state, start, stop, icon, tip] : rows) {
        ctl.ActionState().State(state);
        EXPECT_EQ(std::tuple(view.startEnabled, view.stopEnabled, view.tray.icon,
                             view.tray.toolTip), std::tuple(start, stop, icon, tip));
    }
    gLanguageChange().Change("NL");
    EXPECT_EQ(view.tray.toolTip + "|" + view.statusText,
              "Zitklok is niet werkzaam.|Programma is uitgeschakeld.");
    ctl.focusCountdown(5);
    for (int tick = 1; tick <= 6; ++tick) {
        EXPECT_EQ(std::pair(ctl.Timer2Needed(), view.focusCalls), std::pair(tick <= 5, tick / 6));
        ctl.Timer2_Tick();
    }
}

// The minute tick writes the end and the tooltip with the user's total of today (an earlier
// stretch counts); the two-hour alarm comes once (also while its box lets the ticks run on)
// until a new start.
TEST_F(Stretches, TheMinuteTickWritesTheEndTheTooltipAndTheAlarm)
{
    actions.CloseFile();
    zk::test::WriteFileBytes(
        path, zk::test::Bytes({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 30, 0}, "Anna"}}));
    actions.OpenFile(path);
    ctl.Timer1_Tick(); // nothing runs: nothing is written
    ctl.NewRecord("Bert", false);
    Minutes(1);
    ctl.NewRecord("Anna", false);
    Minutes(66);
    clock.Advance(1);
    ctl.Timer1_Tick();
    EXPECT_EQ(Log(), "8:00-8:30 Anna|9:00-9:01 Bert|9:01-10:07:01 Anna|");
    EXPECT_EQ(view.tray.toolTip,
              "Anna is busy for: 1 hours and 6 minutes. Today's total: 1 hours and 36 minutes");
    dialogs.whileOpen = [this] {
        clock.Advance(60);
        ctl.Timer1_Tick();
    };
    Minutes(23);
    EXPECT_TRUE(dialogs.calls.empty()); // 1:59:01 today
    Minutes(1);
    EXPECT_EQ(dialogs.calls.at(0).text + "|" + dialogs.calls[0].title,
              "You're already using the computer for 2 hours. It's time to quit.|Alarm");
    Minutes(2);
    ctl.NewRecord("Anna", false);
    Minutes(1);
    EXPECT_EQ(dialogs.calls.size(), 2u);
}

// Ten still minutes (not nine) end the stretch at the last movement, or at its start, and log
// "Idle" from there, across midnight; a pointer the program cannot see stops nothing, told once.
TEST_F(Stretches, TenStillMinutesEndTheStretchAtTheLastMovementAndLogIdle)
{
    clock.Set({2026, 11, 30, 23, 55, 0});
    ctl.NewRecord("Anna", false);
    Looks(1, true);
    Looks(59, false);
    EXPECT_EQ(State(), 1);
    Looks(1, false);
    EXPECT_EQ(std::tuple(State(), view.filter, view.visible), std::tuple(2, "Idle", false));
    Minutes(3, false); // more stillness does nothing
    ctl.NewRecord("Anna", false);
    Looks(60, false);
    EXPECT_EQ(Log(), "23:55-23:55:10 Anna|23:55:10-0:08:10 Idle|0:08:10-0:08:10 Anna|"
                     "0:08:10-0:18:10 Idle|");
    pointer.canSee = false;
    ctl.NewRecord("Anna", false);
    Looks(90, false);
    EXPECT_EQ(std::pair(State(), view.statusWrites), std::pair(1, 3));
    ASSERT_EQ(dialogs.calls.size(), 1u); // the status bar of a hidden window is not seen
    EXPECT_EQ(dialogs.calls[0].text + "|" + dialogs.calls[0].title,
              PointerUnseenNoticeENG() + "|Sitclock");
    pointer.canSee = true;
    Looks(1, false);
    EXPECT_EQ(State(), 2);
}

// Half an hour, a clock jump or a sleep, a look, tick or Bert's start first, half an hour more.
TEST_F(Stretches, OnlyASleepStopsTheStretchAndEveryRecordIsRealTime)
{
    enum class First { Look, Tick, BertStarts };
    struct Row
    {
        long long jump = 0, sleep = 0;
        bool automaticStop = true;
        First first = First::Look;
        bool moving = true;
        int state = 1;
        const char *log;
    };
    const Row rows[] = {
        {.jump = 3600, .log = "9:00-9:30 Anna|10:30-11:00 Anna|"},
        {.jump = -3600, .first = First::Tick, .log = "9:00-9:30 Anna|8:30-9:00 Anna|"},
        {.jump = 1200, .first = First::Tick, .log = "9:00-9:30 Anna|9:50-10:20 Anna|"},
        {.jump = -1200, .moving = false, .state = 2,
         .log = "9:00-9:30 Anna|9:10-9:10 Anna|9:10-9:40 Idle|"},
        {.sleep = 28800, .state = 2, .log = "9:00-9:30 Anna|9:30-18:00 Idle|"},
        {.sleep = 28800, .first = First::Tick, .state = 2,
         .log = "9:00-9:30 Anna|9:30-18:00 Idle|"},
        {.sleep = 28800, .first = First::BertStarts,
         .log = "9:00-9:30 Anna|9:30-17:30 Idle|17:30-17:30 Bert|"},
        {.sleep = 28800, .automaticStop = false, .log = "9:00-18:00 Anna|"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        clock.Set({2026, 12, 6, 9, 0, 0});
        const std::size_t before = Log().size();
        options.SetAutoStopOnMouseIdle(row.automaticStop);
        ctl.NewRecord("Anna", false);
        Minutes(30);
        clock.Jump(row.jump);
        clock.Advance(row.sleep);
        if (row.first == First::Tick)
            ctl.Timer1_Tick();
        if (row.first == First::BertStarts)
            ctl.NewRecord("Bert", false);
        Minutes(row.first == First::BertStarts ? 0 : 30, row.moving);
        EXPECT_EQ(State(), row.state);
        EXPECT_EQ(Log().substr(before), row.log);
        ctl.btnEindigComputeren_Click();
    }
}

// A stretch into a log that is not whole records tells once, in the current language, where the
// whole log was copied before the write; a tail short of half a record is written over.
TEST_F(Stretches, ADamagedLogIsToldOnceWhereItsCopyIs)
{
    zk::test::WriteFileBytes(path, std::string(50, 'G'));
    gLanguageChange().Change("NL");
    ctl.NewRecord("Anna", false);
    ctl.NewRecord("Bert", false);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text,
              "Het einde van het logboek " + path + " was beschadigd. Een kopie van het hele "
              "logboek is bewaard als " + dir.File("actions-damaged-2026-12-06.dat") +
              "; Zitklok schrijft verder in het logboek.");
    EXPECT_EQ(Log(), "9:00-9:00 Anna|9:00-9:00 Bert|");
}
