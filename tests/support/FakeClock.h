#pragma once

#include "platform/Clock.h"

namespace zk::test {

// A clock that stands still until told to move. Installs itself as the
// program's clock for its lifetime.
//
// Advance is real time passing (a sleep too): the local and the steady clock
// move together. Set and Jump move only the local clock, as a person, summer
// time or a time server does.
class FakeClock : public Clock
{
public:
    explicit FakeClock(LocalDateTime start = {2026, 12, 6, 9, 0, 0});
    ~FakeClock() override;

    LocalDateTime Now() const override { return m_now; }
    std::int64_t SteadySeconds() const override { return m_steady; }
    void Set(LocalDateTime now) { m_now = now; }
    // Moves both clocks by a number of seconds, with the real calendar.
    void Advance(long long seconds);
    // Moves the local clock alone (negative moves it back).
    void Jump(long long seconds);

private:
    LocalDateTime m_now;
    std::int64_t m_steady = 1'000'000;
};

} // namespace zk::test
