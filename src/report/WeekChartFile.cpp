// The week chart as a picture file: apart from the painter, so that the
// program's week window does without Qt Svg.
#include "report/WeekChartFile.h"

#include "localisation/Module2.h"
#include "localisation/OwnMessages.h"
#include "localisation/gclsLanguageChange.h"
#include "platform/qt/Latin1.h"
#include "week/WeekChart.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace zk::report {

namespace {

QString Own(const std::string &key, Placeholders values = {})
{
    return zk::ToQt(OwnMessage(key, values));
}

// The chart's texts in the settings' language; the months as the report's
// reader of that language writes them, not as the machine's regional settings do.
WeekChartLook Look(const CalendarDay &monday)
{
    WeekChartLook look;
    look.title = Own("Hours per day, week of $date$", {{"$date$", monday.ToText()}});
    const char *const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (std::size_t i = 0; i < 7; ++i)
        look.days[i] = Own(days[i]);
    if (gLanguageChange().GetLanguage() == "NL")
        look.months = {"jan", "feb", "mrt", "apr", "mei", "jun",
                       "jul", "aug", "sep", "okt", "nov", "dec"};
    look.hours = Own("$hours$ h", {{"$hours$", "%1"}, {"$uren$", "%1"}});
    look.limit = Own("2 h limit");
    look.noUsers = Own("no users");
    look.more = Own("+$count$ more", {{"$count$", "%1"}, {"$aantal$", "%1"}});
    return look;
}

} // namespace

QString SaveWeekChart(const DailyTotals &totals, const CalendarDay &day, const QString &path)
{
    const WeekChart chart(totals, day);
    const WeekChartLook look = Look(day.MondayOfWeek());
    const QString suffix = QFileInfo(path).suffix().toLower();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (suffix == "png") {
        QImage image(WeekChart::kWidth, WeekChart::kHeight, QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&image);
            chart.Paint(painter, QRect(0, 0, WeekChart::kWidth, WeekChart::kHeight), look);
        }
        if (!image.save(&buffer, "PNG"))
            return QStringLiteral("the picture could not be encoded as PNG");
    } else if (suffix == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(WeekChart::kWidth, WeekChart::kHeight));
        svg.setViewBox(QRect(0, 0, WeekChart::kWidth, WeekChart::kHeight));
        svg.setTitle(Own("Hours per day"));
        QPainter painter(&svg);
        chart.Paint(painter, QRect(0, 0, WeekChart::kWidth, WeekChart::kHeight), look);
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
