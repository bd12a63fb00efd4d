// The week chart as a picture file: apart from the painter, so that the
// program's week window does without Qt Svg.
#include "report/WeekChartFile.h"

#include "week/WeekChart.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace zk::report {

QString SaveWeekChart(const DailyTotals &totals, const CalendarDay &day, const QString &path)
{
    const WeekChart chart(totals, day);
    const QString suffix = QFileInfo(path).suffix().toLower();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (suffix == "png") {
        QImage image(WeekChart::kWidth, WeekChart::kHeight, QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&image);
            chart.Paint(painter);
        }
        if (!image.save(&buffer, "PNG"))
            return QStringLiteral("the picture could not be encoded as PNG");
    } else if (suffix == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(WeekChart::kWidth, WeekChart::kHeight));
        svg.setViewBox(QRect(0, 0, WeekChart::kWidth, WeekChart::kHeight));
        svg.setTitle(QStringLiteral("Hours per day"));
        QPainter painter(&svg);
        chart.Paint(painter);
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

} // namespace zk::report
