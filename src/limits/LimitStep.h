#pragma once

#include "limits/LimitSettings.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zk {

// What a user's limit asks for at a minute tick: the time left today (nothing
// when the user has no limit today, then the two-hour alarm applies) and the
// notice that is due and not yet given today.
struct LimitStep
{
    std::optional<std::int32_t> secondsLeft;
    LimitSettings::Notice due = LimitSettings::Notice::None;
    bool lockWhenUp = false;

    // The user's total of today (seconds) against their limit of day, as
    // stored in the settings.
    static LimitStep At(const std::string &user, std::int32_t todaySeconds,
                        const CalendarDay &day);
};

} // namespace zk
