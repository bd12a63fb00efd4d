// zitklok-report-chart: the chart command of zitklok-report, which hands its
// whole command line over to this program.
#include "platform/QtSettingsStore.h"
#include "report/RunReport.h"
#include "report/WeekChart.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // The chart is drawn into a file, never on a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName("Sitclock");

    zk::QtSettingsStore settings;
    zk::SetCurrentSettings(&settings);

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int result = zk::report::RunReport(args, out, err, zk::report::SaveWeekChart);
    zk::SetCurrentSettings(nullptr);
    return result;
}
