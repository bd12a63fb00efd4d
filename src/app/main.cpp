#include "StartupChecks.h"
#include "ZitklokApplication.h"

#include "failure/FailureReporter.h"
#include "main_window/Form1.h"
#include "options/Module3.h"
#include "platform/linux/DBusLocker.h"
#include "platform/linux/QuitOnSignal.h"
#include "platform/linux/SysInfoRegistry.h"
#include "platform/linux/XdgRunKey.h"
#include "platform/qt/Latin1.h"
#include "platform/qt/QtDialogs.h"
#include "platform/linux/QtPointerSource.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtTrayIcon.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/SystemMonthNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QProcess>

#include <array>
#include <cstdio>
#include <memory>

#include <csignal>

namespace {

QIcon Picture(int image)
{
    QIcon icon;
    for (int size : {16, 22, 32, 64})
        icon.addFile(QString(":/zitklok/icons/image%1-%2.png").arg(image).arg(size),
                     QSize(size, size));
    return icon;
}

// Before the main window is loaded a failure ends the start.
int GiveUp(FailureReporter &failures, const std::string &text)
{
    failures.Tell(text, zk::Dialogs::Icon::Critical);
    return 1;
}

#ifdef ZITKLOK_TEST_HOOKS
// ZITKLOK_TEST_IDLE_LIMITS="<scan seconds>,<idle limit seconds>" lets the
// end-to-end tests see an automatic stop within seconds. Anything but two
// whole numbers, from 1 up to an hour and a day, leaves the limits as they are.
void ApplyTestIdleLimits(Form1Services &services)
{
    const QList<QByteArray> parts = qgetenv("ZITKLOK_TEST_IDLE_LIMITS").split(',');
    if (parts.size() != 2)
        return;
    bool scanOk = false;
    bool limitOk = false;
    const int scan = parts[0].trimmed().toInt(&scanOk);
    const int limit = parts[1].trimmed().toInt(&limitOk);
    if (!scanOk || !limitOk || scan <= 0 || limit <= 0 || scan > 3600 || limit > 86400)
        return;
    services.scanRateSeconds = scan;
    services.idleLimitSeconds = limit;
}
#endif

} // namespace

int main(int argc, char *argv[])
{
    // Past the file-size limit a write must fail with EFBIG, which the log store
    // reports, instead of the signal's default of ending the program unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    zk::QtDialogs dialogs;
    FailureReporter failures(dialogs);
    ZitklokApplication app(argc, argv, failures);
    QApplication::setApplicationName("Sitclock");
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(Picture(4));

    zk::QtSettingsStore settings;
    zk::SetCurrentSettings(&settings);
    zk::SystemMonthNames months;
    zk::SetCurrentMonthNames(&months);

    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const QString logPath = folder + QDir::separator() + "actions.dat";
    const QString problem = LogLocationProblem(folder, logPath);
    if (!problem.isEmpty())
        return GiveUp(failures, zk::FromQt(problem));

    zk::SingleInstance instance(logPath);
    if (!instance.TryBecomeFirst()) {
        if (!instance.ErrorText().isEmpty())
            return GiveUp(failures, zk::FromQt(instance.ErrorText()));
        // Zitklok runs already on this log: it shows its window, we end.
        if (!instance.AskFirstToShow(3000, qgetenv("XDG_ACTIVATION_TOKEN")))
            std::fprintf(stderr, "zitklok: already running, but it did not answer\n");
        return 0;
    }

    zk::QuitOnSignal quitOnSignal;
    zk::QtTrayIcon tray({Picture(1), Picture(2), Picture(3), Picture(4)});
    zk::QtPointerSource pointer;
    zk::XdgRunKey runKey;
    zk::SysInfoRegistry registry;
    zk::DBusLocker locker;
    const QFileInfo program(QCoreApplication::applicationFilePath());
    Form1Services services{
        dialogs,
        failures,
        tray,
        pointer,
        runKey,
        registry,
        locker,
        QFile::encodeName(folder).toStdString(),
        Module3::ProgramCommand(zk::FromQt(folder), zk::FromQt(program.fileName())),
        [](const std::string &path) { return QProcess::startDetached(zk::ToQt(path), {}); },
    };
#ifdef ZITKLOK_TEST_HOOKS
    ApplyTestIdleLimits(services);
#endif

    // Making the main window opens the log: a log that cannot be opened ends the start.
    std::unique_ptr<Form1> form;
    const auto start = [&] {
        form = std::make_unique<Form1>(services);
        form->setWindowIcon(QApplication::windowIcon());
        QObject::connect(&instance, &zk::SingleInstance::showRequested, form.get(),
                         [&form](const QByteArray &activationToken) {
                             // Qt's Wayland plugin activates with this token where it supports it.
                             if (!activationToken.isEmpty())
                                 qputenv("XDG_ACTIVATION_TOKEN", activationToken);
                             form->UCTrayIcon1_First();
                         });
        form->Form_Load();
    };
    if (!failures.Guard("Starting Zitklok", start))
        return 1;
    return app.exec();
}
