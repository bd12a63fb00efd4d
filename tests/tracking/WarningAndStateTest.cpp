#include "TrackingFakes.h"

#include "localisation/gclsLanguageChange.h"
#include "support/FakeClock.h"
#include "support/FakeSettings.h"
#include "time/clsTimePoint.h"
#include "tracking/clsElapsedWarning.h"
#include "tracking/clsForm1ActionState.h"

#include <gtest/gtest.h>

using namespace zk::test;

TEST(ElapsedWarning, RaisesOnceAtTheLimitUntilReset)
{
    clsElapsedWarning w;
    EXPECT_EQ(w.TimeTillWarning(), 7200);
    int raised = 0;
    auto c = w.Warning.Connect([&] { ++raised; });
    w.UpdateActiveSeconds(7199);
    w.UpdateActiveSeconds(-5);
    EXPECT_EQ(raised, 0);
    w.UpdateActiveSeconds(7200);
    EXPECT_EQ(raised, 1);
    w.UpdateActiveSeconds(9000);
    w.UpdateActiveSeconds(10); // a lower value does not re-arm it
    w.TimeTillWarning(20000);  // nor does a new limit
    w.UpdateActiveSeconds(30000);
    EXPECT_EQ(raised, 1);
    w.Reset();
    w.UpdateActiveSeconds(30000);
    EXPECT_EQ(raised, 2);
}

TEST(ElapsedWarning, IsSpentOnlyWhenTheListenersReturn)
{
    clsElapsedWarning w;
    w.TimeTillWarning(600);
    int raised = 0;
    auto c = w.Warning.Connect([&] {
        // A modal box lets the event loop feed the warning again meanwhile.
        if (++raised == 1)
            w.UpdateActiveSeconds(700);
    });
    w.UpdateActiveSeconds(600);
    EXPECT_EQ(raised, 2);
    w.UpdateActiveSeconds(800);
    EXPECT_EQ(raised, 2);
}

class ActionState : public ::testing::Test
{
protected:
    void SetUp() override { ResetLanguageChangeForTests(); }
    void TearDown() override { ResetLanguageChangeForTests(); }
    FakeClock clock{{2026, 12, 6, 9, 30, 15}};
    FakeSettings settings;
    FakeStateView view;
};

TEST_F(ActionState, EachStateSetsButtonsTrayAndTextsInBothLanguages)
{
    struct Row
    {
        int state;
        bool start, stop;
        zk::TrayImage icon;
        const char *english, *dutch;
    };
    const Row rows[] = {
        {0, true, false, zk::TrayImage::Image1Inactive, "Sitclock is inactive!",
         "Zitklok is niet aktief!"},
        {1, false, true, zk::TrayImage::Image2Active, "Sitclock is active!", "Zitklok is Aktief!"},
        {2, true, false, zk::TrayImage::Image1Inactive, "Sitclock is idle!", "Zitklok is Idle!"},
        {3, false, false, zk::TrayImage::Image3Off, "Sitclock is turned off.",
         "Zitklok is niet werkzaam."},
    };
    clsForm1ActionState s(view);
    EXPECT_EQ(s.State(), 0);
    EXPECT_EQ(view.tray.toolTip, "Sitclock is inactive!");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.state);
        gLanguageChange().Change("ENG");
        s.State(row.state);
        EXPECT_EQ(view.startEnabled, row.start);
        EXPECT_EQ(view.stopEnabled, row.stop);
        EXPECT_EQ(view.tray.icon, row.icon);
        EXPECT_EQ(view.tray.toolTip, row.english);
        gLanguageChange().Change("NL"); // re-applied at once
        EXPECT_EQ(view.tray.toolTip, row.dutch);
    }
    EXPECT_EQ(view.statusText, "Programma is uitgeschakeld.");
    gLanguageChange().Change("ENG");
    EXPECT_EQ(view.statusText, "Program is being turned off.");

    // Switching on from 3: the status bar keeps its text.
    s.State(0);
    EXPECT_EQ(view.statusText, "Program is being turned off.");
    EXPECT_EQ(view.statusWrites, 3);

    // Out of range: stored, nothing on screen changes.
    view.tray.toolTip = "unchanged";
    s.State(7);
    EXPECT_EQ(s.State(), 7);
    EXPECT_EQ(view.tray.toolTip, "unchanged");
    EXPECT_TRUE(view.startEnabled);
}

TEST_F(ActionState, BecomingActiveRenewsLastActivity)
{
    clsForm1ActionState s(view);
    EXPECT_EQ(s.LastActivity().Year(), 0);
    s.State(1);
    EXPECT_EQ(s.LastActivity().Hour(), 9);
    EXPECT_EQ(s.LastActivity().Minute(), 30);
    EXPECT_EQ(s.LastActivity().Seconds(), 15);
    clock.Advance(100);
    s.State(2);
    EXPECT_EQ(s.LastActivity().Minute(), 30);
    s.State(1); // the same state again still renews it
    clock.Advance(100);
    s.State(1);
    EXPECT_EQ(s.LastActivity().Minute(), 33);
    EXPECT_EQ(s.LastActivity().Seconds(), 35);
}
