#pragma once

#include <QString>

namespace zk {
class DailyTotals;
struct CalendarDay;
} // namespace zk

namespace zk::report {

// The chart of the week holding `day` written to `path` as PNG or SVG by the
// file's extension (case-insensitive); the reason on failure, empty on
// success. Lives in zk_report_chart, which brings Qt Svg.
QString SaveWeekChart(const DailyTotals &totals, const CalendarDay &day, const QString &path);

} // namespace zk::report
