#include "StretchFixture.h"

using namespace zk::test;
using Interleaving = StretchFixture;

TEST_F(Interleaving, AnAutomaticStopWhileTheStopBoxIsOpen)
{
    ctl->NewRecord("Anna", false);
    Looks(1, true);   // last movement 9:00:10
    Looks(59, false); // 9:10:00, 590 seconds still
    clock.Advance(5);
    dialogs.answers.push_back("Homework");
    dialogs.whileOpen = [this] {
        dialogs.whileOpen = nullptr;
        Looks(1, false); // 9:10:15: the 60th still look
    };
    ctl->btnEindigComputeren_Click();

    // The stretch was closed once, by the automatic stop, and keeps the text.
    const auto disk = Disk();
    ASSERT_EQ(disk.size(), 2u);
    EXPECT_EQ(disk[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 10}));
    EXPECT_EQ(DescriptionOf(1), "Homework");
    // The idle stretch begun meanwhile runs on.
    EXPECT_EQ(disk[1], Fields({2026, 12, 6, 9, 0, 10}, {2026, 12, 6, 9, 10, 15}));
    EXPECT_EQ(DescriptionOf(2), "Idle");
    EXPECT_EQ(ctl->currentRecordNr(), 2);
    EXPECT_EQ(State(), 2);
    Minutes(1, false);
    EXPECT_EQ(Disk()[1][10], 11);
}

TEST_F(Interleaving, AMinuteTickWhileTheStopBoxIsOpenMovesTheEnd)
{
    ctl->NewRecord("Anna", false);
    Minutes(30);
    dialogs.answers.push_back("Games");
    dialogs.whileOpen = [this] {
        clock.Advance(60);
        ctl->Timer1_Tick();
    };
    ctl->btnEindigComputeren_Click();
    ASSERT_EQ(Disk().size(), 1u);
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 31, 0}));
    EXPECT_EQ(DescriptionOf(1), "Games");
    EXPECT_EQ(ctl->currentRecordNr(), 0);
    EXPECT_EQ(State(), 0);
}

TEST_F(Interleaving, AUserChosenWhileTheStopBoxIsOpenKeepsRunning)
{
    ctl->NewRecord("Anna", false);
    Minutes(5);
    dialogs.answers.push_back("Drawing");
    dialogs.whileOpen = [this] {
        // The cursor is somewhere else when the box returns.
        clock.Advance(20);
        ctl->NewRecord("Bert", false);
        actions.RecordNr(2);
    };
    ctl->btnEindigComputeren_Click();
    EXPECT_EQ(DescriptionOf(1), "Drawing");
    EXPECT_EQ(DescriptionOf(2), "Bert");
    EXPECT_EQ(Disk()[0], Fields({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 5, 20}));
    EXPECT_EQ(ctl->currentRecordNr(), 2);
    EXPECT_EQ(ctl->currentUser(), "Bert");
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(actions.RecordNr(), 1); // the cursor saved at the press
}
