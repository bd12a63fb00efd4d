#include "StretchFixture.h"

#include "tracking/PointerUnseenNotice.h"

using namespace zk::test;
using Stretches = StretchFixture;

namespace {
const char *kStopNotice[] = {
    "Automatically stopped logging your time, because the muis didn't move for 10 minutes.",
    "Automatisch gestopt met tijd, omdat de muis 10 minuten lang stilstond."};
} // namespace

TEST_F(Stretches, StartAndStopWriteOneRecordWithTheTypedDescription)
{
    ctl->NewRecord("Anna", false);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(view.filter, "Anna");
    EXPECT_EQ(mouseWatchResets, 1);
    EXPECT_EQ(Disk(), (std::vector{Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 0})}));
    Minutes(25);
    clock.Advance(5);
    dialogs.answers.push_back("Anna: homework");
    ctl->btnEindigComputeren_Click();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, "Please enter your sitclock!");
    EXPECT_EQ(dialogs.calls[0].title, "Quitting with the computeren");
    EXPECT_EQ(dialogs.calls[0].offered, "Anna");
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(ctl->currentRecordNr(), 0);
    EXPECT_EQ(Disk(), (std::vector{Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 25, 5})}));
    EXPECT_EQ(DescriptionOf(1), "Anna: homework");
    ctl->btnEindigComputeren_Click(); // nothing runs: nothing is asked
    EXPECT_EQ(dialogs.calls.size(), 1u);

    // Cancel (or an emptied box) keeps the name; the box speaks the current language.
    Language("NL");
    ctl->NewRecord("Bert", false);
    Minutes(3);
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
    EXPECT_EQ(ctl->currentRecordNr(), 2);
    EXPECT_EQ(Disk(), (std::vector{Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 10, 7}),
                                   Fields({2026, 12, 6, 9, 10, 7}, {2026, 12, 6, 9, 10, 7})}));
    // A filter that already shows the name is refreshed, not set again.
    const int sets = view.filterSets, changes = view.filterChanges;
    ctl->NewRecord("Bert", false);
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
    clock.Advance(30);
    ctl->NewRecord("Carla", false);
    clock.Advance(40);
    ctl->Timer1_Tick();
    EXPECT_EQ(stateView.tray.toolTip, "Carla is bezig: 0 minuten. Totaal vandaag: 0 minuten");
}

TEST_F(Stretches, TheTwoHourAlarmComesOnceEvenWhileItsBoxIsOpen)
{
    ctl->NewRecord("Anna", false);
    // While the alarm is open, a minute tick feeds the warning again before it is spent.
    dialogs.whileOpen = [this] {
        clock.Advance(60);
        ctl->Timer1_Tick();
    };
    Minutes(119);
    EXPECT_TRUE(dialogs.calls.empty());
    Minutes(1); // 7200 seconds today
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text,
              "You're already using the computer for 2 hours. It's time to quit.");
    EXPECT_EQ(dialogs.calls[0].title, "Alarm");
    EXPECT_EQ(dialogs.calls[0].icon, zk::Dialogs::Icon::Exclamation);
    Minutes(30);
    EXPECT_EQ(dialogs.calls.size(), 1u);
    // A new start re-arms it: with more than two hours today, it comes at once.
    dialogs.whileOpen = nullptr;
    Language("NL");
    ctl->NewRecord("Anna", false);
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
    EXPECT_EQ(ctl->currentUser(), "Idle");
    EXPECT_EQ(view.filter, "Idle");
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(view.startWindowShows, 1);
    EXPECT_EQ(stateView.statusText, kStopNotice[0]);
    EXPECT_EQ(Disk(), (std::vector{Fields({2026, 11, 30, 23, 55, 0}, {2026, 11, 30, 23, 55, 10}),
                                   Fields({2026, 11, 30, 23, 55, 10}, {2026, 12, 1, 0, 5, 10})}));
    EXPECT_EQ(DescriptionOf(2), "Idle");
    Minutes(3, false); // the idle stretch runs on; more stillness does nothing
    EXPECT_EQ(ctl->currentRecordNr(), 2);
    EXPECT_EQ(Disk()[1][10], 8);
    EXPECT_EQ(view.startWindowShows, 1);
    EXPECT_EQ(mouseWatchResets, 1);

    Language("NL");
    ctl->NewRecord("Anna", false);
    Looks(60, false);
    EXPECT_EQ(State(), 2);
    EXPECT_EQ(stateView.statusText, kStopNotice[1]);
}

