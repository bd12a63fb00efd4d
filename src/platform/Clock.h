#pragma once

#include <cstdint>

namespace zk {

// The local date and time of day in whole seconds.
struct LocalDateTime
{
    std::int32_t year = 0;
    std::int32_t month = 1;
    std::int32_t day = 1;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
};

// Source of "now". Tracking code never asks the operating system directly, so
// that tests can drive whole stretches of use with a fake clock.
//
// Two clocks: the local wall clock, which people and summer time set, and a
// steady one that only ever runs forward and keeps counting while the machine
// sleeps (CLOCK_BOOTTIME). Comparing the two tells a sleep from a clock that
// was set.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
    // Seconds from an arbitrary start; only differences count.
    virtual std::int64_t SteadySeconds() const = 0;
};

// The clock in use by the whole program: the system's local time unless
// SetCurrentClock installed another one. SetCurrentClock(nullptr) restores the
// system clock. The caller keeps ownership and must outlive its installation.
Clock &CurrentClock();
void SetCurrentClock(Clock *clock);

} // namespace zk
