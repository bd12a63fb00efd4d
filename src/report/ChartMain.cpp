// zitklok-report-chart: the chart command of zitklok-report, which hands its
// whole command line over to this program.
#include "report/RunReport.h"
#include "report/WeekChartFile.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // The chart is drawn into a file, never on a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return zk::report::RunReportOnConsole(zk::report::SaveWeekChart);
}
