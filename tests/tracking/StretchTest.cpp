#include "StretchFixture.h"

#include "tracking/PointerUnseenNotice.h"

using namespace zk::test;
using Stretches = StretchFixture;

TEST_F(Stretches, StartAndStopWriteOneRecordWithTheTypedDescription)
{
    ctl->NewRecord("Anna", false);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(view.filter, "Anna");
    Minutes(25);
    clock.Advance(5);
    dialogs.answers = {"Anna: homework"};
    ctl->btnEindigComputeren_Click();
    ctl->btnEindigComputeren_Click(); // nothing runs: nothing is asked
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, "Please enter your sitclock!");
    EXPECT_EQ(dialogs.calls[0].title, "Quitting with the computeren");
    EXPECT_EQ(dialogs.calls[0].offered, "Anna");
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(Disk(), (std::vector{Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 25, 5})}));
    EXPECT_EQ(DescriptionOf(1), "Anna: homework");
    Language("NL"); // Cancel keeps the name; the box speaks the current language
    ctl->NewRecord("Bert", false);
    ctl->btnEindigComputeren_Click();
    EXPECT_EQ(dialogs.calls[1].text, "Vul de zitklok in!");
    EXPECT_EQ(dialogs.calls[1].title, "Stoppen met computeren");
    EXPECT_EQ(DescriptionOf(2), "Bert");
}

TEST_F(Stretches, ChoosingAUserWhileAnotherRunsClosesItNow)
{
    ctl->NewRecord("Anna", false);
    Minutes(10);
    clock.Advance(7);
    ctl->NewRecord("Bert", false);
    EXPECT_EQ(Disk(), (std::vector{Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 10, 7}),
                                   Fields({2026, 12, 6, 9, 10, 7}, {2026, 12, 6, 9, 10, 7})}));
    const int sets = view.filterSets, changes = view.filterChanges;
    ctl->NewRecord("Bert", false); // a filter that shows the name already is only refreshed
    EXPECT_EQ(view.filterSets, sets);
    EXPECT_EQ(view.filterChanges, changes + 1);
    ctl->ActionState().State(3); // switched off: a start acts as a user's start
    ctl->NewRecord("Anna", true);
    EXPECT_EQ(State(), 1);
    ctl->NewRecord("Idle", true); // the idle stretch resets nothing
    EXPECT_EQ(State(), 2);
    EXPECT_EQ(mouseWatchResets, 4);
}

TEST_F(Stretches, TheMinuteTickWritesTheEndAndTheBusyTooltip)
{
    ctl->Timer1_Tick(); // nothing runs: nothing is written
    EXPECT_TRUE(Disk().empty());
    clock.Set({2026, 12, 6, 8, 0, 0});
    ctl->NewRecord("Anna", false);
    Minutes(30);
    ctl->btnEindigComputeren_Click();
    ctl->NewRecord("Bert", false); // not Anna's: not in her total
    Minutes(20);
    ctl->NewRecord("Anna", false);
    Minutes(65);
    clock.Advance(61);
    actions.RecordNr(1);
    ctl->Timer1_Tick();
    EXPECT_EQ(Disk()[2], Fields({2026, 12, 6, 8, 50, 0}, {2026, 12, 6, 9, 56, 1}));
    EXPECT_EQ(actions.RecordNr(), 1); // the shared cursor is left where it was
    EXPECT_EQ(stateView.tray.toolTip,
              "Anna is busy for: 1 hours and 6 minutes. Today's total: 1 hours and 36 minutes");
    Language("NL");
    EXPECT_EQ(stateView.tray.toolTip, "Zitklok is Aktief!"); // the state's text is back
    ctl->NewRecord("Carla", false);
    clock.Advance(40);
    ctl->Timer1_Tick();
    EXPECT_EQ(stateView.tray.toolTip, "Carla is bezig: 0 minuten. Totaal vandaag: 0 minuten");
}

TEST_F(Stretches, TheTwoHourAlarmComesOnceEvenWhileItsBoxIsOpen)
{
    ctl->NewRecord("Anna", false);
    dialogs.whileOpen = [this] { // the event loop runs on behind the box
        clock.Advance(60);
        ctl->Timer1_Tick();
    };
    Minutes(119);
    EXPECT_TRUE(dialogs.calls.empty());
    Minutes(31); // 7200 seconds today after the first of them
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text,
              "You're already using the computer for 2 hours. It's time to quit.");
    EXPECT_EQ(dialogs.calls[0].title, "Alarm");
    EXPECT_EQ(dialogs.calls[0].icon, zk::Dialogs::Icon::Exclamation);
    dialogs.whileOpen = nullptr;
    Language("NL");
    ctl->NewRecord("Anna", false); // a new start re-arms it: over two hours, at once
    Minutes(1);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].text, "Je bent al 2 uur aan het computeren. Tijd om te stoppen.");
}

