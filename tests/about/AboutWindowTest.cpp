#include "Version.h"
#include "about/frmAbout.h"
#include "localisation/gclsLanguageChange.h"
#include "platform/Registry.h"
#include "support/FakeDialogs.h"
#include "support/FakeSettings.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

// The tool's full path, then its folder, under HKEY_LOCAL_MACHINE; an empty one is missing.
struct FakeRegistry : zk::Registry
{
    bool GetKeyValue(std::uint32_t root, const std::string &, const std::string &value,
                     std::string &out) override
    {
        out = value == "PATH" ? values.first : values.second;
        return root == zk::HKEY_LOCAL_MACHINE_ROOT && !out.empty();
    }
    std::pair<std::string, std::string> values;
};

// The full path wins, the folder's tool must exist, and a failure ("" when nothing started, or
// a start that fails) ends in the message; the captions follow the language.
TEST(AboutWindow, FindsSystemInformationInOrderAndSpeaksTheLanguage)
{
    zk::test::FakeSettings settings;
    zk::test::FakeDialogs dialogs;
    FakeRegistry registry;
    std::string started;
    bool starts = true;
    frmAbout w(registry, dialogs, [&](const std::string &p) { return started = p, starts; });
    w.SetFileExists([](const std::string &p) { return p == "C:\\Tools\\MSINFO32.EXE"; });
    const std::tuple<const char *, const char *, bool, std::string> rows[] = {
        {"", "", true, ""},
        {"", "C:\\Tools", true, "C:\\Tools\\MSINFO32.EXE"},
        {"", "C:\\Elsewhere", true, ""},
        {"C:\\p\\msinfo32.exe", "C:\\Tools", true, "C:\\p\\msinfo32.exe"},
        {"C:\\p\\msinfo32.exe", "C:\\Tools", false, "C:\\p\\msinfo32.exe"},
    };
    std::size_t told = 0;
    for (const auto &[path, folder, start, expected] : rows) {
        registry.values = {path, folder};
        starts = start;
        w.findChild<QPushButton *>("cmdSysInfo")->click();
        EXPECT_EQ(std::exchange(started, ""), expected);
        EXPECT_EQ(dialogs.calls.size(), told += expected.empty() || !start) << expected;
    }
    EXPECT_EQ(dialogs.calls.at(0).text + "|" + dialogs.calls.at(0).title,
              "System Information Is Unavailable At This Time|Sitclock");
    const std::string version = zk::kVersionText;
    for (const auto &[language, texts] :
         {std::pair{"ENG", "About Sitclock|Version " + version},
          {"NL", "Over Zitklok|Versie " + version}}) {
        gLanguageChange().Change(language);
        EXPECT_EQ(w.windowTitle() + "|" + w.findChild<QLabel *>("lblVersion")->text(),
                  QString::fromStdString(texts));
    }
    EXPECT_TRUE(w.findChild<QPushButton *>("cmdOK")->isDefault()); // before focus may decide
    ResetLanguageChangeForTests();
}
