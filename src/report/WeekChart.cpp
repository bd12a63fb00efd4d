#include "report/WeekChart.h"

#include "platform/Latin1.h"
#include "report/ReportText.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>

namespace zk::report {

namespace {

constexpr int kTwoHours = 7200;
const char *const kDayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char *const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

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

WeekChart::WeekChart(const DailyTotals &totals, const ReportDay &day)
{
    const ReportDay monday = day.MondayOfWeek();
    for (std::int32_t d = 0; d < 7; ++d)
        m_days[static_cast<std::size_t>(d)] = monday.Plus(d);
    for (const auto &name : totals.Users())
        m_users << zk::ToQt(UserHeading(name));
    m_seconds.assign(totals.Users().size(), {});
    for (std::size_t d = 0; d < 7; ++d) {
        const DailyTotals::Row row = totals.RowOf(m_days[d]);
        for (std::size_t u = 0; u < row.seconds.size(); ++u)
            m_seconds[u][d] = row.seconds[u];
    }
}

void WeekChart::Paint(QPainter &p) const
{
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, kWidth, kHeight), Qt::white);

    p.setPen(Qt::black);
    p.setFont(ChartFont(16, true));
    p.drawText(QRect(0, 8, kWidth, 24), Qt::AlignCenter,
               QStringLiteral("Hours per day, week of %1")
                   .arg(QString::fromStdString(m_days[0].ToText())));

    const QRect plot(60, 44, 560, 330); // bars; legend to the right, labels below
    std::int64_t most = kTwoHours;
    for (const auto &days : m_seconds)
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
    p.setFont(ChartFont(12));
    for (int h = 0; h <= axisHours; h += step) {
        const double y = yOf(h * 3600.0);
        p.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, y - 8, plot.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 h").arg(h));
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
        const ReportDay &day = m_days[d];
        p.setPen(Qt::black);
        p.drawText(QRectF(plot.left() + group * static_cast<double>(d), plot.bottom() + 6, group,
                          18),
                   Qt::AlignCenter, kDayNames[d]);
        p.drawText(QRectF(plot.left() + group * static_cast<double>(d), plot.bottom() + 24, group,
                          18),
                   Qt::AlignCenter,
                   QStringLiteral("%1 %2").arg(day.day).arg(kMonthNames[day.month - 1]));
    }

    // Axes.
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    // The two-hour line: the daily limit at which the program warns.
    const double limit = yOf(kTwoHours);
    const QPen limitPen(QColor(0xd6, 0x27, 0x28), 2, Qt::DashLine);
    p.setPen(limitPen);
    p.drawLine(QPointF(plot.left(), limit), QPointF(plot.right(), limit));

    // Legend: the limit line first, then one entry per user.
    p.setFont(ChartFont(13));
    const QFontMetrics metrics(p.font());
    const int legendX = plot.right() + 20;
    const int perRow = 20;
    const int fits = plot.height() / perRow;
    p.setPen(limitPen);
    p.drawLine(QPointF(legendX, plot.top() + 7), QPointF(legendX + 14, plot.top() + 7));
    p.setPen(Qt::black);
    p.drawText(QRect(legendX + 20, plot.top() - 2, kWidth - legendX - 24, 18),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("2 h limit"));
    for (std::size_t u = 0; u < users; ++u) {
        const int row = static_cast<int>(u) + 1;
        if (row >= fits) {
            p.setPen(Qt::black);
            p.drawText(legendX, plot.top() + row * perRow + 12,
                       QStringLiteral("+%1 more").arg(static_cast<int>(users + 1) - row));
            break;
        }
        const int y = plot.top() + row * perRow;
        p.fillRect(QRect(legendX, y, 14, 14), UserColour(u));
        p.setPen(Qt::black);
        p.drawText(QRect(legendX + 20, y - 2, kWidth - legendX - 24, 18),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(m_users[row - 1], Qt::ElideRight, kWidth - legendX - 24));
    }
    if (users == 0) {
        p.setPen(Qt::black);
        p.drawText(legendX, plot.top() + perRow + 12, QStringLiteral("no users"));
    }
}

QString WeekChart::Save(const QString &path) const
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (suffix == "png") {
        QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&image);
            Paint(painter);
        }
        if (!image.save(&buffer, "PNG"))
            return QStringLiteral("the picture could not be encoded as PNG");
    } else if (suffix == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(kWidth, kHeight));
        svg.setViewBox(QRect(0, 0, kWidth, kHeight));
        svg.setTitle(QStringLiteral("Hours per day"));
        QPainter painter(&svg);
        Paint(painter);
        painter.end(); // the SVG is complete only once painting ends
    } else {
        return QStringLiteral("the output must end in .png or .svg: %1").arg(path);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(buffer.data()) != buffer.data().size() || !file.flush())
        return QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString());
    return {};
}

QString SaveWeekChart(const DailyTotals &totals, const ReportDay &day, const QString &path)
{
    return WeekChart(totals, day).Save(path);
}

} // namespace zk::report
