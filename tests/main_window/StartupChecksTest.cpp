#include "support/TempDir.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace zk::test {
namespace {

// The real program in a folder of its own where the log cannot be: it says why, naming the
// path, and creates nothing.
TEST(StartupChecks, ALogThatCannotBeWrittenIsToldAndNothingIsCreated)
{
    for (const bool folderReadOnly : {false, true}) {
        if (folderReadOnly && ::geteuid() == 0)
            continue; // the superuser writes into any folder
        TempDir bin, home;
        std::filesystem::copy_file(ZITKLOK_EXE, bin.Path() / "zitklok");
        if (folderReadOnly)
            std::filesystem::permissions(bin.Path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::remove);
        else
            std::filesystem::create_directory(bin.Path() / "actions.dat");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(home.Path().string()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.File(".config")));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QString::fromStdString(bin.File("zitklok")), {});
        std::string said;
        // The message box waits for the person; the words on stderr come first.
        for (int i = 0; i < 300 && said.find(folderReadOnly ? "cannot be written" : "is not a file")
                                       == std::string::npos; ++i) {
            p.waitForReadyRead(50);
            said += p.readAll().toStdString();
        }
        p.kill();
        p.waitForFinished(5000);
        EXPECT_NE(said.find(folderReadOnly ? bin.Path().string() : bin.File("actions.dat")),
                  std::string::npos) << said;
        EXPECT_FALSE(std::filesystem::exists(bin.File("actions.dat.lock")));
        EXPECT_FALSE(std::filesystem::exists(home.File(".config/Sitclock")));
        std::filesystem::permissions(bin.Path(), std::filesystem::perms::owner_all);
    }
}

} // namespace
} // namespace zk::test
