#include "TrackingFakes.h"

#include "localisation/gclsLanguageChange.h"
#include "support/FakeClock.h"
#include "support/FakeSettings.h"
#include "time/clsTimePoint.h"
#include "tracking/clsElapsedWarning.h"
#include "tracking/clsForm1ActionState.h"

#include <gtest/gtest.h>

using namespace zk::test;

// Each row feeds one total (or resets, -1) and says how many warnings have come so far;
// a listener feeds it again while it is told, as a modal box lets the event loop do.
TEST(ElapsedWarning, RaisesOnceAtTheLimitUntilReset)
{
    clsElapsedWarning w;
    EXPECT_EQ(w.TimeTillWarning(), 7200);
    int raised = 0;
    auto c = w.Warning.Connect([&] {
        if (++raised == 3)
            w.UpdateActiveSeconds(9000);
    });
    const std::pair<std::int32_t, int> rows[] = {{7199, 0}, {-5, 0},    {7200, 1}, {9000, 1},
                                                 {10, 1},   {-1, 1},    {7201, 2}, {-1, 2},
                                                 {8000, 4}, {30000, 4}};
    for (const auto &[seconds, count] : rows) {
        if (seconds == -1)
            w.Reset();
        else
            w.UpdateActiveSeconds(seconds);
        EXPECT_EQ(raised, count) << seconds;
    }
}

TEST(ActionState, EachStateSetsButtonsTrayAndTextsInBothLanguages)
{
    ResetLanguageChangeForTests();
    FakeClock clock{{2026, 12, 6, 9, 30, 15}};
    FakeSettings settings;
    FakeStateView view;
    const struct
    {
        int state;
        bool start, stop;
        zk::TrayImage icon;
        const char *english, *dutch;
    } rows[] = {
        {1, false, true, zk::TrayImage::Image2Active, "Sitclock is active!", "Zitklok is Aktief!"},
        {0, true, false, zk::TrayImage::Image1Inactive, "Sitclock is inactive!",
         "Zitklok is niet aktief!"},
        {2, true, false, zk::TrayImage::Image1Inactive, "Sitclock is idle!", "Zitklok is Idle!"},
        {3, false, false, zk::TrayImage::Image3Off, "Sitclock is turned off.",
         "Zitklok is niet werkzaam."},
    };
    clsForm1ActionState s(view);
    EXPECT_EQ(view.tray.toolTip, "Sitclock is inactive!");
    EXPECT_EQ(s.LastActivity().Year(), 0);
    for (const auto &[state, minute] : {std::pair{1, 30}, {2, 30}, {1, 33}}) {
        s.State(state); // becoming active renews the last activity
        EXPECT_EQ(s.LastActivity().Minute(), minute);
        clock.Advance(100);
    }
    for (const auto &row : rows) {
        SCOPED_TRACE(row.state);
        gLanguageChange().Change("ENG");
        s.State(row.state);
        EXPECT_EQ(view.startEnabled, row.start);
        EXPECT_EQ(view.stopEnabled, row.stop);
        EXPECT_EQ(view.tray.icon, row.icon);
        EXPECT_EQ(view.tray.toolTip, row.english);
        gLanguageChange().Change("NL"); // applied again at once
        EXPECT_EQ(view.tray.toolTip, row.dutch);
    }
    EXPECT_EQ(view.statusText, "Programma is uitgeschakeld."); // only state 3 writes it
    EXPECT_EQ(view.statusWrites, 2);
    s.State(7); // out of range: stored, nothing on screen changes
    EXPECT_EQ(s.State(), 7);
    EXPECT_EQ(view.tray.toolTip, "Zitklok is niet werkzaam.");
    ResetLanguageChangeForTests();
}
