#pragma once

#include "TrackingFakes.h"

#include "activity_log/clsActionsDbase.h"
#include "localisation/gclsLanguageChange.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakePointer.h"
#include "support/FakeSettings.h"
#include "support/FixedMonthNames.h"
#include "support/TempDir.h"
#include "time/clsTimePoint.h"
#include "tracking/ClockSeconds.h"
#include "tracking/MouseIdleCounter.h"
#include "tracking/StretchController.h"
#include "tracking/clsElapsedWarning.h"
#include "tracking/clsForm1ActionState.h"

#include <gtest/gtest.h>

#include <memory>

namespace zk::test {

// A main window's worth of tracking: a real store on a temporary actions.dat,
// the controller, and the mouse watch's counter looking at a fake pointer,
// wired as start-up wires them (scan rate 10 s, idle limit 600 s).
class StretchFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetLanguageChangeForTests();
        actions.OpenFile(path);
        ctl = std::make_unique<StretchController>(actions, view, stateView, dialogs);
        ctl->elapsedwarningMouseIdle().TimeTillWarning(600);
        ctl->SetMouseWatchReset([this] {
            watch.Reset();
            ++mouseWatchResets;
        });
        ctl->SetPointerSource(&pointer);
        watch.ScanRateInSeconds(10);
        idle = watch.Idle.Connect([this](std::int32_t &c) { ctl->MouseWatch_Idle(c); });
        reset = watch.ResetIdle.Connect([this] { ctl->MouseWatch_ResetIdle(); });
    }

    void TearDown() override
    {
        idle.Disconnect();
        reset.Disconnect();
        ctl.reset();
        ResetLanguageChangeForTests();
    }

    void Language(const std::string &code) { gLanguageChange().Change(code); }

    void Look() { watch.Look(pointer.position, clock.SteadySeconds()); }
    // Ten seconds pass, then the watch looks; moving nudges the pointer first.
    void Looks(int count, bool moving)
    {
        for (int i = 0; i < count; ++i) {
            clock.Advance(10);
            if (moving)
                pointer.position.x = (pointer.position.x + 1) % 1000;
            Look();
        }
    }
    // Whole minutes of use: six looks, then the minute tick.
    void Minutes(int count, bool moving = true)
    {
        for (int i = 0; i < count; ++i) {
            Looks(6, moving);
            ctl->Timer1_Tick();
        }
    }

    std::int32_t State() { return ctl->ActionState().State(); }
    std::string DescriptionOf(std::int32_t nr)
    {
        const std::int32_t saved = actions.RecordNr();
        actions.RecordNr(nr);
        std::string d = actions.Description();
        actions.RecordNr(saved);
        return d;
    }
    std::vector<TimeFields> Disk() { return ReadTimeFields(path); }

    FakeClock clock{{2026, 12, 6, 9, 0, 0}};
    FakeSettings settings;
    FixedMonthNames months;
    TempDir dir;
    std::string path = dir.File("actions.dat");
    clsActionsDbase actions;
    FakeStretchView view{actions};
    FakeStateView stateView;
    FakeDialogs dialogs;
    FakePointer pointer;
    MouseIdleCounter watch;
    std::unique_ptr<StretchController> ctl;
    int mouseWatchResets = 0;
    zk::Signal<std::int32_t &>::Connection idle;
    zk::Signal<>::Connection reset;
};

} // namespace zk::test
