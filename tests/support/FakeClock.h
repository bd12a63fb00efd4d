#pragma once

#include "platform/Clock.h"

namespace zk::test {

// A clock that stands still until told, the program's clock for its lifetime. Advance is real
// time passing (a sleep too): local and steady clock move together. Set and Jump (negative
// goes back) move the local clock alone, as a person, summer time or a time server does.
class FakeClock : public Clock
{
public:
    explicit FakeClock(LocalDateTime start = {2026, 12, 6, 9, 0, 0}) : m_now(start)
    {
        SetCurrentClock(this);
    }
    ~FakeClock() override { SetCurrentClock(nullptr); }

    LocalDateTime Now() const override { return m_now; }
    std::int64_t SteadySeconds() const override { return m_steady; }
    void Set(LocalDateTime now) { m_now = now; }
    void Advance(long long seconds) { m_steady += seconds, Jump(seconds); }
    void Jump(long long seconds);

private:
    LocalDateTime m_now;
    std::int64_t m_steady = 1'000'000;
};

} // namespace zk::test
