#include "week/WeekChart.h"

#include "limits/LimitSettings.h"
#include "platform/qt/Latin1.h"
#include "totals/TotalsText.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace zk {

namespace {

constexpr int kTwoHours = 7200;

QColor UserColour(std::size_t u)
{
    static const QColor colours[] = {
        QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c),
        QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2),
        QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22), QColor(0x17, 0xbe, 0xcf),
        QColor(0x39, 0x3b, 0x79)};
    return colours[u % std::size(colours)];
}

QFont ChartFont(int pixels, bool bold = false)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

WeekChart::WeekChart(const DailyTotals &totals, const CalendarDay &day)
{
    const CalendarDay monday = day.MondayOfWeek();
    for (std::int32_t d = 0; d < 7; ++d)
        m_days[static_cast<std::size_t>(d)] = monday.Plus(d);
    for (const auto &name : totals.Users())
        m_users << zk::ToQt(UserHeading(name));
    m_seconds.assign(totals.Users().size(), {});
    m_limits.assign(totals.Users().size(), {});
    for (std::size_t u = 0; u < totals.Users().size(); ++u) {
        const UserLimits limits = LimitSettings::Of(totals.Users()[u]);
        for (std::size_t d = 0; d < 7; ++d)
            m_limits[u][d] = limits.SecondsOn(m_days[d]).value_or(-1);
    }
    for (std::size_t d = 0; d < 7; ++d) {
        const DailyTotals::Row row = totals.RowOf(m_days[d]);
        for (std::size_t u = 0; u < row.seconds.size(); ++u)
            m_seconds[u][d] = row.seconds[u];
    }
}

std::int64_t WeekChart::WeekSeconds(std::size_t u) const
{
    std::int64_t sum = 0;
    for (auto s : m_seconds[u])
        sum += s;
    return sum;
}

void WeekChart::Paint(QPainter &p) const
{
    WeekChartLook look;
    look.title = QStringLiteral("Hours per day, week of %1")
                     .arg(QString::fromStdString(m_days[0].ToText()));
    Paint(p, QRect(0, 0, kWidth, kHeight), look);
}

