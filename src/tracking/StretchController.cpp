#include "tracking/StretchController.h"

#include "activity_log/LogArchive.h"
#include "activity_log/StoreCursorGuard.h"
#include "activity_log/clsActionsDbase.h"
#include "localisation/OwnMessages.h"
#include "localisation/Module2.h"
#include "options/Options.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/PointerSource.h"
#include "time/Module1.h"
#include "time/OverflowError.h"
#include "time/TimeShapes.h"
#include "time/clsTimePoint.h"
#include "totals/TodayTotalCache.h"
#include "tracking/ActionStateView.h"
#include "tracking/LimitKeeper.h"
#include "tracking/PointerUnseenNotice.h"
#include "tracking/StretchView.h"
#include "tracking/clsElapsedWarning.h"
#include "tracking/clsForm1ActionState.h"

#include <limits>
#include <utility>

namespace {

std::string EnglishWords(std::int32_t seconds)
{
    return GetDurationAsString(seconds, "minutes", "hours", "and");
}

std::string DutchWords(std::int32_t seconds)
{
    return GetDurationAsString(seconds, "minuten", "uur", "en");
}

using zk::ClockSeconds;
using zk::ClockSecondsNow;
using zk::LocalFromClockSeconds;
using zk::SetTimePoint;

std::int32_t ToInt32Clamped(std::int64_t v)
{
    constexpr std::int64_t top = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v > top ? top : (v < 0 ? 0 : v));
}

} // namespace

StretchController::StretchController(clsActionsDbase &actions, zk::TodayTotalCache &todayTotal,
                                     StretchView &view, ActionStateView &stateView,
                                     zk::Dialogs &dialogs, const Options &options,
                                     const zk::PointerSource &pointer, LimitKeeper &limits)
    : actions(actions)
    , m_todayTotal(todayTotal)
    , m_view(view)
    , m_stateView(stateView)
    , m_dialogs(dialogs)
    , m_options(options)
    , m_pointer(pointer)
    , m_limits(limits)
    , m_elapsedwarning(std::make_unique<clsElapsedWarning>())
    , m_elapsedwarningMouseIdle(std::make_unique<clsElapsedWarning>())
{
    m_elapsedwarningConnection
        = m_elapsedwarning->Warning.Connect([this] { elapsedwarning_Warning(); });
    m_elapsedwarningMouseIdleConnection = m_elapsedwarningMouseIdle->Warning.Connect(
        [this] { elapsedwarningMouseIdle_Warning(); });
}

StretchController::~StretchController() = default;

clsForm1ActionState &StretchController::ActionState()
{
    if (!m_actionState)
        m_actionState = std::make_unique<clsForm1ActionState>(m_stateView);
    return *m_actionState;
}

bool StretchController::PointerSeen() const
{
    return m_pointer.CanSeeActivity();
}

ClockJumpWatch::Step StretchController::CheckClock()
{
    m_clockWatch.SleepSeconds(elapsedwarningMouseIdle().TimeTillWarning());
    const ClockJumpWatch::Step step = m_clockWatch.Observe(ClockJumpWatch::Now());
    if (step.shift != 0)
        FollowClockJump(step);
    return step;
}

void StretchController::FollowClockJump(const ClockJumpWatch::Step &step)
{
    if (m_actionState && m_actionState->LastActivity().Year() != 0) {
        clsTimePoint &last = m_actionState->LastActivity();
        SetTimePoint(last, LocalFromClockSeconds(ClockSeconds(last) + step.shift));
    }
    if (m_currentRecordNr <= 0)
        return;
    StoreCursorGuard cursor(actions);
    actions.RecordNr(m_currentRecordNr);
    clsTimePoint at;
    SetTimePoint(at, LocalFromClockSeconds(step.localBefore));
    SetEndToTimePointKeepingOrder(at);
    const std::string description = actions.Description();
    actions.RecordNr(AppendPosition());
    m_currentRecordNr = zk::CheckedToInt16(actions.RecordNr());
    SetTimePoint(at, LocalFromClockSeconds(step.localBefore + step.shift));
    actions.SetStartTimeToTimePoint(at);
    actions.SetEndTimeToNow();
    actions.Description(description);
    cursor.Restore();
}

void StretchController::SetEndToNowKeepingOrder()
{
    // A clock set back would pull the end before what was already logged, or
    // before the start; the end written last is the better guess then.
    if (ClockSecondsNow() < ClockSeconds(actions.EndDateTime()))
        return;
    actions.SetEndTimeToNow();
}

void StretchController::SetEndToTimePointKeepingOrder(const clsTimePoint &tp)
{
    if (ClockSeconds(tp) >= ClockSeconds(actions.StartDateTime())) {
        actions.SetEndTimeToTimePoint(tp);
        return;
    }
    clsTimePoint start;
    SetTimePoint(start, actions.StartDateTime());
    actions.SetEndTimeToTimePoint(start);
}

