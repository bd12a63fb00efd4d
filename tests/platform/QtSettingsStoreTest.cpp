#include "platform/QtSettingsStore.h"

#include "support/TempDir.h"

#include <QString>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace {

using zk::QtSettingsStore;
using zk::test::ReadFileBytes;
using zk::test::TempDir;

// Every awkward byte a user name or setting may hold.
const std::string kAwkward[] = {"Anna|Piet", "a=b", ";c", "#h", "  both ends  ", "a, b",
                                "@Variant(x)", "\"q\"", "b\\s", "l\r\ne", "\t\x01\x7F",
                                "[Edit]", "", "caf\xE9 \xA9\xFF\x80", "true", "x\0y"};

TEST(QtSettingsStore, LivesInTheUsersConfigFolderAndKeepsEveryByte)
{
    TempDir home;
    // Each test runs in a process of its own, so QSettings has not fixed its paths yet.
    ::setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
    const std::string file = (home.Path() / "Sitclock" / "Sitclock.ini").string();
    {
        QtSettingsStore store;
        EXPECT_EQ(store.Location("Sitclock").toStdString(), file);
        EXPECT_EQ(store.Read("Sitclock", "Edit", "Users", "none"), "none");

        store.Write("Sitclock", "Edit", "Users", "Anna|Piet");
        // Written through at once, sections as groups.
        const std::string ini = ReadFileBytes(file);
        EXPECT_NE(ini.find("[Edit]\nUsers=Anna|Piet\n"), std::string::npos) << ini;

        store.Write("Sitclock", "Options", "Language", "NL");
        for (std::size_t i = 0; i < std::size(kAwkward); ++i)
            store.Write("Sitclock", "Edit", "k" + std::to_string(i), kAwkward[i]);
    }
    QtSettingsStore again;
    EXPECT_EQ(again.Read("Sitclock", "Edit", "Users", ""), "Anna|Piet");
    EXPECT_EQ(again.Read("Sitclock", "Options", "Language", "ENG"), "NL");
    EXPECT_EQ(again.Read("Sitclock", "Edit", "Language", "absent"), "absent");
    for (std::size_t i = 0; i < std::size(kAwkward); ++i)
        EXPECT_EQ(again.Read("Sitclock", "Edit", "k" + std::to_string(i), "?"), kAwkward[i]) << i;
}

TEST(QtSettingsStore, HandEditedFileIsReadWithoutComplaint)
{
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "Sitclock");
    zk::test::WriteFileBytes(dir.File("Sitclock/Sitclock.ini"),
                             "[Edit]\nUsers=Anna, Piet\ngarbage line\n[Options\n"
                             "[Options]\nLanguage=\xC3\xA9\xE2\x82\xAC\n");
    QtSettingsStore store(QString::fromStdString(dir.Path().string()));
    EXPECT_EQ(store.Read("Sitclock", "Edit", "Users", ""), "Anna, Piet");
    // Characters beyond Latin-1 become "?".
    EXPECT_EQ(store.Read("Sitclock", "Options", "Language", ""), "\xE9?");
}

TEST(QtSettingsStore, FailedWriteNamesTheFileAndReason)
{
    TempDir dir;
    // A regular file where the folder should be: no one, not even root, can write there.
    zk::test::WriteFileBytes(dir.File("blocked"), "x");
    QtSettingsStore store(QString::fromStdString(dir.File("blocked")));
    try {
        store.Write("Sitclock", "Options", "Language", "NL");
        FAIL() << "the write was reported as done";
    } catch (const zk::SettingsError &e) {
        const std::string message = e.what();
        EXPECT_NE(message.find(dir.File("blocked/Sitclock/Sitclock.ini")), std::string::npos)
            << message;
        EXPECT_NE(message.find("Not a directory"), std::string::npos) << message;
    }
    EXPECT_EQ(store.Read("Sitclock", "Options", "Language", "ENG"), "ENG");
}

TEST(QtSettingsStore, FailedWriteKeepsWhatWasStored)
{
    TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    QtSettingsStore store(folder);
    store.Write("Sitclock", "Edit", "Users", "Anna|Piet");
    const std::string file = dir.File("Sitclock/Sitclock.ini");
    const std::string before = ReadFileBytes(file);

    // A file size limit makes the next, longer file fail half-way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit tight = old;
    tight.rlim_cur = before.size() + 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    EXPECT_THROW(store.Write("Sitclock", "Edit", "Users", std::string(200, 'K')),
                 zk::SettingsError);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);

    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_EQ(store.Read("Sitclock", "Edit", "Users", ""), "Anna|Piet");
    // The failed value does not come back with the next write.
    store.Write("Sitclock", "Options", "Language", "NL");
    EXPECT_EQ(QtSettingsStore(folder).Read("Sitclock", "Edit", "Users", ""), "Anna|Piet");
}

// Lines Qt cannot parse (fuzz_settings found a lone Ctrl-Z byte, and a key with a byte
// that is no UTF-8 and a slash) once made the first write after start-up fail.
TEST(QtSettingsStore, HandEditedFileWithUnparsableLinesTakesWrites)
{
    for (const std::string &damage :
         {std::string("\x1A"), std::string("[Edit]\nUsers=Anna|Piet\nno equals sign\n"),
          std::string("[Edit]\nUs\x9br/=Ja|u1,PgramE[Edit]\nUsers=Jan|Pinable\xa7=True\n")}) {
        TempDir dir;
        std::filesystem::create_directories(dir.Path() / "Sitclock");
        zk::test::WriteFileBytes(dir.File("Sitclock/Sitclock.ini"), damage);
        const QString folder = QString::fromStdString(dir.Path().string());
        QtSettingsStore store(folder);
        store.Write("Sitclock", "Edit", "Users", store.Read("Sitclock", "Edit", "Users", ""));
        store.Write("Sitclock", "Options", "Language", "NL");
        store.Write("Sitclock", "Edit", "Users", "Jan|Piet");
        EXPECT_EQ(QtSettingsStore(folder).Read("Sitclock", "Options", "Language", ""), "NL");
        EXPECT_EQ(QtSettingsStore(folder).Read("Sitclock", "Edit", "Users", ""), "Jan|Piet");
    }
}

} // namespace
