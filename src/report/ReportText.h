#pragma once

#include "totals/DailyTotals.h"
#include "totals/LogEntry.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zk::report {

// The report's texts, as 8-bit Latin-1 like every text of the program.

// One line of `list` (without the line end): number, start, end, elapsed
// seconds and description, tab-separated. Damaged fields show as stored.
std::string ListLine(const LogEntry &record);
// "YYYY-MM-DD HH:MM:SS" from the fields as they are, or "-" when the year is 0.
std::string DateTimeText(const LocalDateTime &g);
// Tab, newline, carriage return and backslash as \t, \n, \r and \\.
std::string Escaped(const std::string &text);
// Marker in the elapsed column of a record whose duration overflows 32 bits.
inline constexpr const char *kOverflowMarker = "overflow";

// Takes a long text piece by piece, each a few kilobytes of whole lines, so
// that a report over a full log is never held whole in memory.
using TextSink = std::function<void(std::string_view)>;

// A user's daily limit in seconds on a day, or nothing.
using LimitOf = std::function<std::optional<std::int64_t>(const std::string &user,
                                                          const CalendarDay &day)>;

// An aligned table: a line per day, a subtotal after each Monday-to-Sunday
// week and a total line, every cell in hours and minutes. With limits, a day
// on which users went over their limit ends in "*" and their names.
std::string TotalsTable(const DailyTotals &totals);
void WriteTotalsTable(const DailyTotals &totals, const TextSink &sink,
                      const LimitOf &limits = {});
// RFC 4180: a header row, then one row per day in seconds, CRLF line ends.
// With limits, each user with one on some day of the rows gets a column
// "<user> limit" after Idle (empty on a day without).
std::string TotalsCsv(const DailyTotals &totals);
void WriteTotalsCsv(const DailyTotals &totals, const TextSink &sink,
                    const LimitOf &limits = {});
std::string CsvField(const std::string &field);

// The user names of a --users argument: comma-separated, "\," a comma and
// "\\" a backslash inside a name. The empty argument names nobody. Exact
// repeats are dropped.
std::vector<std::string> ParseUserNames(const std::string &argument);

} // namespace zk::report
