#pragma once

#include <cstdint>
#include <optional>

// Tells, between two readings of the clocks, a sleep from a wall clock that
// was set. The steady clock counts real time, suspend included; the local
// clock is what records hold and what summer time, time servers and people
// move. Between two readings:
// - the steady clock ran more than SleepSeconds: the machine slept (or the
//   program stood still that long), whatever the local clock did;
// - otherwise, the local clock moved more than two seconds away from the
//   steady one: the wall clock jumped by the difference (Shift). Whole
//   seconds of either clock alone never differ by more than one.
class ClockJumpWatch
{
public:
    struct Reading
    {
        std::int64_t steady = 0; // steady seconds
        std::int64_t local = 0;  // ClockSeconds of the local time
    };

    struct Step
    {
        std::int64_t elapsed = 0; // steady seconds since the previous reading
        bool slept = false;
        // Local seconds beyond the real time passed; 0 for no jump and
        // after a sleep, which stands for everything that happened in it.
        std::int64_t shift = 0;
        // The local time of the previous reading: the last one before a jump.
        std::int64_t localBefore = 0;
    };

    // The first reading is a step of nothing, and so is the first after Forget.
    Step Observe(const Reading &now);
    void Forget() { m_last.reset(); }
    // The program's clock (zk::CurrentClock()) now.
    static Reading Now();

    // 600 unless set; kept equal to the idle limit, so that a sleep is
    // stillness long enough for the automatic stop.
    std::int32_t SleepSeconds() const { return m_sleepSeconds; }
    void SleepSeconds(std::int32_t seconds) { m_sleepSeconds = seconds; }

private:
    std::optional<Reading> m_last;
    std::int32_t m_sleepSeconds = 600;
};
