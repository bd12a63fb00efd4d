#include "support/TempDir.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>

namespace zk::test {
namespace {

// The real program, offscreen, in a folder of its own with its settings in a temporary home.
class Program : public ::testing::Test
{
protected:
    void Start()
    {
        std::filesystem::copy_file(ZITKLOK_EXE, bin.Path() / "zitklok");
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(home.Path().string()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.File(".config")));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QString::fromStdString(bin.File("zitklok")), {});
    }
    // What the program said by the time `text` came, or 15 seconds passed.
    std::string SaidUntil(const std::string &text)
    {
        for (int i = 0; i < 300 && said.find(text) == std::string::npos; ++i) {
            p.waitForReadyRead(50);
            said += p.readAll().toStdString();
        }
        return said;
    }
    // It ends cleanly on SIGTERM; -1 when it had to be killed.
    int Terminate()
    {
        p.terminate();
        if (p.waitForFinished(10000))
            return p.exitCode();
        p.kill();
        p.waitForFinished();
        return -1;
    }

    TempDir bin, home;
    QProcess p;
    std::string said;
};

TEST_F(Program, EndsCleanlyOnTerminate)
{
    Start();
    for (int i = 0; i < 300 && !std::filesystem::exists(home.File(".config/autostart")); ++i)
        p.waitForFinished(50);
    EXPECT_EQ(p.state(), QProcess::Running) << SaidUntil("");
    EXPECT_EQ(Terminate(), 0) << said;
}

// Where the log cannot be, the program says why, naming the path, and creates nothing.
TEST_F(Program, ALogThatCannotBeWrittenIsToldAndNothingIsCreated)
{
    std::filesystem::create_directory(bin.Path() / "actions.dat");
    Start();
    EXPECT_NE(SaidUntil("is not a file").find(bin.File("actions.dat")), std::string::npos) << said;
    Terminate();
    EXPECT_FALSE(std::filesystem::exists(bin.File("actions.dat.lock")));
    EXPECT_FALSE(std::filesystem::exists(home.File(".config/Sitclock")));
}

} // namespace
} // namespace zk::test
