#include "Version.h"
#include "about/frmAbout.h"
#include "platform/Registry.h"
#include "support/FakeDialogs.h"
#include "support/FakeSettings.h"
#include "support/FreshLanguage.h"
#include "support/Unclipped.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include <string>
#include <utility>

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

// An about window over a fresh language, scripted boxes and registry; started keeps what it
// started.
class AboutWindow : public ::testing::Test
{
protected:
    zk::test::FakeSettings settings;
    zk::test::FreshLanguage language;
    zk::test::FakeDialogs dialogs;
    FakeRegistry registry;
    std::string started;
    bool starts = true;
    frmAbout w{registry, dialogs, [this](const std::string &path) {
                   started = path;
                   return starts;
               }};
};

// The full path wins, the folder's tool must exist, and a failure (nothing found, or a start
// that fails) ends in the message.
TEST_F(AboutWindow, FindsSystemInformationInOrder)
{
    w.SetFileExists([](const std::string &p) { return p == "C:\\Tools\\MSINFO32.EXE"; });
    struct Row
    {
        const char *path;
        const char *folder;
        bool starts;
        std::string started; // "" when nothing was started
        bool told;
    };
    const Row rows[] = {
        {.path = "", .folder = "", .starts = true, .started = "", .told = true},
        {.path = "", .folder = "C:\\Tools", .starts = true,
         .started = "C:\\Tools\\MSINFO32.EXE", .told = false},
        {.path = "", .folder = "C:\\Elsewhere", .starts = true, .started = "", .told = true},
        {.path = "C:\\p\\msinfo32.exe", .folder = "C:\\Tools", .starts = true,
         .started = "C:\\p\\msinfo32.exe", .told = false},
        {.path = "C:\\p\\msinfo32.exe", .folder = "C:\\Tools", .starts = false,
         .started = "C:\\p\\msinfo32.exe", .told = true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.started);
        registry.values = {row.path, row.folder};
        starts = row.starts;
        dialogs.calls.clear();
        w.findChild<QPushButton *>("cmdSysInfo")->click();
        EXPECT_EQ(std::exchange(started, ""), row.started);
        ASSERT_EQ(dialogs.calls.size(), row.told ? 1u : 0u);
        if (row.told) {
            EXPECT_EQ(dialogs.calls[0].text + "|" + dialogs.calls[0].title,
                      "System Information Is Unavailable At This Time|Sitclock");
        }
    }
    EXPECT_TRUE(w.findChild<QPushButton *>("cmdOK")->isDefault()); // before focus may decide
}

