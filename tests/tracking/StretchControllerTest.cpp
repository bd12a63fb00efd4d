#include "StretchFixture.h"

using namespace zk::test;
using Stretches = StretchFixture;

TEST_F(Stretches, StartAndStopWriteOneRecordWithTheTypedDescription)
{
    view.filter = "-Idle";
    ctl->NewRecord("Anna", false);
    EXPECT_EQ(ctl->currentRecordNr(), 1);
    EXPECT_EQ(ctl->currentUser(), "Anna");
    EXPECT_EQ(State(), 1);
    EXPECT_FALSE(stateView.startEnabled);
    EXPECT_TRUE(stateView.stopEnabled);
    EXPECT_EQ(stateView.tray.icon, zk::TrayImage::Image2Active);
    EXPECT_EQ(view.filter, "Anna");
    EXPECT_EQ(view.filterSets, 1);
    EXPECT_EQ(mouseWatchResets, 1);
    ASSERT_EQ(Disk().size(), 1u);
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 0}));
    EXPECT_EQ(DescriptionOf(1), "Anna");

    Minutes(25);
    clock.Advance(5);
    dialogs.answers.push_back("Anna: homework");
    ctl->btnEindigComputeren_Click();

    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, "input");
    EXPECT_EQ(dialogs.calls[0].text, "Please enter your sitclock!");
    EXPECT_EQ(dialogs.calls[0].title, "Quitting with the computeren");
    EXPECT_EQ(dialogs.calls[0].offered, "Anna");
    EXPECT_EQ(ctl->currentRecordNr(), 0);
    EXPECT_EQ(ctl->currentUser(), "Anna");
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(stateView.tray.toolTip, "Sitclock is inactive!");
    ASSERT_EQ(Disk().size(), 1u);
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 25, 5}));
    EXPECT_EQ(DescriptionOf(1), "Anna: homework");

    // Nothing runs: another press asks nothing.
    ctl->btnEindigComputeren_Click();
    EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(Stretches, StopWithCancelOrEmptyKeepsTheNameAndTheBoxSpeaksDutch)
{
    Language("NL");
    for (int round = 0; round < 2; ++round) {
        ctl->NewRecord("Bert", false);
        Minutes(3);
        if (round == 1)
            dialogs.answers.push_back(""); // an emptied box counts as Cancel
        ctl->btnEindigComputeren_Click();
    }
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].text, "Vul de zitklok in!");
    EXPECT_EQ(dialogs.calls[0].title, "Stoppen met computeren");
    EXPECT_EQ(DescriptionOf(1), "Bert");
    EXPECT_EQ(DescriptionOf(2), "Bert");
    EXPECT_EQ(stateView.tray.toolTip, "Zitklok is niet aktief!");
}

TEST_F(Stretches, ChoosingAUserWhileAnotherRunsClosesItNowAndFollowsTheFilter)
{
    ctl->NewRecord("Anna", false);
    Minutes(10);
    clock.Advance(7);
    ctl->NewRecord("Bert", false);
    EXPECT_EQ(ctl->currentRecordNr(), 2);
    EXPECT_EQ(view.filter, "Bert");
    ASSERT_EQ(Disk().size(), 2u);
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 10, 7}));
    EXPECT_EQ(Disk()[1], Fields({2026, 12, 6, 9, 10, 7}, {2026, 12, 6, 9, 10, 7}));

    // A filter that already shows the name is refreshed, not set again.
    const int sets = view.filterSets;
    const int changes = view.filterChanges;
    ctl->NewRecord("Bert", false);
    EXPECT_EQ(view.filterSets, sets);
    EXPECT_EQ(view.filterChanges, changes + 1);
}

TEST_F(Stretches, StartWhileSwitchedOffOrIdleActsAsAUserStart)
{
    ctl->ActionState().State(3);
    ctl->NewRecord("Anna", true); // SetToIdle only counts from state 1
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(mouseWatchResets, 1);
    ctl->NewRecord("Idle", true);
    EXPECT_EQ(State(), 2);
    EXPECT_EQ(mouseWatchResets, 1); // the idle stretch resets nothing
    EXPECT_EQ(ctl->currentUser(), "Idle");
}

