#include "totals/CountingRule.h"

namespace zk {

bool CountingRule::CountsFor(const std::string &description, const std::string &user)
{
    return description.compare(0, user.size(), user) == 0;
}

bool CountingRule::IsIdle(const std::string &description)
{
    return CountsFor(description, "Idle");
}

std::optional<CalendarDay> CountingRule::Day(const LocalDateTime &end)
{
    return CalendarDay::Of(end);
}

} // namespace zk
