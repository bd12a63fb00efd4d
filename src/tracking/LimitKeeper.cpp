#include "tracking/LimitKeeper.h"

#include "limits/LimitStep.h"
#include "localisation/Module2.h"
#include "localisation/OwnMessages.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Locker.h"
#include "time/Module1.h"
#include "time/TimeShapes.h"

namespace {

std::string LeftWords(const std::string &key, const std::string &user, std::int32_t seconds)
{
    // Whole minutes, rounded up: "0 minutes left" only once the time is up.
    const std::int32_t shown = (seconds + 59) / 60 * 60;
    return OwnMessage(key, {{"$user$", user},
                            {"$time$", GetDurationAsString(shown, "minutes", "hours", "and")},
                            {"$tijd$", GetDurationAsString(shown, "minuten", "uur", "en")}});
}

} // namespace

LimitKeeper::LimitKeeper(zk::Dialogs &dialogs, zk::Locker &locker)
    : m_dialogs(dialogs)
    , m_locker(locker)
{
}

LimitKeeper::Minute LimitKeeper::Tick(const std::string &user, std::int32_t todaySeconds,
                                      bool boxOpen)
{
    using Notice = zk::LimitSettings::Notice;
    const std::optional<zk::CalendarDay> day = zk::CalendarDay::Of(zk::CurrentClock().Now());
    if (!day)
        return {};
    const zk::LimitStep step = zk::LimitStep::At(user, todaySeconds, *day);
    if (!step.secondsLeft)
        return {};
    Minute minute{true, LeftWords("$user$: nog $time$ vandaag", user, *step.secondsLeft)};

    const std::int64_t now = zk::ClockSecondsNow();
    if (step.lockWhenUp && *step.secondsLeft == 0) {
        // Up since the alarm, or since this stretch began when the alarm was
        // given before: one minute to save one's work.
        const auto [at, fresh] = m_upAt.try_emplace(user, now);
        // The next minute tick: a tick may come a little early on the wall clock.
        if (!fresh && now - at->second >= 30) {
            m_upAt.erase(at);
            minute.endAndLock = true;
            return minute;
        }
    }
    if (step.due == Notice::None || boxOpen || m_boxOpen)
        return minute;
    // Marked before the box opens: ticks run on while it is open.
    zk::LimitSettings::MarkGiven(user, *day, step.due);
    if (step.due == Notice::Alarm)
        Tell(OwnMessage("$user$: je tijd voor vandaag is op.", {{"$user$", user}}));
    else
        Tell(LeftWords("$user$: nog $time$ vandaag. Rond af.", user, *step.secondsLeft));
    return minute;
}

void LimitKeeper::Tell(const std::string &text)
{
    m_boxOpen = true;
    struct Close
    {
        bool &flag;
        ~Close() { flag = false; }
    } close{m_boxOpen};
    m_dialogs.MessageBox(text, TranslateText("Alarm"), zk::Dialogs::Icon::Exclamation);
}

void LimitKeeper::Lock()
{
    if (m_locker.Lock() || m_lockFailureTold)
        return;
    m_lockFailureTold = true;
    m_dialogs.MessageBox(OwnMessage("Het scherm kon niet worden vergrendeld: deze computer heeft "
                                    "geen vergrendeling die Zitklok kan vragen."),
                         ProgramTitle(), zk::Dialogs::Icon::Exclamation);
}
