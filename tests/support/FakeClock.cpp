#include "support/FakeClock.h"

#include <ctime>

namespace zk::test {

FakeClock::FakeClock(LocalDateTime start)
    : m_now(start)
{
    SetCurrentClock(this);
}

FakeClock::~FakeClock() { SetCurrentClock(nullptr); }

void FakeClock::Advance(long long seconds)
{
    m_steady += seconds;
    Jump(seconds);
}

void FakeClock::Jump(long long seconds)
{
    std::tm t{};
    t.tm_year = m_now.year - 1900;
    t.tm_mon = m_now.month - 1;
    t.tm_mday = m_now.day;
    t.tm_hour = m_now.hour;
    t.tm_min = m_now.minute;
    t.tm_sec = m_now.second;
    std::time_t stamp = timegm(&t) + static_cast<std::time_t>(seconds);
    std::tm out{};
    gmtime_r(&stamp, &out);
    m_now = {out.tm_year + 1900, out.tm_mon + 1, out.tm_mday, out.tm_hour, out.tm_min, out.tm_sec};
}

} // namespace zk::test
