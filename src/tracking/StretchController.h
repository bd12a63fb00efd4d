#pragma once

#include "core/Signal.h"
#include "tracking/ClockJumpWatch.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class ActionStateView;
class LimitKeeper;
class Options;
class StretchView;
class clsActionsDbase;
class clsElapsedWarning;
class clsForm1ActionState;
class clsTimePoint;

namespace zk {
class Dialogs;
class PointerSource;
class TodayTotalCache;
} // namespace zk

// The main window's part of use tracking: the running stretch and its record,
// the stop button, the minute tick with the busy tooltip, the focus countdown,
// the mouse watch handlers with the automatic stop, and the two-hour alarm.
// Form1 owns one and forwards its clicks, ticks and notifications to it.
//
// Every operation that touches the store keeps its cursor (StoreCursorGuard),
// works on its own record and sets the cursor back (which writes the record),
// also when it fails. Errors of the store reach the caller.
//
// A full log (32767 records, as far as record numbers reach): the record that
// would be number 32768 goes into a new log instead, the full one being kept
// aside under a dated name (zk::LogArchive), and a message box names it.
//
// Sleep and the wall clock (ClockJumpWatch, at every tick, look, start and
// stop): a minute tick or a start that comes more than the idle limit
// (TimeTillWarning of elapsedwarningMouseIdle) after the previous reading by
// the steady clock counts the gap as stillness of the pointer, as the mouse
// watch does at its own late look; whichever runs first after a resume, the
// stretch ends at LastActivity (option on) before the sleep can count as use.
// A jump of the wall clock (summer time, a correction) is neither: the running
// record ends at the last local time before the jump and the stretch goes on
// in a new record with the same description from the first local time after
// it, so every record's length is real time used; LastActivity moves with the
// clock. No operation lets a record end before its start.
class StretchController
{
public:
    // todayTotal counts the running user's time of today for the two-hour
    // alarm and the tooltip; it must count in `actions`. options:
    // AutoStopOnMouseIdle, read at every automatic stop. pointer: while it
    // reports CanSeeActivity() false the automatic stop does not act, and a
    // message box and the status bar tell so once per start (at the first
    // look during a user's stretch). limits: for a user with a limit today
    // the minute tick warns and alarms at that limit instead of the two-hour
    // alarm, shows the time left in the tooltip and the status line, and ends
    // the stretch (as the stop button does, without the box) and locks when
    // the limit says so; for a user without a limit nothing changes.
    StretchController(clsActionsDbase &actions, zk::TodayTotalCache &todayTotal,
                      StretchView &view, ActionStateView &stateView, zk::Dialogs &dialogs,
                      const Options &options, const zk::PointerSource &pointer,
                      LimitKeeper &limits);
    ~StretchController();
    StretchController(const StretchController &) = delete;
    StretchController &operator=(const StretchController &) = delete;

    // Ends a running stretch now and appends a record for Description. For a
    // user (SetToIdle false, or the state not 1) the state becomes 1 and the
    // mouse watch and both warnings are reset; the automatic stop passes
    // SetToIdle true and LastActivity, which puts the state to 2.
    void NewRecord(const std::string &Description, bool SetToIdle,
                   const clsTimePoint *StartTP = nullptr);
    // Closes the running record at EndTP (or now); nothing when none runs.
    void EndCurrentRecord(const clsTimePoint *EndTP = nullptr);

    void btnStartComputeren_Click(); // hides the main window, shows frmStart
    // Ends the running record now, asks for its description in a modal input
    // box and stops. The box lets the event loop run: the typed text always
    // lands in the record that was running when the box opened; when that
    // stretch was closed meanwhile (automatic stop, a new user), the newer
    // stretch is left running.
    void btnEindigComputeren_Click();

    void Timer1_Tick(); // every minute
    void Timer2_Tick(); // every 100 ms while Timer2Needed()
    bool Timer2Needed() const { return m_focusCountdown > 0; }

    // Handlers of UCMouseWatch1's Idle and ResetIdle.
    void MouseWatch_Idle(std::int32_t &lastResetIdle);
    void MouseWatch_ResetIdle();

    // Handlers of the two warnings' Warning (connected by the constructor).
    void elapsedwarning_Warning();          // the two-hour alarm
    void elapsedwarningMouseIdle_Warning(); // the automatic stop

    // Created on first use (which applies state 0).
    clsForm1ActionState &ActionState();
    // Both start at 7200 seconds; start-up sets the idle one to 600.
    clsElapsedWarning &elapsedwarning() { return *m_elapsedwarning; }
    clsElapsedWarning &elapsedwarningMouseIdle() { return *m_elapsedwarningMouseIdle; }

    std::int16_t currentRecordNr() const { return m_currentRecordNr; }
    const std::string &currentUser() const { return m_currentUser; }
    std::int16_t focusCountdown() const { return m_focusCountdown; }
    void focusCountdown(std::int16_t value) { m_focusCountdown = value; }

    // UCMouseWatch1.Reset, called when a user's stretch begins.
    void SetMouseWatchReset(std::function<void()> reset) { m_mouseWatchReset = std::move(reset); }

    // The most records a log holds; the next stretch starts a new log.
    static constexpr std::int32_t kMaxRecords = 32767;

private:
    std::int32_t AppendPosition();
    void TellOfArchive();
    bool PointerSeen() const;
    ClockJumpWatch::Step CheckClock();
    void FollowClockJump(const ClockJumpWatch::Step &step);
    void SetEndToNowKeepingOrder();
    void SetEndToTimePointKeepingOrder(const clsTimePoint &tp);
    void FeedIdleWarning(std::int32_t &stillSeconds);
    void EndForLimit();

    clsActionsDbase &actions;
    zk::TodayTotalCache &m_todayTotal;
    StretchView &m_view;
    ActionStateView &m_stateView;
    zk::Dialogs &m_dialogs;
    const Options &m_options;
    const zk::PointerSource &m_pointer;
    LimitKeeper &m_limits;

    std::int16_t m_currentRecordNr = 0;
    std::string m_currentUser;
    std::int16_t m_focusCountdown = 0;

    std::unique_ptr<clsForm1ActionState> m_actionState;
    std::unique_ptr<clsElapsedWarning> m_elapsedwarning;
    std::unique_ptr<clsElapsedWarning> m_elapsedwarningMouseIdle;
    zk::Signal<>::Connection m_elapsedwarningConnection;
    zk::Signal<>::Connection m_elapsedwarningMouseIdleConnection;

    std::function<void()> m_mouseWatchReset;
    bool m_pointerNoticeShown = false;
    bool m_alarmOpen = false;
    // A full log just kept aside, to be told of.
    std::string m_archive;
    // Read at every tick, look, start and stop, to tell a sleep from a jump of the wall clock.
    ClockJumpWatch m_clockWatch;
};
