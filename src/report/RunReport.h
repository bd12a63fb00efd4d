#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace zk {
class DailyTotals;
struct CalendarDay;
} // namespace zk

namespace zk::report {

// Draws the chart of the week holding the day into the file; the reason on failure.
using ChartSaver = QString (*)(const DailyTotals &, const CalendarDay &, const QString &);

// The whole command line of zitklok-report after the program's name:
//   list [FILE]
//   totals [--from DAY] [--to DAY] [--users NAMES] [--csv] [FILE]
//   chart [--week DAY] [--users NAMES] --output FILE.png|FILE.svg [FILE]
// FILE defaults to actions.dat beside the program. Users come from the
// program's current settings unless --users names them. The chart is drawn by
// `saveChart`, which needs a QGuiApplication; the others a QCoreApplication.
// Returns 0 on success, 1 when the log cannot be read or the chart written
// (naming the path), 2 for bad usage (one line on err).
int RunReport(const QStringList &args, QTextStream &out, QTextStream &err,
              ChartSaver saveChart = nullptr);

// A program's main after its application object is made: the program's
// settings for the users, its own arguments on stdout and stderr through
// RunReport. Returns RunReport's exit code.
int RunReportOnConsole(ChartSaver saveChart = nullptr);

} // namespace zk::report
