#pragma once

#include "report/DailyTotals.h"
#include "report/ReportDay.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QPainter;

namespace zk::report {

// A bar chart of each user's hours on the seven days (Monday to Sunday) of one
// week, with the two-hour line, a legend and day labels.
class WeekChart
{
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 450;

    // Takes the week holding `day` out of the totals.
    WeekChart(const DailyTotals &totals, const ReportDay &day);

    const std::array<ReportDay, 7> &Days() const { return m_days; }
    // Seconds of user u on day d (0 = Monday).
    std::int64_t Seconds(std::size_t u, std::size_t d) const { return m_seconds[u][d]; }

    void Paint(QPainter &painter) const;
    // PNG or SVG by the file's extension (case-insensitive). Returns the reason
    // on failure, empty on success.
    QString Save(const QString &path) const;

private:
    std::array<ReportDay, 7> m_days;
    QStringList m_users;
    std::vector<std::array<std::int64_t, 7>> m_seconds;
};

// The chart of the week holding `day` written to `path`; the reason on failure.
QString SaveWeekChart(const DailyTotals &totals, const ReportDay &day, const QString &path);

} // namespace zk::report
