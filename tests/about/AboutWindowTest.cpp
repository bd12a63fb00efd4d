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

// Registry values by "key|value"; an entry without text counts as found empty.
class FakeRegistry : public zk::Registry
{
public:
    bool GetKeyValue(std::uint32_t keyRoot, const std::string &keyName,
                     const std::string &subKeyRef, std::string &keyVal) override
    {
        asked.push_back(keyName + "|" + subKeyRef);
        auto it = values.find(keyName + "|" + subKeyRef);
        if (keyRoot != zk::HKEY_LOCAL_MACHINE_ROOT || it == values.end()) {
            keyVal.clear();
            return false;
        }
        keyVal = it->second;
        return true;
    }
    std::map<std::string, std::string> values;
    std::vector<std::string> asked;
};

const std::string kFirst = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
const std::string kSecond = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";

class AboutWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetLanguageChangeForTests(); }
    void TearDown() override { ResetLanguageChangeForTests(); }

    std::unique_ptr<frmAbout> Make()
    {
        auto w = std::make_unique<frmAbout>(registry, dialogs, [this](const std::string &p) {
            startedPaths.push_back(p);
            return startResult;
        });
        w->SetFileExists([this](const std::string &p) { return p == existing; });
        return w;
    }
    QString Text(QWidget &w, const char *name)
    {
        if (auto *l = w.findChild<QLabel *>(name))
            return l->text();
        return w.findChild<QPushButton *>(name)->text();
    }
    bool UnavailableShown() const
    {
        return !dialogs.calls.empty()
               && dialogs.calls.back().text == "System Information Is Unavailable At This Time"
               && dialogs.calls.back().title == "Sitclock"
               && dialogs.calls.back().icon == zk::Dialogs::Icon::None;
    }

    zk::test::FakeSettings settings;
    zk::test::FakeDialogs dialogs;
    FakeRegistry registry;
    std::vector<std::string> startedPaths;
    bool startResult = true;
    std::string existing;
};

TEST_F(AboutWindowTest, LookupOrderAndFailuresEndInTheMessage)
{
    auto w = Make();
    // Nothing in the registry: the message at once.
    w->findChild<QPushButton *>("cmdSysInfo")->click();
    EXPECT_TRUE(UnavailableShown());
    EXPECT_EQ(registry.asked, (std::vector<std::string>{kFirst, kSecond}));
    EXPECT_TRUE(startedPaths.empty());

    // The folder lookup: the tool must exist there.
    registry.values[kSecond] = "C:\\Tools";
    dialogs.calls.clear();
    w->StartSysInfo();
    EXPECT_TRUE(UnavailableShown());
    existing = "C:\\Tools\\MSINFO32.EXE";
    dialogs.calls.clear();
    w->StartSysInfo();
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(startedPaths, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});

    // The full path wins; if it cannot be started the folder is not tried.
    registry.values[kFirst] = "C:\\missing\\msinfo32.exe";
    registry.asked.clear();
    startResult = false;
    w->StartSysInfo();
    EXPECT_EQ(registry.asked, std::vector<std::string>{kFirst});
    EXPECT_EQ(startedPaths.back(), "C:\\missing\\msinfo32.exe");
    EXPECT_TRUE(UnavailableShown());
}

TEST_F(AboutWindowTest, CaptionsBeforeAndAfterLanguageChanges)
{
    gLanguageChange().Change("XX"); // no table: the initial captions stay
    auto w = Make();
    EXPECT_EQ(w->windowTitle(), "About MyApp");
    EXPECT_EQ(Text(*w, "lblTitle"), "Application Title");
    EXPECT_EQ(Text(*w, "lblVersion"), "Version");
    EXPECT_EQ(Text(*w, "cmdSysInfo"), "&System Info...");
    EXPECT_TRUE(Text(*w, "lblDescription").startsWith("Het bijhouden"));

    gLanguageChange().Change("ENG");
    EXPECT_EQ(w->windowTitle(), "About Sitclock");
    EXPECT_EQ(Text(*w, "lblVersion"), "Version 3.2");
    EXPECT_TRUE(Text(*w, "lblTitle").startsWith("Sitclock"));
    EXPECT_TRUE(Text(*w, "lblDescription").startsWith("Logging your use"));
    EXPECT_EQ(Text(*w, "cmdSysInfo"), "&System Info..");
    const QString englishWarning = Text(*w, "lblDisclaimer");

    gLanguageChange().Change("NL");
    EXPECT_EQ(w->windowTitle(), "Over Zitklok");
    EXPECT_EQ(Text(*w, "lblVersion"), "Versie 3.2");
    EXPECT_TRUE(Text(*w, "lblTitle").startsWith("Zitklok"));
    EXPECT_EQ(Text(*w, "cmdSysInfo"), "&Systeem Info..");
    EXPECT_NE(Text(*w, "lblDisclaimer"), englishWarning);
    EXPECT_EQ(w->findChildren<QWidget *>("Line1").size(), 2);

    w->show();
    w->findChild<QPushButton *>("cmdOK")->click();
    EXPECT_FALSE(w->isVisible());
}

} // namespace
