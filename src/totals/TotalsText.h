#pragma once

#include <cstdint>
#include <string>

namespace zk {

// Whole hours and minutes, seconds dropped: 7500 gives "2:05", -3700 "-1:01".
std::string HoursMinutes(std::int64_t seconds);
// The same appended to out, for long tables that make no text per cell.
void AppendHoursMinutes(std::string &out, std::int64_t seconds);
// Characters of HoursMinutes(seconds), without making the text.
std::size_t HoursMinutesWidth(std::int64_t seconds);
// Heading of a user's column: the name, or "(no name)" for the empty name.
std::string UserHeading(const std::string &name);

} // namespace zk
