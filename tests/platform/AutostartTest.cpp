#include "main_window/Module3.h"
#include "platform/SysInfoRegistry.h"
#include "platform/XdgRunKey.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

struct RecordingRunKey : zk::RunKey
{
    void Write(const std::string &name, const std::string &data) override
    {
        writes.push_back(name + "=" + data);
    }
    std::vector<std::string> writes;
};

// The entry's keys with their values unescaped as a desktop reads them.
std::map<std::string, std::string> ParseEntry(const std::string &text)
{
    std::map<std::string, std::string> keys;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "[Desktop Entry]");
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        EXPECT_NE(eq, std::string::npos) << line;
        std::string value;
        for (std::size_t i = eq + 1; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                const char c = line[++i];
                value += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
            } else {
                value += line[i];
            }
        }
        EXPECT_FALSE(keys.count(line.substr(0, eq))) << "twice: " << line;
        keys[line.substr(0, eq)] = value;
    }
    return keys;
}

// The first argument of an Exec value, with its quoting undone.
std::string ExecProgram(const std::string &exec)
{
    std::string out;
    if (exec.empty() || exec[0] != '"') {
        for (std::size_t i = 0; i < exec.size() && exec[i] != ' '; ++i)
            out += exec[i] == '%' ? exec[++i] : exec[i];
        return out;
    }
    for (std::size_t i = 1; i < exec.size() && exec[i] != '"'; ++i) {
        if (exec[i] == '\\' || exec[i] == '%')
            ++i;
        out += exec[i];
    }
    return out;
}

TEST(Module3Test, OnlyTheRunKeyIsWritten)
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

    EXPECT_EQ(Module3::SetOpenKeyValue({&run}, "N", 4, "12x"), Module3::kInvalidParameter);
    EXPECT_EQ(Module3::SetOpenKeyValue({&run}, "N", 4, "-12"), Module3::kSuccess);
    EXPECT_EQ(Module3::SetOpenKeyValue({}, "N", 1, "a"), Module3::kInvalidHandle);
    EXPECT_EQ(Module3::SetOpenKeyValue({}, "N", 2, "a"), Module3::kSuccess);
    EXPECT_EQ(run.writes.back(), "N=-12");

    using Module3::CommandStyle;
    EXPECT_EQ(Module3::ProgramCommand("C:\\", "zitklok", CommandStyle::Windows),
              "C:\\\\zitklok.exe");
    EXPECT_EQ(Module3::ProgramCommand("C:\\Apps", "zitklok", CommandStyle::Windows),
              "C:\\Apps\\zitklok.exe");
    EXPECT_EQ(Module3::ProgramCommand("/usr/bin", "zitklok", CommandStyle::Posix),
              "/usr/bin/zitklok");
    EXPECT_EQ(Module3::ProgramCommand("/", "zitklok", CommandStyle::Posix), "/zitklok");
}

TEST(SysInfoRegistryTest, FirstProgramFoundOnThePath)
{
    std::vector<std::string> looked;
    zk::SysInfoRegistry registry([&](const std::string &p) {
        looked.push_back(p);
        return p == "kinfocenter" ? "/usr/bin/kinfocenter" : std::string();
    });
    std::string value = "old";
    EXPECT_TRUE(registry.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT,
                                     "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value));
    EXPECT_EQ(value, "/usr/bin/kinfocenter");
    EXPECT_EQ(looked, (std::vector<std::string>{"hardinfo2", "hardinfo", "kinfocenter"}));
    EXPECT_FALSE(registry.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT,
                                      "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                                      value));
    EXPECT_EQ(value, "");

    zk::SysInfoRegistry none([](const std::string &) { return std::string(); });
    value = "old";
    EXPECT_FALSE(none.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT,
                                  "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value));
    EXPECT_EQ(value, "");
}

TEST(XdgRunKeyTest, EntryRoundTripsAndFollowsTheChoice)
{
    zk::test::TempDir dir;
    const std::string folder = dir.File("config/autostart");
    zk::XdgRunKey key(folder, "/opt/fallback/zitklok");
    const std::string program = "/home/an na/My \"Apps\"/zit$klok\\100%";
    key.Write("Zitklok", program);
    const std::string path = folder + "/zitklok.desktop";
    EXPECT_EQ(key.EntryPath("Zitklok"), path);
    const std::string first = zk::test::ReadFileBytes(path);
    auto keys = ParseEntry(first);
    EXPECT_EQ(keys["Type"], "Application");
    EXPECT_EQ(keys["Name"], "Zitklok");
    EXPECT_EQ(keys["Hidden"], "false");
    EXPECT_EQ(keys["X-GNOME-Autostart-enabled"], "true");
    EXPECT_FALSE(keys["Icon"].empty());
    EXPECT_EQ(ExecProgram(keys["Exec"]), program);

    key.Write("Zitklok", program);
    EXPECT_EQ(zk::test::ReadFileBytes(path), first);

    // Off: the same entry, hidden, keeping the command it had.
    key.Write("Zitklok", "");
    const std::string off = zk::test::ReadFileBytes(path);
    keys = ParseEntry(off);
    EXPECT_EQ(keys["Hidden"], "true");
    EXPECT_EQ(keys["X-GNOME-Autostart-enabled"], "false");
    EXPECT_EQ(ExecProgram(keys["Exec"]), program);
    key.Write("Zitklok", "");
    EXPECT_EQ(zk::test::ReadFileBytes(path), off);

    // Off without an earlier entry: the program's own path.
    zk::XdgRunKey fresh(dir.File("other"), "/opt/fallback/zitklok");
    fresh.Write("Zitklok", "");
    keys = ParseEntry(zk::test::ReadFileBytes(dir.File("other/zitklok.desktop")));
    EXPECT_EQ(keys["Exec"], "/opt/fallback/zitklok");
    EXPECT_EQ(keys["Hidden"], "true");
}

TEST(XdgRunKeyTest, UnwritableFolderIsIgnored)
{
    zk::test::TempDir dir;
    zk::test::WriteFileBytes(dir.File("file"), "x");
    zk::XdgRunKey key(dir.File("file/autostart"), "/usr/bin/zitklok");
    EXPECT_NO_THROW(key.Write("Zitklok", "/usr/bin/zitklok"));
    EXPECT_NO_THROW(key.Write("Zitklok", ""));
    EXPECT_EQ(zk::test::ReadFileBytes(dir.File("file")), "x");
}

} // namespace
