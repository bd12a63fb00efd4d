#pragma once

#include "activity_log/clsActionsDbase.h"
#include "options/Options.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakeLocker.h"
#include "support/FakePointer.h"
#include "support/FakeRunKey.h"
#include "support/FakeSettings.h"
#include "support/FakeTrayIcon.h"
#include "support/FreshLanguage.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"
#include "totals/TodayTotalCache.h"
#include "tracking/ActionStateView.h"
#include "tracking/LimitKeeper.h"
#include "tracking/MouseIdleCounter.h"
#include "tracking/StretchController.h"
#include "tracking/StretchView.h"
#include "tracking/clsElapsedWarning.h"
#include "tracking/clsForm1ActionState.h"

#include <gtest/gtest.h>

namespace zk::test {

// The main window as the action state and the controller see it.
struct FakeWindow : ActionStateView, StretchView
{
    void SetStartButtonEnabled(bool on) override { startEnabled = on; }
    void SetStopButtonEnabled(bool on) override { stopEnabled = on; }
    void SetStatusText(const std::string &text) override
    {
        statusText = text;
        ++statusWrites;
    }
    TrayIcon &Tray() override { return tray; }
    std::string FilterText() const override { return filter; }
    void SetFilterText(const std::string &text) override { filter = text; }
    void cmbFilter_Change() override {}
    void FocusLogList() override { ++focusCalls; }
    void ShowStartWindow() override { ++startWindowShows; }
    void HideMainWindow() override { visible = false; }
    bool MainWindowVisible() const override { return visible; }
    FakeTrayIcon tray;
    std::string statusText, filter = "-Idle";
    std::int32_t statusWrites = 0, focusCalls = 0, startWindowShows = 0;
    bool startEnabled = true, stopEnabled = true, visible = true;
};

// A main window's worth of tracking wired as start-up wires it: a real store on a temporary
// actions.dat, the controller with its limit keeper (a fake locker), and the mouse watch's
// counter (every 10 s, idle limit 600 s).
class StretchFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        actions.OpenFile(path);
        ctl.elapsedwarningMouseIdle().TimeTillWarning(600);
        ctl.SetMouseWatchReset([this] {
            watch.Reset();
            ++mouseWatchResets;
        });
        watch.ScanRateInSeconds(10);
    }
    // Ten seconds pass, then the watch looks; moving nudges the pointer first.
    void Looks(int count, bool moving)
    {
        for (int i = 0; i < count; ++i) {
            clock.Advance(10);
            pointer.position.x += moving ? 1 : 0;
            watch.Look(pointer.position, clock.SteadySeconds());
        }
    }
    // Whole minutes of use: six looks, then the minute tick.
    void Minutes(int count, bool moving = true)
    {
        for (int i = 0; i < count; ++i) {
            Looks(6, moving);
            ctl.Timer1_Tick();
        }
    }
    std::int32_t State() { return ctl.ActionState().State(); }
    // The file's records as "9:00-9:25:05 description|" (seconds shown when not 0).
    std::string Log()
    {
        const auto two = [](std::int32_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
        const auto at = [&](const DateTime &t) {
            return std::to_string(t[3]) + ":" + two(t[4]) + (t[5] ? ":" + two(t[5]) : "");
        };
        std::string out;
        for (const LogRecord &r : Records(ReadFileBytes(path)))
            out += at(r.start) + "-" + at(r.end) + " " + r.description + "|";
        return out;
    }

    FakeClock clock;
    FakeSettings settings;
    FreshLanguage language;
    TempDir dir;
    std::string path = dir.File("actions.dat");
    clsActionsDbase actions;
    TodayTotalCache todayTotal{actions};
    FakeWindow view;
    FakeDialogs dialogs;
    FakePointer pointer;
    MouseIdleCounter watch;
    FakeRunKey runKey;
    Options options{runKey, "zitklok"};
    FakeLocker locker;
    LimitKeeper limits{dialogs, locker};
    StretchController ctl{actions, todayTotal, view, view, dialogs, options, pointer, limits};
    int mouseWatchResets = 0;
    Signal<std::int32_t &>::Connection idle =
        watch.Idle.Connect([this](std::int32_t &still) { ctl.MouseWatch_Idle(still); });
    Signal<>::Connection reset = watch.ResetIdle.Connect([this] { ctl.MouseWatch_ResetIdle(); });
};

} // namespace zk::test
