#include "TrackingFakes.h"

#include "platform/Clock.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"

#include <algorithm>

namespace zk::test {

std::int32_t FakeStretchView::GetTodayTimeFromUser(const std::string &username)
{
    const LocalDateTime now = CurrentClock().Now();
    const std::int32_t saved = m_actions.RecordNr();
    std::int32_t total = 0;
    for (std::int32_t nr = 1; nr <= m_actions.RecordCount(); ++nr) {
        m_actions.RecordNr(nr);
        if (m_actions.EndDateTimeYear() == now.year && m_actions.EndDateTimeMonth() == now.month
            && m_actions.EndDateTimeDay() == now.day
            && m_actions.Description().rfind(username, 0) == 0)
            total += m_actions.ElapsedSeconds();
    }
    m_actions.RecordNr(saved);
    return total;
}

std::vector<TimeFields> ReadTimeFields(const std::string &path)
{
    std::vector<TimeFields> out;
    for (const LogRecord &r : Records(ReadFileBytes(path)))
        out.push_back(Fields(r.start, r.end));
    return out;
}

TimeFields Fields(std::array<std::int32_t, 6> start, std::array<std::int32_t, 6> end)
{
    TimeFields f{};
    std::copy(start.begin(), start.end(), f.begin());
    std::copy(end.begin(), end.end(), f.begin() + 6);
    return f;
}

} // namespace zk::test