void WeekChart::Paint(QPainter &p, const QRect &area, const WeekChartLook &look) const
{
    // Every length below is the picture's, times the scale.
    const double scale = std::max(
        1.0, std::min(area.width() / double(kWidth), area.height() / double(kHeight)));
    auto px = [scale](int length) { return qRound(length * scale); };
    const int left = area.left();
    const int edge = area.left() + area.width();

    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, look.background);

    p.setPen(look.text);
    p.setFont(ChartFont(px(16), true));
    p.drawText(QRect(left, area.top() + px(8), area.width(), px(24)), Qt::AlignCenter,
               look.title);

    // Bars; legend to the right, labels below.
    const QRect plot(left + px(60), area.top() + px(44), area.width() - px(240),
                     area.height() - px(120));
    std::int64_t most = kTwoHours;
    for (const auto &days : m_seconds)
        for (auto s : days)
            most = std::max(most, s);
    for (const auto &days : m_limits)
        for (auto s : days)
            most = std::max(most, s);
    const int topHours = static_cast<int>(std::min<std::int64_t>((most + 3599) / 3600, 24 * 7)) + 1;
    const int step = topHours <= 8 ? 1 : topHours <= 16 ? 2 : (topHours + 7) / 8;
    const int axisHours = (topHours + step - 1) / step * step;
    auto yOf = [&](double seconds) {
        const double clamped = std::clamp(seconds, 0.0, axisHours * 3600.0);
        return plot.bottom() - clamped / (axisHours * 3600.0) * plot.height();
    };

    // Grid and hour labels.
    p.setFont(ChartFont(px(12)));
    for (int h = 0; h <= axisHours; h += step) {
        const double y = yOf(h * 3600.0);
        p.setPen(QPen(look.grid, 1));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(look.text);
        p.drawText(QRectF(left, y - px(8), plot.left() - left - px(6), px(16)),
                   Qt::AlignRight | Qt::AlignVCenter, look.hours.arg(h));
    }

    // Bars, grouped per day.
    const double group = plot.width() / 7.0;
    const std::size_t users = m_seconds.size();
    const double barWidth = users == 0 ? 0 : group * 0.8 / static_cast<double>(users);
    for (std::size_t d = 0; d < 7; ++d) {
        const double x0 = plot.left() + group * static_cast<double>(d) + group * 0.1;
        for (std::size_t u = 0; u < users; ++u) {
            const double y = yOf(static_cast<double>(m_seconds[u][d]));
            const QRectF bar(x0 + barWidth * static_cast<double>(u), y, barWidth,
                             plot.bottom() - y);
            p.fillRect(bar, UserColour(u));
        }
        // The users' own limits: a dashed line in each one's colour across the day.
        for (std::size_t u = 0; u < users; ++u) {
            if (m_limits[u][d] < 0)
                continue;
            const double y = yOf(static_cast<double>(m_limits[u][d]));
            p.setPen(QPen(UserColour(u), 2 * scale, Qt::DashLine));
            p.drawLine(QPointF(x0, y), QPointF(x0 + group * 0.8, y));
        }
        const CalendarDay &day = m_days[d];
        const double x = plot.left() + group * static_cast<double>(d);
        p.setPen(look.text);
        p.drawText(QRectF(x, plot.bottom() + px(6), group, px(18)), Qt::AlignCenter, look.days[d]);
        p.drawText(QRectF(x, plot.bottom() + px(24), group, px(18)), Qt::AlignCenter,
                   QStringLiteral("%1 %2").arg(day.day).arg(look.months[day.month - 1]));
    }

    // Axes.
    p.setPen(QPen(look.text, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    // The two-hour line: the daily limit at which the program warns.
    const double limit = yOf(kTwoHours);
    const QPen limitPen(QColor(0xd6, 0x27, 0x28), 2 * scale, Qt::DashLine);
    p.setPen(limitPen);
    p.drawLine(QPointF(plot.left(), limit), QPointF(plot.right(), limit));

    // Legend: the limit line first, then one entry per user.
    p.setFont(ChartFont(px(13)));
    const QFontMetrics metrics(p.font());
    const int legendX = plot.right() + px(20);
    const int perRow = px(20);
    const int fits = plot.height() / perRow;
    const int textWidth = edge - legendX - px(24);
    p.setPen(limitPen);
    p.drawLine(QPointF(legendX, plot.top() + px(7)), QPointF(legendX + px(14), plot.top() + px(7)));
    p.setPen(look.text);
    p.drawText(QRect(legendX + px(20), plot.top() - px(2), textWidth, px(18)),
               Qt::AlignLeft | Qt::AlignVCenter, look.limit);
    for (std::size_t u = 0; u < users; ++u) {
        const int row = static_cast<int>(u) + 1;
        if (row >= fits) {
            p.setPen(look.text);
            p.drawText(legendX, plot.top() + row * perRow + px(12),
                       look.more.arg(static_cast<int>(users + 1) - row));
            break;
        }
        const int y = plot.top() + row * perRow;
        const QRect text(legendX + px(20), y - px(2), textWidth, px(18));
        p.fillRect(QRect(legendX, y, px(14), px(14)), UserColour(u));
        p.setPen(look.text);
        int nameWidth = textWidth;
        if (look.weekTotals) {
            const QString total = QString::fromStdString(HoursMinutes(WeekSeconds(u)));
            p.drawText(text.adjusted(0, 0, -px(8), 0), Qt::AlignRight | Qt::AlignVCenter, total);
            nameWidth -= metrics.horizontalAdvance(total) + px(14);
        }
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(m_users[row - 1], Qt::ElideRight, nameWidth));
    }
    if (users == 0) {
        p.setPen(look.text);
        p.drawText(legendX, plot.top() + perRow + px(12), look.noUsers);
    }
}

} // namespace zk
