#pragma once

#include "platform/Clock.h"

#include <cstdint>

// Seconds since 1 January 1970 of a local date and time, on the real
// calendar. Only differences are used: to keep a record's end after its start
// and to see the wall clock jump (ClockJumpWatch). Months outside 1..12 are
// carried into the year, so record fields of any value give a number.
std::int64_t ClockSeconds(std::int64_t year, std::int64_t month, std::int64_t day,
                          std::int64_t hour, std::int64_t minute, std::int64_t second);
std::int64_t ClockSeconds(const zk::LocalDateTime &t);
// The clock in use now (zk::CurrentClock()).
std::int64_t ClockSecondsNow();
// The local date and time of a number of ClockSeconds.
zk::LocalDateTime LocalFromClockSeconds(std::int64_t seconds);