void StretchController::EndCurrentRecord(const clsTimePoint *EndTP)
{
    if (m_currentRecordNr == 0)
        return;
    StoreCursorGuard cursor(actions);
    actions.RecordNr(m_currentRecordNr);
    if (EndTP)
        SetEndToTimePointKeepingOrder(*EndTP);
    else
        SetEndToNowKeepingOrder();
    cursor.Restore();
    m_currentRecordNr = 0;
}

void StretchController::NewRecord(const std::string &Description, bool SetToIdle,
                                  const clsTimePoint *StartTP)
{
    const ClockJumpWatch::Step step = CheckClock();
    if (step.slept && m_currentRecordNr > 0) {
        // A start right after a resume: the sleep was no use of the stretch
        // that ran.
        std::int32_t still = ToInt32Clamped(step.elapsed);
        FeedIdleWarning(still);
    }
    EndCurrentRecord();

    StoreCursorGuard cursor(actions);
    actions.RecordNr(AppendPosition());
    m_currentRecordNr = zk::CheckedToInt16(actions.RecordNr());
    if (StartTP && ClockSeconds(*StartTP) <= ClockSecondsNow())
        actions.SetStartTimeToTimePoint(*StartTP);
    else
        actions.SetStartTimeToNow(); // also when the clock went back past StartTP
    actions.SetEndTimeToNow();
    actions.Description(Description);
    cursor.Restore();

    if (m_view.FilterText() != Description)
        m_view.SetFilterText(Description);
    else
        m_view.cmbFilter_Change();

    if (SetToIdle && ActionState().State() == 1) {
        ActionState().State(2);
    } else {
        ActionState().State(1);
        if (m_mouseWatchReset)
            m_mouseWatchReset();
        elapsedwarningMouseIdle().Reset();
        elapsedwarning().Reset();
    }

    m_currentUser = Description;
    TellOfArchive();
}

std::int32_t StretchController::AppendPosition()
{
    // Record numbers end at 32767: a full log is kept aside under a dated name
    // and the stretch goes into a new one, so that the household never stops
    // being able to log.
    if (actions.RecordCount() >= kMaxRecords)
        m_archive = zk::LogArchive::StartNewLog(actions, zk::CurrentClock().Now());
    return zk::CheckedAdd(actions.RecordCount(), 1);
}

void StretchController::TellOfArchive()
{
    // Told once the stretch is logged: the box lets the event loop run.
    const std::string damaged = actions.TakeDamagedCopy();
    if (!damaged.empty())
        m_dialogs.MessageBox(OwnMessage("The log $log$ was damaged; a copy is kept as $file$.",
                                        {{"$log$", actions.FileName()}, {"$file$", damaged}}),
                             ProgramTitle(), zk::Dialogs::Icon::Exclamation);
    if (m_archive.empty())
        return;
    const std::string archive = std::exchange(m_archive, {});
    m_dialogs.MessageBox(OwnMessage("The log was full and is kept as $file$.", {{"$file$", archive}}),
                         ProgramTitle(), zk::Dialogs::Icon::Information);
}

void StretchController::btnStartComputeren_Click()
{
    m_view.HideMainWindow();
    m_view.ShowStartWindow();
}

void StretchController::btnEindigComputeren_Click()
{
    CheckClock();
    if (m_currentRecordNr == 0)
        return;
    StoreCursorGuard cursor(actions);
    const std::int16_t stopping = m_currentRecordNr;
    actions.RecordNr(stopping);
    SetEndToNowKeepingOrder();

    const std::string answer = m_dialogs.InputBox(TranslateText("Vul de zitklok in!"),
                                                  TranslateText("Stoppen met computeren"),
                                                  actions.Description());

    // The box ran the event loop: ticks, an automatic stop or a new user's
    // stretch may have moved the cursor and closed this stretch meanwhile.
    // The text belongs to the record that was offered, whatever happened.
    actions.RecordNr(stopping);
    if (!answer.empty())
        actions.Description(answer);
    cursor.Restore();

    // A stretch begun while the box was open (the "Idle" one of an automatic
    // stop, or a user's) is not the one being stopped: it goes on.
    if (m_currentRecordNr == stopping) {
        m_currentRecordNr = 0;
        ActionState().State(0);
    }
}

