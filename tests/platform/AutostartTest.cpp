#include "options/Module3.h"
#include "platform/SysInfoRegistry.h"
#include "platform/SystemMonthNames.h"
#include "platform/XdgRunKey.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using zk::test::ReadFileBytes;

struct RecordingRunKey : zk::RunKey
{
    void Write(const std::string &name, const std::string &data) override
    {
        writes.push_back(name + "=" + data);
    }
    std::vector<std::string> writes;
};

TEST(Module3, OnlyTheRunKeyIsWritten)
{
    RecordingRunKey run;
    Module3::RegisterAutoStart(run, "C:\\\\zitklok.exe");
    Module3::UnregisterAutoStart(run);
    Module3::SetKeyValue(run, "software\\microsoft\\windows\\currentversion\\run", "N", 7,
                         Module3::REG_DWORD, Module3::kHKeyLocalMachine);
    Module3::SetKeyValue(run, Module3::kRunKeyPath, "N", "x", 3, Module3::kHKeyLocalMachine);
    Module3::SetKeyValue(run, "SOFTWARE\\Other", "N", "x", Module3::REG_SZ,
                         Module3::kHKeyLocalMachine);
    Module3::SetKeyValue(run, Module3::kRunKeyPath, "N", "x", Module3::REG_SZ, 0x80000001u);
    EXPECT_EQ(run.writes,
              (std::vector<std::string>{"Zitklok=C:\\\\zitklok.exe", "Zitklok=", "N=7"}));
    const std::tuple<std::int32_t, const char *, long> values[] = {
        {4, "12x", Module3::kInvalidParameter}, {4, "-12", Module3::kSuccess}, {2, "a", 0}};
    for (const auto &[type, text, result] : values)
        EXPECT_EQ(Module3::SetOpenKeyValue({&run}, "N", type, text), result) << text;
    EXPECT_EQ(Module3::SetOpenKeyValue({}, "N", 1, "a"), Module3::kInvalidHandle);
    EXPECT_EQ(run.writes.back(), "N=-12");
    using enum Module3::CommandStyle;
    const std::tuple<const char *, Module3::CommandStyle, const char *> commands[] = {
        {"C:\\", Windows, "C:\\\\zitklok.exe"}, {"C:\\A", Windows, "C:\\A\\zitklok.exe"},
        {"/usr/bin", Posix, "/usr/bin/zitklok"}};
    for (const auto &[folder, style, command] : commands)
        EXPECT_EQ(Module3::ProgramCommand(folder, "zitklok", style), command) << folder;
}

TEST(SysInfoRegistry, FirstProgramFoundOnThePath)
{
    std::vector<std::string> looked;
    zk::SysInfoRegistry registry([&](const std::string &p) {
        looked.push_back(p);
        return p == "kinfocenter" ? "/usr/bin/kinfocenter" : std::string();
    });
    std::string value = "old";
    const std::string key = "SOFTWARE\\Microsoft\\Shared Tools";
    EXPECT_TRUE(registry.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT, key + "\\MSINFO", "PATH", value));
    EXPECT_EQ(value, "/usr/bin/kinfocenter");
    EXPECT_EQ(looked, (std::vector<std::string>{"hardinfo2", "hardinfo", "kinfocenter"}));
    EXPECT_FALSE(
        registry.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT, key + " Location", "MSINFO", value));
    EXPECT_EQ(value, "");
    zk::SysInfoRegistry none([](const std::string &) { return std::string(); });
    EXPECT_FALSE(none.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT, key + "\\MSINFO", "PATH", value));
}

TEST(SystemMonthNames, TwelveAbbreviationsOfTheRegionalSettings)
{
    const zk::SystemMonthNames names;
    for (int month : {0, 1, 12, 13})
        EXPECT_EQ(names.Abbreviated(month).empty(), month == 0 || month == 13) << month;
}

// The Exec line as a desktop reads it: quoted when a reserved character appears, with
// '"', '`', '$' and '\' escaped inside the quotes, '%' doubled, and '\' escaped once more as
// the value of a desktop entry.
TEST(XdgRunKey, TheEntryStartsTheProgramAndIsHiddenWhenOff)
{
    const std::pair<const char *, const char *> rows[] = {
        {"/usr/bin/zitklok", "Exec=/usr/bin/zitklok\n"},
        {"/opt/100%/zk", "Exec=/opt/100%%/zk\n"},
        {"/home/an na/zk", "Exec=\"/home/an na/zk\"\n"},
        {"/a$b", "Exec=\"/a\\\\$b\"\n"},
        {"/a\"b`c\\d", "Exec=\"/a\\\\\"b\\\\`c\\\\\\\\d\"\n"},
    };
    for (const auto &[program, exec] : rows) {
        zk::test::TempDir dir;
        zk::XdgRunKey key(dir.File("autostart"), "/opt/fallback/zitklok");
        const std::string path = dir.File("autostart/zitklok.desktop");
        EXPECT_EQ(key.EntryPath("Zitklok"), path);
        key.Write("Zitklok", program);
        const std::string on = ReadFileBytes(path);
        EXPECT_EQ(on.rfind("[Desktop Entry]\n", 0), 0u);
        EXPECT_NE(on.find(exec), std::string::npos) << on;
        EXPECT_NE(on.find("\nHidden=false\n"), std::string::npos) << on;
        key.Write("Zitklok", ""); // off: the same command, hidden
        const std::string off = ReadFileBytes(path);
        EXPECT_NE(off.find(exec), std::string::npos) << off;
        EXPECT_NE(off.find("\nHidden=true\n"), std::string::npos) << off;
        EXPECT_NE(off.find("\nX-GNOME-Autostart-enabled=false\n"), std::string::npos) << off;
    }
    zk::test::TempDir dir; // off without an earlier entry: the program's own path
    zk::XdgRunKey fresh(dir.File("a"), "/opt/fallback/zitklok");
    fresh.Write("Zitklok", "");
    EXPECT_NE(ReadFileBytes(dir.File("a/zitklok.desktop")).find("Exec=/opt/fallback/zitklok\n"),
              std::string::npos);
    zk::test::WriteFileBytes(dir.File("file"), "x"); // an unwritable folder is ignored
    EXPECT_NO_THROW(zk::XdgRunKey(dir.File("file/a"), "/z").Write("Zitklok", "/z"));
}

} // namespace