TEST_F(Stretches, TheMinuteTickWritesTheEndTimeToTheFile)
{
    ctl->Timer1_Tick(); // nothing runs: nothing is written
    EXPECT_TRUE(Disk().empty());
    EXPECT_EQ(stateView.tray.toolTip, "");

    ctl->NewRecord("Anna", false);
    clock.Advance(60);
    ctl->Timer1_Tick();
    ASSERT_EQ(Disk().size(), 1u);
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 1, 0}));
    clock.Advance(61);
    ctl->Timer1_Tick();
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 2, 1}));
    // The tick leaves the shared cursor where it found it.
    EXPECT_EQ(actions.RecordNr(), 1);
}

TEST_F(Stretches, BusyTooltipInEnglishAndDutch)
{
    clock.Set({2026, 12, 6, 8, 0, 0});
    ctl->NewRecord("Anna", false);
    Minutes(30);
    ctl->btnEindigComputeren_Click();
    ctl->NewRecord("Bert", false); // not Anna's: not in her total
    Minutes(20);
    clock.Set({2026, 12, 6, 8, 55, 0}); // a pause shorter than a sleep
    ctl->NewRecord("Anna", false);
    Minutes(65);
    EXPECT_EQ(stateView.tray.toolTip,
              "Anna is busy for: 1 hours and 5 minutes. Today's total: 1 hours and 35 minutes");
    Language("NL");
    EXPECT_EQ(stateView.tray.toolTip, "Zitklok is Aktief!"); // the state's text is back
    Minutes(1);
    EXPECT_EQ(stateView.tray.toolTip,
              "Anna is bezig: 1 uur en 6 minuten. Totaal vandaag: 1 uur en 36 minuten");

    clock.Advance(30);
    ctl->NewRecord("Carla", false);
    clock.Advance(40);
    ctl->Timer1_Tick();
    // Under a minute reads as 0 minutes.
    EXPECT_EQ(stateView.tray.toolTip, "Carla is bezig: 0 minuten. Totaal vandaag: 0 minuten");
}

TEST_F(Stretches, TheTwoHourAlarmComesOnceAndOnlyOnceEvenWhileItsBoxIsOpen)
{
    ctl->NewRecord("Anna", false);
    // While the alarm is open the event loop goes on: a minute tick feeds
    // the warning again before it is spent.
    dialogs.whileOpen = [this] {
        clock.Advance(60);
        ctl->Timer1_Tick();
    };
    Minutes(119);
    EXPECT_TRUE(dialogs.calls.empty());
    Minutes(1); // 11:00, 7200 seconds today
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, "message");
    EXPECT_EQ(dialogs.calls[0].text,
              "You're already using the computer for 2 hours. It's time to quit.");
    EXPECT_EQ(dialogs.calls[0].title, "Alarm");
    EXPECT_EQ(dialogs.calls[0].icon, zk::Dialogs::Icon::Exclamation);
    Minutes(30);
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(ctl->currentRecordNr(), 1); // the stretch goes on

    // A new start re-arms it: with more than two hours today, it comes at once.
    dialogs.whileOpen = nullptr;
    Language("NL");
    ctl->NewRecord("Anna", false);
    Minutes(1);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].text, "Je bent al 2 uur aan het computeren. Tijd om te stoppen.");
}

TEST_F(Stretches, TheFocusCountdownRunsOutAfterFiveTicks)
{
    EXPECT_FALSE(ctl->Timer2Needed());
    ctl->Timer2_Tick();
    EXPECT_EQ(view.focusCalls, 0);

    ctl->focusCountdown(5);
    EXPECT_TRUE(ctl->Timer2Needed());
    for (int i = 0; i < 4; ++i)
        ctl->Timer2_Tick();
    EXPECT_EQ(view.focusCalls, 0);
    ctl->Timer2_Tick();
    EXPECT_EQ(view.focusCalls, 1);
    EXPECT_EQ(ctl->focusCountdown(), 0);
    EXPECT_FALSE(ctl->Timer2Needed());
    ctl->Timer2_Tick();
    EXPECT_EQ(view.focusCalls, 1);

    // Hidden when it runs out: nothing.
    view.visible = false;
    ctl->focusCountdown(5);
    for (int i = 0; i < 6; ++i)
        ctl->Timer2_Tick();
    EXPECT_EQ(view.focusCalls, 1);
}
