#include "limits/LimitStep.h"

#include <algorithm>

namespace zk {

LimitStep LimitStep::At(const std::string &user, std::int32_t todaySeconds,
                        const CalendarDay &day)
{
    using Notice = LimitSettings::Notice;
    const UserLimits limits = LimitSettings::Of(user);
    const std::optional<std::int32_t> limit = limits.SecondsOn(day);
    if (!limit)
        return {};
    LimitStep step;
    step.lockWhenUp = limits.lockWhenUp;
    step.secondsLeft = std::max<std::int32_t>(0, *limit - todaySeconds);
    const Notice given = LimitSettings::Given(user, day);
    const std::int32_t warningMinutes = LimitSettings::WarningMinutes();
    const std::int32_t warnAt = *limit - warningMinutes * 60;
    if (todaySeconds >= *limit && given != Notice::Alarm)
        step.due = Notice::Alarm;
    else if (warningMinutes > 0 && todaySeconds >= warnAt
             && todaySeconds < *limit && given == Notice::None)
        step.due = Notice::Warning;
    return step;
}

} // namespace zk
