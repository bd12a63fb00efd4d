#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace zk::test {
namespace {

// The real program, copied into a folder of its own (its log lives beside
// it), with its settings and autostart entry in a temporary home.
class ProgramSmoke : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(home.Path() / ".config");
        program = QString::fromStdString(bin.File("zitklok"));
        std::filesystem::copy_file(ZITKLOK_EXE, program.toStdString());
    }

    QProcess *Launch()
    {
        auto *p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(home.Path().string()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.File(".config")));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(program, {});
        processes.emplace_back(p);
        return p;
    }

    bool WaitFor(const std::function<bool()> &done, int ms = 15000)
    {
        for (int waited = 0; waited < ms; waited += 50) {
            if (done())
                return true;
            QThread::msleep(50);
        }
        return done();
    }

    void TearDown() override
    {
        for (auto &p : processes) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

    TempDir bin;
    TempDir home;
    QString program;
    std::vector<std::unique_ptr<QProcess>> processes;
};

TEST_F(ProgramSmoke, StartsIntoTheTrayOnceAndEnds)
{
    const std::string log = bin.File("actions.dat");
    QProcess *first = Launch();
    ASSERT_TRUE(first->waitForStarted(10000));
    ASSERT_TRUE(WaitFor([&] {
        return std::filesystem::exists(log) &&
               std::filesystem::exists(home.File(".config/Sitclock/Sitclock.ini"));
    })) << first->readAll().toStdString();
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_TRUE(std::filesystem::exists(home.File(".config/autostart/zitklok.desktop")));

    // A second start hands over to the first one and ends by itself.
    QProcess *second = Launch();
    ASSERT_TRUE(second->waitForFinished(15000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0) << second->readAll().toStdString();
    EXPECT_EQ(first->state(), QProcess::Running);

    first->terminate();
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(std::filesystem::file_size(log), 0u);
}

TEST_F(ProgramSmoke, UnwritableFolderIsToldAndNothingIsCreated)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into any folder";
    std::filesystem::permissions(bin.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    QProcess *p = Launch();
    std::string said;
    ASSERT_TRUE(WaitFor([&] {
        p->waitForReadyRead(50);
        said += p->readAll().toStdString();
        return said.find("cannot be written") != std::string::npos;
    })) << said;
    EXPECT_NE(said.find(bin.Path().string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(bin.File("actions.dat")));
    EXPECT_FALSE(std::filesystem::exists(bin.File("actions.dat.lock")));
    std::filesystem::permissions(bin.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST_F(ProgramSmoke, LogThatIsNoFileIsToldAndNothingIsCreated)
{
    std::filesystem::create_directory(bin.Path() / "actions.dat");
    QProcess *p = Launch();
    std::string said;
    // The message box waits for the person; the words on stderr come first.
    ASSERT_TRUE(WaitFor([&] {
        p->waitForReadyRead(50);
        said += p->readAll().toStdString();
        return said.find("is not a file") != std::string::npos;
    })) << said;
    EXPECT_NE(said.find(bin.File("actions.dat")), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(bin.File("actions.dat.lock")));
    EXPECT_FALSE(std::filesystem::exists(home.File(".config/Sitclock")));
}

} // namespace
} // namespace zk::test
