#pragma once

#include "totals/DailyTotals.h"
#include "time/CalendarDay.h"
#include "week/WeekChartLook.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QPainter;

namespace zk {

// A bar chart of each user's hours on the seven days (Monday to Sunday) of one
// week, with the two-hour line, each user's own limit line on the days they
// have one (from the settings), a legend and day labels. One painter serves
// the report's picture file and the program's week window.
class WeekChart
{
public:
    // The report's picture size, at which the chart is drawn at its own scale.
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 450;

    // Takes the week holding `day` out of the totals.
    WeekChart(const DailyTotals &totals, const CalendarDay &day);

    const std::array<CalendarDay, 7> &Days() const { return m_days; }
    // Column headings of the users, in the order of the totals.
    const QStringList &Users() const { return m_users; }
    // Seconds of user u on day d (0 = Monday).
    std::int64_t Seconds(std::size_t u, std::size_t d) const { return m_seconds[u][d]; }
    std::int64_t WeekSeconds(std::size_t u) const;

    // The report's picture: kWidth x kHeight from the origin, black on white.
    void Paint(QPainter &painter) const;
    // Into any area: the layout grows with an area larger than the picture's,
    // never shrinks below it, so that every label keeps its size.
    void Paint(QPainter &painter, const QRect &area, const WeekChartLook &look) const;

private:
    std::array<CalendarDay, 7> m_days;
    QStringList m_users;
    std::vector<std::array<std::int64_t, 7>> m_seconds;
    // Each user's limit in seconds per day, -1 where none.
    std::vector<std::array<std::int64_t, 7>> m_limits;
};

} // namespace zk
