#include "about/frmAbout.h"
#include "localisation/gclsLanguageChange.h"
#include "platform/Registry.h"
#include "support/FakeDialogs.h"
#include "support/FakeSettings.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include <map>

namespace {

const std::string kPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
const std::string kFolder = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";

// Registry values by "key|value" under HKEY_LOCAL_MACHINE.
class FakeRegistry : public zk::Registry
{
public:
    bool GetKeyValue(std::uint32_t root, const std::string &key, const std::string &value,
                     std::string &out) override
    {
        const auto it = values.find(key + "|" + value);
        const bool found = root == zk::HKEY_LOCAL_MACHINE_ROOT && it != values.end();
        out = found ? it->second : std::string();
        return found;
    }
    std::map<std::string, std::string> values;
};

// The full path wins; the folder's tool must exist; what fails ends in the message.
TEST(AboutWindow, SystemInformationIsLookedUpInOrder)
{
    const struct
    {
        std::map<std::string, std::string> registry;
        bool starts;
        const char *started; // "" when nothing is started
    } rows[] = {
        {{}, true, ""},
        {{{kFolder, "C:\\Tools"}}, true, "C:\\Tools\\MSINFO32.EXE"},
        {{{kFolder, "C:\\Elsewhere"}}, true, ""},
        {{{kPath, "C:\\p\\msinfo32.exe"}, {kFolder, "C:\\Tools"}}, true, "C:\\p\\msinfo32.exe"},
        {{{kPath, "C:\\p\\msinfo32.exe"}, {kFolder, "C:\\Tools"}}, false, "C:\\p\\msinfo32.exe"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.started);
        zk::test::FakeDialogs dialogs;
        FakeRegistry registry;
        registry.values = row.registry;
        std::string started;
        frmAbout w(registry, dialogs,
                   [&](const std::string &p) { return started = p, row.starts; });
        w.SetFileExists([](const std::string &p) { return p == "C:\\Tools\\MSINFO32.EXE"; });
        w.findChild<QPushButton *>("cmdSysInfo")->click();
        EXPECT_EQ(started, row.started);
        const bool told = row.started == std::string() || !row.starts;
        ASSERT_EQ(dialogs.calls.size(), told ? 1u : 0u);
        if (told) {
            EXPECT_EQ(dialogs.calls[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(dialogs.calls[0].title, "Sitclock");
        }
    }
}

TEST(AboutWindow, CaptionsFollowTheLanguageAndOkCloses)
{
    ResetLanguageChangeForTests();
    zk::test::FakeSettings settings;
    zk::test::FakeDialogs dialogs;
    FakeRegistry registry;
    gLanguageChange().Change("XX"); // no table: the first captions stay
    frmAbout w(registry, dialogs, [](const std::string &) { return true; });
    const char *rows[][4] = {{"XX", "About MyApp", "Version", "&System Info..."},
                             {"ENG", "About Sitclock", "Version 3.2", "&System Info.."},
                             {"NL", "Over Zitklok", "Versie 3.2", "&Systeem Info.."}};
    for (const auto &row : rows) {
        gLanguageChange().Change(row[0]);
        EXPECT_EQ(w.windowTitle(), row[1]);
        EXPECT_EQ(w.findChild<QLabel *>("lblVersion")->text(), row[2]);
        EXPECT_EQ(w.findChild<QPushButton *>("cmdSysInfo")->text(), row[3]);
    }
    EXPECT_TRUE(w.findChild<QPushButton *>("cmdOK")->isDefault()); // before focus may decide
    w.show();
    w.findChild<QPushButton *>("cmdOK")->click();
    EXPECT_FALSE(w.isVisible());
    ResetLanguageChangeForTests();
}

} // namespace
