#pragma once

#include "platform/Clock.h"

namespace zk::test {

// A clock that stands still until told to move. Installs itself as the
// program's clock for its lifetime.
class FakeClock : public Clock
{
public:
    explicit FakeClock(LocalDateTime start = {2026, 12, 6, 9, 0, 0});
    ~FakeClock() override;

    LocalDateTime Now() const override { return m_now; }
    void Set(LocalDateTime now) { m_now = now; }
    // Moves the clock by a number of seconds (negative moves it back), with the
    // real calendar.
    void Advance(long long seconds);

private:
    LocalDateTime m_now;
};

} // namespace zk::test
