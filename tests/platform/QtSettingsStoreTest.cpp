#include "platform/qt/QtSettingsStore.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

using zk::QtSettingsStore;
using namespace zk::test;

TEST(QtSettingsStore, LivesInTheUsersConfigFolderAndKeepsEveryByte)
{
    const std::string awkward[] = {"Anna|Piet", "a=b", ";c", "#h", "  both ends  ", "a, b",
                                   "@Variant(x)", "\"q\"", "b\\s", "l\r\ne", "\t\x01\x7F",
                                   "[Edit]", "", "caf\xE9 \xA9\xFF\x80", "true"};
    TempDir home;
    ::setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1); // QSettings has not fixed its paths yet
    const std::string file = home.File("Sitclock/Sitclock.ini");
    {
        QtSettingsStore store;
        EXPECT_EQ(store.Location("Sitclock").toStdString(), file);
        EXPECT_EQ(store.Read("Sitclock", "Edit", "Users", "none"), "none");
        store.Write("Sitclock", "Edit", "Users", "Anna|Piet"); // written through at once
        EXPECT_NE(ReadFileBytes(file).find("[Edit]\nUsers=Anna|Piet\n"), std::string::npos);
        for (std::size_t i = 0; i < std::size(awkward); ++i)
            store.Write("Sitclock", "Options", "k" + std::to_string(i), awkward[i]);
    }
    QtSettingsStore again;
    EXPECT_EQ(again.Read("Sitclock", "Edit", "Users", ""), "Anna|Piet");
    EXPECT_EQ(again.Read("Sitclock", "Edit", "k0", "absent"), "absent");
    for (std::size_t i = 0; i < std::size(awkward); ++i)
        EXPECT_EQ(again.Read("Sitclock", "Options", "k" + std::to_string(i), "?"), awkward[i]) << i;
}

// Hand-edited files are read without complaint and take writes (fuzz_settings found a lone
// Ctrl-Z byte, and a key with a byte that is no UTF-8 and a slash, that once made the first
// write after start-up fail); characters beyond Latin-1 read as "?".
TEST(QtSettingsStore, HandEditedFilesAreReadAndTakeWrites)
{
    const std::pair<std::string, std::string> files[] = {
        {"[Edit]\nUsers=Anna, Piet\ngarbage "
         "line\n[Options\n[Options]\nLanguage=\xC3\xA9\xE2\x82\xAC\n",
         "Anna, Piet"},
        {"\x1A", ""},
        {"[Edit]\nUs\x9br/=Ja|u1,PgramE[Edit]\nUsers=Jan|Pinable\xa7=True\n", "Jan|Pinable?=True"}};
    for (const auto &[text, users] : files) {
        TempDir dir;
        std::filesystem::create_directories(dir.Path() / "Sitclock");
        WriteFileBytes(dir.File("Sitclock/Sitclock.ini"), text);
        const QString folder = QString::fromStdString(dir.Path().string());
        QtSettingsStore store(folder);
        EXPECT_EQ(store.Read("Sitclock", "Edit", "Users", ""), users);
        store.Write("Sitclock", "Edit", "Users", users);
        store.Write("Sitclock", "Options", "Language", "NL");
        EXPECT_EQ(QtSettingsStore(folder).Read("Sitclock", "Options", "Language", ""), "NL");
        EXPECT_EQ(QtSettingsStore(folder).Read("Sitclock", "Edit", "Users", ""), users);
    }
    TempDir dir;
    WriteFileBytes(dir.File("x.ini"), "[Options]\nLanguage=\xC3\xA9\xE2\x82\xAC\n");
    std::filesystem::create_directories(dir.Path() / "Sitclock");
    std::filesystem::rename(dir.File("x.ini"), dir.File("Sitclock/Sitclock.ini"));
    EXPECT_EQ(QtSettingsStore(QString::fromStdString(dir.Path().string()))
                  .Read("Sitclock", "Options", "Language", ""), "\xE9?");
}

// A write that fails names the file and the reason and keeps what was stored: a regular file
// where the folder should be, and a file-size limit that stops it half-way as a full disk would.
TEST(QtSettingsStore, AFailedWriteNamesTheFileAndKeepsWhatWasStored)
{
    const auto failure = [](QtSettingsStore &store, const std::string &value) {
        try {
            store.Write("Sitclock", "Edit", "Users", value);
        } catch (const zk::SettingsError &e) {
            return std::string(e.what());
        }
        return std::string("the write was reported as done");
    };
    TempDir dir;
    WriteFileBytes(dir.File("blocked"), "x");
    QtSettingsStore blockedStore(QString::fromStdString(dir.File("blocked")));
    const std::string blocked = failure(blockedStore, "NL");
    EXPECT_NE(blocked.find(dir.File("blocked/Sitclock/Sitclock.ini")), std::string::npos);
    EXPECT_NE(blocked.find("Not a directory"), std::string::npos) << blocked;
    const QString folder = QString::fromStdString(dir.Path().string());
    QtSettingsStore store(folder);
    store.Write("Sitclock", "Edit", "Users", "Anna|Piet");
    const std::string before = ReadFileBytes(dir.File("Sitclock/Sitclock.ini"));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tight = old;
    tight.rlim_cur = before.size() + 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    // A file that exists and may be written: the size limit, as a full disk, is to blame.
    EXPECT_NE(failure(store, std::string(200, 'K')).find("disk full"), std::string::npos);
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(ReadFileBytes(dir.File("Sitclock/Sitclock.ini")), before);
    store.Write("Sitclock", "Options", "Language", "NL"); // the failed value does not come back
    EXPECT_EQ(QtSettingsStore(folder).Read("Sitclock", "Edit", "Users", ""), "Anna|Piet");
}

