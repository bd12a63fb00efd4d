#include "platform/linux/SysInfoRegistry.h"
#include "platform/linux/XdgRunKey.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using zk::test::ReadFileBytes;

const std::string kSharedTools = "SOFTWARE\\Microsoft\\Shared Tools";

bool Contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(SysInfoRegistry, TheFirstToolFoundOnThePathIsTheSystemInformationPath)
{
    std::vector<std::string> looked;
    zk::SysInfoRegistry registry([&](const std::string &p) {
        looked.push_back(p);
        return p == "kinfocenter" ? "/usr/bin/kinfocenter" : std::string();
    });
    std::string value = "old";
    EXPECT_TRUE(registry.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT, kSharedTools + "\\MSINFO", "PATH",
                                     value));
    EXPECT_EQ(value, "/usr/bin/kinfocenter");
    EXPECT_EQ(looked, (std::vector<std::string>{"hardinfo2", "hardinfo", "kinfocenter"}));
    EXPECT_FALSE(registry.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT, kSharedTools + " Location",
                                      "MSINFO", value));
    EXPECT_EQ(value, "");
    zk::SysInfoRegistry none([](const std::string &) { return std::string(); });
    EXPECT_FALSE(
        none.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT, kSharedTools + "\\MSINFO", "PATH", value));
}

// The Exec line as a desktop reads it: quoted when a reserved character appears, with
// '"', '`', '$' and '\' escaped inside the quotes, '%' doubled, and '\' escaped once more as
// the value of a desktop entry. Off keeps the same command, hidden.
TEST(XdgRunKey, TheEntryStartsTheProgramAndIsHiddenWhenOff)
{
    struct Row
    {
        const char *program;
        const char *exec;
    };
    const Row rows[] = {
        {"/usr/bin/zitklok", "Exec=/usr/bin/zitklok\n"},
        {"/opt/100%/zk", "Exec=/opt/100%%/zk\n"},
        {"/home/an na/zk", "Exec=\"/home/an na/zk\"\n"},
        {"/a$b", "Exec=\"/a\\\\$b\"\n"},
        {"/a\"b`c\\d", "Exec=\"/a\\\\\"b\\\\`c\\\\\\\\d\"\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.program);
        zk::test::TempDir dir;
        zk::XdgRunKey key(dir.File("autostart"), "/opt/fallback/zitklok");
        const std::string path = dir.File("autostart/zitklok.desktop");
        EXPECT_EQ(key.EntryPath("Zitklok"), path);
        key.Write("Zitklok", row.program);
        const std::string on = ReadFileBytes(path);
        EXPECT_EQ(on.rfind("[Desktop Entry]\n", 0), 0u);
        EXPECT_TRUE(Contains(on, row.exec)) << on;
        EXPECT_TRUE(Contains(on, "\nHidden=false\n")) << on;
        key.Write("Zitklok", "");
        const std::string off = ReadFileBytes(path);
        EXPECT_TRUE(Contains(off, row.exec)) << off;
        EXPECT_TRUE(Contains(off, "\nHidden=true\n")) << off;
        EXPECT_TRUE(Contains(off, "\nX-GNOME-Autostart-enabled=false\n")) << off;
    }
}

TEST(XdgRunKey, OffWithoutAnEarlierEntryNamesTheProgramItself)
{
    zk::test::TempDir dir;
    zk::XdgRunKey fresh(dir.File("a"), "/opt/fallback/zitklok");
    fresh.Write("Zitklok", "");
    EXPECT_TRUE(
        Contains(ReadFileBytes(dir.File("a/zitklok.desktop")), "Exec=/opt/fallback/zitklok\n"));
}

TEST(XdgRunKey, AFolderThatCannotBeWrittenIsIgnored)
{
    zk::test::TempDir dir;
    zk::test::WriteFileBytes(dir.File("file"), "x");
    EXPECT_NO_THROW(zk::XdgRunKey(dir.File("file/a"), "/z").Write("Zitklok", "/z"));
}
