#include "Form1Fixture.h"

#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QHostInfo>
#include <QProcess>
#include <QSysInfo>

namespace zk::test {
namespace {

class SingleInstanceTest : public Form1Fixture
{
protected:
    QString LogPath() const { return QString::fromStdString(dir.File("actions.dat")); }
};

TEST_F(SingleInstanceTest, SecondStartShowsTheFirstOnesWindowWithoutOpeningTheLog)
{
    SingleInstance first(LogPath());
    ASSERT_TRUE(first.TryBecomeFirst()) << first.ErrorText().toStdString();
    Start();
    QObject::connect(&first, &SingleInstance::showRequested, form.get(),
                     [this] { form->UCTrayIcon1_First(); });
    EXPECT_FALSE(form->isVisible());

    SingleInstance second(LogPath());
    EXPECT_FALSE(second.TryBecomeFirst());
    EXPECT_TRUE(second.ErrorText().isEmpty());
    EXPECT_EQ(second.ServerName(), first.ServerName());
    ASSERT_TRUE(second.AskFirstToShow(2000));

    const QDeadlineTimer deadline(3000);
    while (!form->isVisible() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
}

TEST_F(SingleInstanceTest, LockOfAKilledProgramIsTakenOverAndOtherLogsAreIndependent)
{
    // A process that has ended leaves its number in the lock.
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForFinished(5000));
    const qint64 pid = gone.processId() ? gone.processId() : 999999;
    QFile lock(LogPath() + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\nzitklok\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();

    SingleInstance first(LogPath());
    EXPECT_TRUE(first.TryBecomeFirst()) << first.ErrorText().toStdString();

    TempDir other;
    SingleInstance elsewhere(QString::fromStdString(other.File("actions.dat")));
    EXPECT_TRUE(elsewhere.TryBecomeFirst());
    EXPECT_NE(elsewhere.ServerName(), first.ServerName());
    // The same log through another spelling of its folder is the same program.
    EXPECT_EQ(SingleInstance::ServerNameFor(QString::fromStdString(dir.Path().string()) +
                                            "/./actions.dat"),
              first.ServerName());
}

TEST_F(SingleInstanceTest, NobodyAnsweringIsReportedAfterTheTimeout)
{
    SingleInstance lonely(LogPath());
    EXPECT_FALSE(lonely.AskFirstToShow(200));
}

} // namespace
} // namespace zk::test