void StretchController::Timer1_Tick()
{
    const ClockJumpWatch::Step step = CheckClock();
    if (m_currentRecordNr <= 0)
        return;

    if (step.slept) {
        // Woken from a sleep before the mouse watch noticed: the gap was no use.
        std::int32_t still = ToInt32Clamped(step.elapsed);
        FeedIdleWarning(still);
        if (m_currentRecordNr <= 0)
            return;
    }

    StoreCursorGuard cursor(actions);
    actions.RecordNr(m_currentRecordNr);
    SetEndToNowKeepingOrder();
    const std::int16_t running = m_currentRecordNr;

    const std::int32_t today = m_todayTotal.GetTodayTimeFromUser(m_currentUser);
    const LimitKeeper::Minute limit = m_limits.Tick(m_currentUser, today, m_alarmOpen);
    if (!limit.limited)
        elapsedwarning().UpdateActiveSeconds(today);
    if (m_currentRecordNr != running) {
        // The alarm box let an automatic stop or a new stretch happen; the
        // tooltip now belongs to that one, and the next tick words it.
        cursor.Restore();
        return;
    }
    if (limit.endAndLock) {
        cursor.Restore();
        EndForLimit();
        return;
    }

    const std::int32_t elapsed = actions.ElapsedSeconds();
    m_stateView.Tray().SetToolTip(FillPlaceholders(
        TranslateText("$user$ is bezig: $time$. Totaal vandaag: $time2$"),
        {{"$user$", m_currentUser}, {"$time$", EnglishWords(elapsed)},
         {"$tijd$", DutchWords(elapsed)}, {"$time2$", EnglishWords(today)},
         {"$tijd2$", DutchWords(today)}}) + (limit.limited ? "\n" + limit.leftText : ""));
    if (limit.limited)
        m_stateView.SetStatusText(limit.leftText);

    cursor.Restore();
    TellOfArchive();
}

void StretchController::Timer2_Tick()
{
    if (m_focusCountdown <= 0)
        return;
    --m_focusCountdown;
    if (m_view.MainWindowVisible() && m_focusCountdown == 0)
        m_view.FocusLogList();
}

void StretchController::FeedIdleWarning(std::int32_t &stillSeconds)
{
    if (ActionState().State() != 1 || m_currentRecordNr == 0)
        return;
    if (!PointerSeen()) {
        // Keep the warning armed: should the pointer become visible, the
        // automatic stop works from then on.
        if (!m_pointerNoticeShown) {
            // In the status bar alone nobody would see it: the main window is
            // hidden while a stretch runs.
            m_pointerNoticeShown = true;
            const std::string notice = PointerUnseenNotice();
            if (!notice.empty()) {
                m_stateView.SetStatusText(notice);
                m_dialogs.MessageBox(notice, ProgramTitle(), zk::Dialogs::Icon::Information);
            }
        }
        return;
    }
    elapsedwarningMouseIdle().UpdateActiveSeconds(stillSeconds);
}

void StretchController::MouseWatch_Idle(std::int32_t &lastResetIdle)
{
    // A sleep is already in the count (the mouse watch's late look).
    CheckClock();
    FeedIdleWarning(lastResetIdle);
}

void StretchController::MouseWatch_ResetIdle()
{
    CheckClock();
    ActionState().LastActivity().SetTimeFromClock();
}

void StretchController::elapsedwarning_Warning()
{
    // The warning is spent only when its listeners return, so a minute tick
    // while the box is open would raise it again. One alarm on the screen is
    // enough: a raise while it is open is dropped.
    if (m_alarmOpen)
        return;
    struct Open
    {
        bool &flag;
        explicit Open(bool &f) : flag(f) { flag = true; }
        ~Open() { flag = false; }
    } open(m_alarmOpen);
    m_dialogs.MessageBox(TranslateText("Je bent al 2 uur aan het computeren. Tijd om te stoppen."),
                         TranslateText("Alarm"), zk::Dialogs::Icon::Exclamation);
}

void StretchController::elapsedwarningMouseIdle_Warning()
{
    if (m_currentRecordNr == 0 || !m_options.AutoStopOnMouseIdle() || !PointerSeen())
        return;

    const std::int32_t limit = elapsedwarningMouseIdle().TimeTillWarning();
    m_stateView.SetStatusText(FillPlaceholders(
        TranslateText("Automatisch gestopt met tijd, omdat de muis $time$ lang stilstond."),
        {{"$time$", EnglishWords(limit)}, {"$tijd$", DutchWords(limit)}}));

    clsTimePoint &lastActivity = ActionState().LastActivity();
    EndCurrentRecord(&lastActivity);
    NewRecord("Idle", true, &lastActivity);

    m_view.HideMainWindow();
    m_view.ShowStartWindow();
}

void StretchController::EndForLimit()
{
    // As the stop button, without its box: the description stays.
    EndCurrentRecord();
    ActionState().State(0);
    // Whoever unlocks next starts as usual.
    m_view.HideMainWindow();
    m_view.ShowStartWindow();
    m_limits.Lock();
}
