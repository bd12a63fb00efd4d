#include "TrackingFakes.h"

#include "platform/Clock.h"
#include "support/TempDir.h"

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
    const std::string bytes = ReadFileBytes(path);
    std::vector<TimeFields> records;
    for (std::size_t at = 0; at + 148 <= bytes.size(); at += 148) {
        TimeFields f{};
        for (std::size_t i = 0; i < f.size(); ++i) {
            std::uint32_t v = 0;
            for (int b = 3; b >= 0; --b)
                v = (v << 8) | static_cast<unsigned char>(bytes[at + i * 4 + b]);
            f[i] = static_cast<std::int32_t>(v);
        }
        records.push_back(f);
    }
    return records;
}

TimeFields Fields(std::array<std::int32_t, 6> start, std::array<std::int32_t, 6> end)
{
    TimeFields f{};
    for (int i = 0; i < 6; ++i) {
        f[i] = start[i];
        f[i + 6] = end[i];
    }
    return f;
}

} // namespace zk::test
