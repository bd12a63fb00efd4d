#include "StretchFixture.h"

#include "tracking/PointerUnseenNotice.h"

using namespace zk::test;
using AutoStop = StretchFixture;

namespace {
const char *kEnglishStop
    = "Automatically stopped logging your time, because the muis didn't move for 10 minutes.";
const char *kDutchStop = "Automatisch gestopt met tijd, omdat de muis 10 minuten lang stilstond.";
} // namespace

TEST_F(AutoStop, TenStillMinutesEndTheStretchAtTheLastMovementAndLogIdle)
{
    ctl->NewRecord("Anna", false);
    Looks(1, true); // last movement at 9:00:10
    Looks(59, false);
    EXPECT_EQ(ctl->currentRecordNr(), 1); // 590 seconds: still running
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(stateView.statusWrites, 0);
    Looks(1, false); // the 60th still look, 9:10:10

    EXPECT_EQ(State(), 2);
    EXPECT_EQ(ctl->currentUser(), "Idle");
    EXPECT_EQ(ctl->currentRecordNr(), 2);
    EXPECT_EQ(view.filter, "Idle");
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(view.startWindowShows, 1);
    EXPECT_EQ(stateView.statusText, kEnglishStop);
    EXPECT_EQ(stateView.tray.toolTip, "Sitclock is idle!");
    EXPECT_EQ(mouseWatchResets, 1); // only at the user's start
    const auto disk = Disk();
    ASSERT_EQ(disk.size(), 2u);
    EXPECT_EQ(disk[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 10}));
    EXPECT_EQ(disk[1], Fields({2026, 12, 6, 9, 0, 10}, {2026, 12, 6, 9, 10, 10}));
    EXPECT_EQ(DescriptionOf(1), "Anna");
    EXPECT_EQ(DescriptionOf(2), "Idle");

    // The idle stretch runs on with the minute tick; more stillness does nothing.
    Minutes(3, false);
    EXPECT_EQ(ctl->currentRecordNr(), 2);
    EXPECT_EQ(Disk()[1][10], 13); // ends 9:13:10
    EXPECT_EQ(stateView.tray.toolTip,
              "Idle is busy for: 13 minutes. Today's total: 13 minutes");
    EXPECT_EQ(view.startWindowShows, 1);
}

TEST_F(AutoStop, TheNoticeSpeaksDutch)
{
    Language("NL");
    ctl->NewRecord("Anna", false);
    Looks(60, false);
    EXPECT_EQ(State(), 2);
    EXPECT_EQ(stateView.statusText, kDutchStop);
    EXPECT_EQ(stateView.tray.toolTip, "Zitklok is Idle!");
}

TEST_F(AutoStop, WithTheOptionOffTheStretchGoesOnAndTheWarningIsUsedUp)
{
    view.autoStop = false;
    ctl->NewRecord("Anna", false);
    Minutes(15, false);
    EXPECT_EQ(ctl->currentRecordNr(), 1);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(stateView.statusWrites, 0);
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 15, 0}));

    // Switching the option on now changes nothing until a user starts again.
    view.autoStop = true;
    Minutes(5, false);
    EXPECT_EQ(ctl->currentRecordNr(), 1);
    ctl->NewRecord("Anna", false);
    Minutes(10, false);
    EXPECT_EQ(State(), 2);
}

TEST_F(AutoStop, StillnessOutsideAUserStretchOnlyRenewsLastActivity)
{
    Looks(70, false); // state 0, nothing running
    EXPECT_EQ(State(), 0);
    Looks(1, true);
    EXPECT_EQ(ctl->ActionState().LastActivity().Minute(), 11);
    EXPECT_EQ(ctl->ActionState().LastActivity().Seconds(), 50);
    ctl->ActionState().State(3);
    ctl->NewRecord("Anna", false);
    ctl->ActionState().State(3); // switched off with a stretch running
    Looks(70, false);
    EXPECT_EQ(ctl->currentRecordNr(), 1);
    EXPECT_EQ(State(), 3);
}

TEST_F(AutoStop, AStretchWithoutMovementEndsWhereItBecameActive)
{
    ctl->NewRecord("Anna", false);
    Looks(60, false);
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 0}));
    EXPECT_EQ(Disk()[1], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 10, 0}));
}

TEST_F(AutoStop, AnUnseenPointerStopsNothingAndIsToldOnce)
{
    pointer.canSee = false;
    ctl->NewRecord("Anna", false);
    Looks(90, false);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(ctl->currentRecordNr(), 1);
    EXPECT_EQ(stateView.statusWrites, 1);
    EXPECT_EQ(stateView.statusText, PointerUnseenNoticeENG());
    ASSERT_EQ(dialogs.calls.size(), 1u); // the status bar of a hidden window is not seen
    EXPECT_EQ(dialogs.calls[0].text, PointerUnseenNoticeENG());
    EXPECT_EQ(dialogs.calls[0].title, "Sitclock");
    Language("NL");
    EXPECT_EQ(PointerUnseenNotice(), PointerUnseenNoticeNL());
    Language("XX");
    EXPECT_EQ(PointerUnseenNotice(), "");
    Language("ENG");

    // Once the pointer can be seen, the stillness counted so far stops the stretch.
    pointer.canSee = true;
    Looks(1, false);
    EXPECT_EQ(State(), 2);
}
