#pragma once

#include "platform/Clock.h"

#include <cstdint>

class clsTimePoint;

// The conversions between the shapes a date and time takes in the program:
// the six fields of a record, of the clock and of a zk::LocalDateTime are
// one and the same; clsTimePoint is the calculating object with its own
// simplified calendar; ClockSeconds counts seconds on the real calendar.
namespace zk {

LocalDateTime ToLocalDateTime(const clsTimePoint &t);
void SetTimePoint(clsTimePoint &t, const LocalDateTime &value);

// Seconds since 1 January 1970 of a local date and time, on the real
// calendar. Only differences are used: to keep a record's end after its start
// and to see the wall clock jump (ClockJumpWatch). Months outside 1..12 are
// carried into the year and days outside the month into the months, so record
// fields of any value give a number.
std::int64_t ClockSeconds(const LocalDateTime &t);
std::int64_t ClockSeconds(const clsTimePoint &t);
// The clock in use now (zk::CurrentClock()).
std::int64_t ClockSecondsNow();
// The local date and time of a number of ClockSeconds.
LocalDateTime LocalFromClockSeconds(std::int64_t seconds);

} // namespace zk
