#include "platform/QtSettingsStore.h"
#include "report/RunReport.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    // Only the chart paints; the other commands start no window system at all,
    // which keeps them quick.
    const bool chart = argc > 1 && std::strcmp(argv[1], "chart") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (chart) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("Sitclock");

    zk::QtSettingsStore settings;
    zk::SetCurrentSettings(&settings);

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int result = zk::report::RunReport(args, out, err);
    zk::SetCurrentSettings(nullptr);
    return result;
}
