#pragma once

#include "core/Signal.h"

#include <cstdint>

// A one-shot threshold on a number of seconds. The first UpdateActiveSeconds
// with a value at or above TimeTillWarning raises Warning; after that the
// object stays quiet until Reset.
//
// The object is spent only once the listeners have returned: a listener that
// opens a modal box and lets the event loop feed the object again gets
// Warning again. Listeners that must not be re-entered guard themselves.
class clsElapsedWarning
{
public:
    clsElapsedWarning(); // armed, limit 7200 seconds

    void Reset();
    void UpdateActiveSeconds(const std::int32_t &sec);

    // The limit itself in seconds (not the time that remains). Setting it does
    // not re-arm a spent warning.
    std::int32_t TimeTillWarning() const { return m_timeTillWarning; }
    void TimeTillWarning(std::int32_t seconds) { m_timeTillWarning = seconds; }

    zk::Signal<> Warning;

private:
    bool warningGiven = false;
    std::int32_t m_timeTillWarning = 7200;
};
