#include "Form1Fixture.h"

#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QSysInfo>

namespace zk::test {
namespace {

using SingleInstanceTest = Form1Fixture;

TEST_F(SingleInstanceTest, ASecondStartShowsTheFirstOnesWindow)
{
    const QString log = QString::fromStdString(dir.File("actions.dat"));
    SingleInstance first(log);
    ASSERT_TRUE(first.TryBecomeFirst()) << first.ErrorText().toStdString();
    Start();
    QObject::connect(&first, &SingleInstance::showRequested, form.get(),
                     [this] { form->UCTrayIcon1_First(); });
    SingleInstance second(log);
    EXPECT_FALSE(second.TryBecomeFirst());
    EXPECT_TRUE(second.ErrorText().isEmpty());
    ASSERT_TRUE(second.AskFirstToShow(2000));
    const QDeadlineTimer deadline(3000);
    while (!form->isVisible() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(form->isVisible());
    // The same log through another spelling of its folder is the same program.
    EXPECT_EQ(SingleInstance::ServerNameFor(QString::fromStdString(dir.File("./actions.dat"))),
              first.ServerName());
    TempDir other;
    SingleInstance elsewhere(QString::fromStdString(other.File("actions.dat")));
    EXPECT_TRUE(elsewhere.TryBecomeFirst());
    EXPECT_FALSE(SingleInstance(QString::fromStdString(other.File("x.dat"))).AskFirstToShow(200));
}

TEST_F(SingleInstanceTest, TheLockOfAKilledProgramIsTakenOver)
{
    QProcess gone; // a process that has ended leaves its number in the lock
    gone.start("true");
    ASSERT_TRUE(gone.waitForFinished(5000));
    const qint64 pid = gone.processId() ? gone.processId() : 999999;
    WriteFileBytes(dir.File("actions.dat.lock"), std::to_string(pid) + "\nzitklok\n" +
                                                     QSysInfo::machineHostName().toStdString() +
                                                     "\n");
    SingleInstance first(QString::fromStdString(dir.File("actions.dat")));
    EXPECT_TRUE(first.TryBecomeFirst()) << first.ErrorText().toStdString();
}

} // namespace
} // namespace zk::test