TEST_F(Stretches, WithTheOptionOffTheStretchGoesOnUntilTheNextStart)
{
    view.autoStop = false;
    ctl->NewRecord("Anna", false);
    Minutes(15, false);
    EXPECT_EQ(State(), 1);
    view.autoStop = true; // the warning is used up until a user starts again
    Minutes(5, false);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(stateView.statusWrites, 0);
    ctl->NewRecord("Anna", false);
    Minutes(10, false);
    EXPECT_EQ(State(), 2);
    // Without a movement the stretch ends where it became active.
    EXPECT_EQ(Disk()[1], Fields({2026, 12, 6, 9, 20, 0}, {2026, 12, 6, 9, 20, 0}));
}

TEST_F(Stretches, StillnessOutsideAUserStretchOnlyRenewsLastActivity)
{
    Looks(70, false);
    EXPECT_EQ(State(), 0);
    Looks(1, true);
    EXPECT_EQ(ctl->ActionState().LastActivity().Minute(), 11);
    EXPECT_EQ(ctl->ActionState().LastActivity().Seconds(), 50);
    ctl->NewRecord("Anna", false);
    ctl->ActionState().State(3); // switched off with a stretch running
    Looks(70, false);
    EXPECT_EQ(State(), 3);
    EXPECT_EQ(Disk().size(), 1u);
}

TEST_F(Stretches, AnUnseenPointerStopsNothingAndIsToldOnce)
{
    pointer.canSee = false;
    ctl->NewRecord("Anna", false);
    Looks(90, false);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(stateView.statusWrites, 1);
    EXPECT_EQ(stateView.statusText, PointerUnseenNoticeENG());
    Language("NL");
    EXPECT_EQ(PointerUnseenNotice(), PointerUnseenNoticeNL());
    Language("XX");
    EXPECT_EQ(PointerUnseenNotice(), "");
    pointer.canSee = true; // the stillness counted so far stops the stretch
    Looks(1, false);
    EXPECT_EQ(State(), 2);
}

// Modal boxes keep the event loop running: what happens while the stop box is open.
TEST_F(Stretches, AnAutomaticStopWhileTheStopBoxIsOpenClosesTheStretchOnce)
{
    ctl->NewRecord("Anna", false);
    Looks(1, true);   // last movement 9:00:10
    Looks(59, false);
    clock.Advance(5);
    dialogs.answers.push_back("Homework");
    dialogs.whileOpen = [this] {
        dialogs.whileOpen = nullptr;
        Looks(1, false); // 9:10:15: the 60th still look
    };
    ctl->btnEindigComputeren_Click();
    EXPECT_EQ(Disk(), (std::vector{Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 10}),
                                   Fields({2026, 12, 6, 9, 0, 10}, {2026, 12, 6, 9, 10, 15})}));
    EXPECT_EQ(DescriptionOf(1), "Homework");
    EXPECT_EQ(State(), 2);
}

TEST_F(Stretches, AUserChosenWhileTheStopBoxIsOpenKeepsRunning)
{
    ctl->NewRecord("Anna", false);
    Minutes(5);
    dialogs.answers.push_back("Drawing");
    dialogs.whileOpen = [this] {
        clock.Advance(20);
        ctl->NewRecord("Bert", false);
        actions.RecordNr(2); // the cursor is elsewhere when the box returns
    };
    ctl->btnEindigComputeren_Click();
    EXPECT_EQ(DescriptionOf(1), "Drawing");
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 5, 20}));
    EXPECT_EQ(ctl->currentUser(), "Bert");
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(actions.RecordNr(), 1); // the cursor saved at the press
}

TEST(ClockSeconds, CountsSecondsOfTheRealCalendarWithMonthsCarried)
{
    const std::pair<std::array<std::int64_t, 6>, std::int64_t> rows[] = {
        {{1970, 1, 1, 0, 0, 0}, 0},           {{1969, 12, 31, 23, 59, 59}, -1},
        {{2026, 12, 6, 9, 0, 0}, 1796547600}, {{2024, 3, 1, 0, 0, 0}, 1709251200},
        {{2000, 2, 29, 23, 59, 59}, 951868799}, {{2023, 15, 1, 0, 0, 0}, 1709251200},
        {{2025, -9, 1, 0, 0, 0}, 1709251200}, {{2024, 2, 30, 0, 0, 0}, 1709251200},
    };
    for (const auto &[t, seconds] : rows)
        EXPECT_EQ(ClockSeconds(t[0], t[1], t[2], t[3], t[4], t[5]), seconds) << t[0] << "-" << t[1];
}
