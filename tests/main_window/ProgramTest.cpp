#include "support/TempDir.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace zk::test {
namespace {

// The real program, offscreen, copied into a folder of its own with its settings in a
// temporary home. It ends cleanly on SIGTERM.
class Program : public ::testing::Test
{
protected:
    void Start()
    {
        std::filesystem::copy_file(ZITKLOK_EXE, bin.Path() / "zitklok");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(home.Path().string()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.File(".config")));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QString::fromStdString(bin.File("zitklok")), {});
    }
    // Reads what the program says until `text` comes or 15 seconds pass.
    std::string SaidUntil(const std::string &text)
    {
        for (int i = 0; i < 300 && said.find(text) == std::string::npos; ++i) {
            p.waitForReadyRead(50);
            said += p.readAll().toStdString();
        }
        return said;
    }
    int Terminate()
    {
        p.terminate();
        if (!p.waitForFinished(10000))
            p.kill();
        p.waitForFinished(5000);
        return p.exitCode();
    }

    TempDir bin, home;
    QProcess p;
    std::string said;
};

TEST_F(Program, StartsWithItsLogAndSettingsAndEndsOnTerminate)
{
    std::filesystem::create_directories(home.Path() / ".config/Sitclock");
    WriteFileBytes(home.File(".config/Sitclock/Sitclock.ini"), "[Edit]\nUsers=Anna|Bob\n");
    Start();
    for (int i = 0; i < 300 && !std::filesystem::exists(home.File(".config/autostart")); ++i)
        p.waitForFinished(50);
    EXPECT_TRUE(std::filesystem::exists(bin.File("actions.dat")));
    EXPECT_EQ(p.state(), QProcess::Running) << SaidUntil("");
    EXPECT_EQ(Terminate(), 0) << said;
    EXPECT_EQ(ReadFileBytes(bin.File("actions.dat")), "");
}

// Where the log cannot be, the program says why, naming the path, and creates nothing.
TEST_F(Program, ALogThatCannotBeWrittenIsToldAndNothingIsCreated)
{
    const bool root = ::geteuid() == 0; // the superuser writes into any folder
    if (root)
        std::filesystem::create_directory(bin.Path() / "actions.dat");
    else
        std::filesystem::permissions(bin.Path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
    Start();
    // The message box waits for the person; the words on stderr come first.
    EXPECT_NE(SaidUntil(root ? "is not a file" : "cannot be written")
                  .find(root ? bin.File("actions.dat") : bin.Path().string()),
              std::string::npos) << said;
    Terminate();
    EXPECT_FALSE(std::filesystem::exists(bin.File("actions.dat.lock")));
    EXPECT_FALSE(std::filesystem::exists(home.File(".config/Sitclock")));
    std::filesystem::permissions(bin.Path(), std::filesystem::perms::owner_all);
}

} // namespace
} // namespace zk::test
