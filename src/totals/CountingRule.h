#pragma once

#include "time/CalendarDay.h"

#include <optional>
#include <string>

namespace zk {

// Whose time a record is, and on which day it counts. A record has no user
// field: it counts, with its whole elapsed time, for every user whose name
// begins its description (case-sensitive, so "Jan" also counts "Jansen", and
// the empty name counts every record), on the day its end fields name; a
// record whose end names no real day counts on no day. Idle time is every
// record whose description begins with "Idle".
class CountingRule
{
public:
    static bool CountsFor(const std::string &description, const std::string &user);
    static bool IsIdle(const std::string &description);
    static std::optional<CalendarDay> Day(const LocalDateTime &end);
};

} // namespace zk
