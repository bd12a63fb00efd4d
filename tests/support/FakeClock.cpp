#include "support/FakeClock.h"

#include <ctime>

namespace zk::test {

void FakeClock::Jump(long long seconds)
{
    std::tm t{m_now.second, m_now.minute, m_now.hour, m_now.day, m_now.month - 1,
              m_now.year - 1900, 0, 0, 0, 0, nullptr};
    const std::time_t stamp = timegm(&t) + static_cast<std::time_t>(seconds);
    gmtime_r(&stamp, &t);
    m_now = {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

} // namespace zk::test