TEST_F(Stretches, TheFocusCountdownRunsOutAfterFiveTicksWhenShown)
{
    EXPECT_FALSE(ctl->Timer2Needed());
    for (const bool visible : {true, false}) {
        view.visible = visible;
        ctl->focusCountdown(5);
        for (int i = 0; i < 4; ++i)
            ctl->Timer2_Tick();
        EXPECT_TRUE(ctl->Timer2Needed());
        EXPECT_EQ(view.focusCalls, visible ? 0 : 1);
        ctl->Timer2_Tick();
        ctl->Timer2_Tick();
        EXPECT_FALSE(ctl->Timer2Needed());
        EXPECT_EQ(view.focusCalls, 1);
    }
}

TEST_F(Stretches, TenStillMinutesEndTheStretchAtTheLastMovementAndLogIdle)
{
    clock.Set({2026, 11, 30, 23, 55, 0}); // across midnight and a month
    ctl->NewRecord("Anna", false);
    Looks(1, true); // the last movement
    Looks(59, false);
    EXPECT_EQ(State(), 1); // 590 seconds: still running
    Looks(1, false);
    EXPECT_EQ(State(), 2);
    EXPECT_EQ(view.filter, "Idle");
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(view.startWindowShows, 1);
    EXPECT_EQ(
        stateView.statusText,
        "Automatically stopped logging your time, because the muis didn't move for 10 minutes.");
    EXPECT_EQ(Disk(), (std::vector{Fields({2026, 11, 30, 23, 55, 0}, {2026, 11, 30, 23, 55, 10}),
                                   Fields({2026, 11, 30, 23, 55, 10}, {2026, 12, 1, 0, 5, 10})}));
    EXPECT_EQ(DescriptionOf(2), "Idle");
    Minutes(3, false); // the idle stretch runs on; more stillness does nothing
    EXPECT_EQ(Disk().size(), 2u);
    EXPECT_EQ(Disk()[1][10], 8);
    EXPECT_EQ(view.startWindowShows, 1);
    Language("NL");
    ctl->NewRecord("Anna", false);
    Looks(60, false); // without a movement the stretch ends where it began
    EXPECT_EQ(Disk()[2], Fields({2026, 12, 1, 0, 8, 10}, {2026, 12, 1, 0, 8, 10}));
    EXPECT_EQ(stateView.statusText,
              "Automatisch gestopt met tijd, omdat de muis 10 minuten lang stilstond.");
}

TEST_F(Stretches, WithTheOptionOffOrAnUnseenPointerTheStretchGoesOn)
{
    view.autoStop = false;
    ctl->NewRecord("Anna", false);
    Minutes(15, false);
    view.autoStop = true; // the warning is used up until a user starts again
    Minutes(5, false);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(stateView.statusWrites, 0);
    pointer.canSee = false;
    ctl->NewRecord("Anna", false);
    Looks(90, false);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(stateView.statusWrites, 1); // told once
    EXPECT_EQ(stateView.statusText, PointerUnseenNoticeENG());
    ASSERT_EQ(dialogs.calls.size(), 1u); // the status bar of a hidden window is not seen
    EXPECT_EQ(dialogs.calls[0].text, PointerUnseenNoticeENG());
    EXPECT_EQ(dialogs.calls[0].title, "Sitclock");
    Language("NL");
    EXPECT_EQ(PointerUnseenNotice(), PointerUnseenNoticeNL());
    pointer.canSee = true; // the stillness counted so far stops the stretch
    Looks(1, false);
    EXPECT_EQ(State(), 2);
    ctl->ActionState().State(3); // switched off: stillness stops nothing
    Looks(70, false);
    EXPECT_EQ(State(), 3);
}

// What happens while the stop box is open: an automatic stop closes the stretch once, and a
// user chosen meanwhile keeps running; the cursor is as the press found it.
TEST_F(Stretches, TheStopBoxKeepsTheEventLoopRunning)
{
    ctl->NewRecord("Anna", false);
    Looks(1, true); // last movement 9:00:10
    Looks(59, false);
    dialogs.answers = {"Homework", "Drawing"};
    dialogs.whileOpen = [this] {
        dialogs.whileOpen = nullptr;
        Looks(1, false);
    };
    ctl->btnEindigComputeren_Click();
    EXPECT_EQ(Disk(), (std::vector{Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 10}),
                                   Fields({2026, 12, 6, 9, 0, 10}, {2026, 12, 6, 9, 10, 10})}));
    EXPECT_EQ(DescriptionOf(1), "Homework");
    EXPECT_EQ(State(), 2);
    ctl->NewRecord("Anna", false);
    dialogs.whileOpen = [this] {
        dialogs.whileOpen = nullptr;
        clock.Advance(20);
        ctl->NewRecord("Bert", false);
        actions.RecordNr(1);
    };
    actions.RecordNr(2);
    ctl->btnEindigComputeren_Click();
    EXPECT_EQ(DescriptionOf(3), "Drawing");
    EXPECT_EQ(ctl->currentUser(), "Bert");
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(actions.RecordNr(), 2);
}
