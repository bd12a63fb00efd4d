#include "Version.h"
#include "localisation/LanguageListener.h"
#include "localisation/gclsLanguageChange.h"

#include "FakeTarget.h"
#include "support/FakeSettings.h"
#include "support/FreshLanguage.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class Language : public ::testing::Test
{
protected:
    void SetUp() override { Fresh(); }
    // A start of the program: the language as the settings hold it now.
    void Fresh()
    {
        language.reset();
        language.emplace();
    }
    std::string Stored() const { return settings.Get("Options", "Language").value_or("absent"); }

    zk::test::FakeSettings settings;
    std::optional<zk::test::FreshLanguage> language;
};

// The stored code is taken as it is; texts come only for exactly "NL" and "ENG".
TEST_F(Language, TheStoredCodeChoosesTheTables)
{
    EXPECT_EQ(gLanguageChange().GetLanguage(), "ENG");
    EXPECT_EQ(Stored(), "absent"); // the default is not written back
    struct Row
    {
        const char *stored;
        std::string title;  // the main window's caption
        const char *all;    // the message "Alles"
        const char *column; // the start time's column header
    };
    const Row rows[] = {
        {.stored = "ENG", .title = "Sitclock version " + std::string(zk::kVersionText), .all = "All", .column = "Start Time"},
        {.stored = "NL", .title = "Zitklok versie " + std::string(zk::kVersionText), .all = "Alles", .column = "Start tijd"},
        {.stored = "Nl", .title = "initial caption", .all = "", .column = "initial text"},
        {.stored = "NL ", .title = "initial caption", .all = "", .column = "initial text"},
        {.stored = "", .title = "initial caption", .all = "", .column = "initial text"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.stored);
        settings.Write("Sitclock", "Options", "Language", row.stored);
        Fresh();
        EXPECT_EQ(gLanguageChange().GetLanguage(), row.stored);
        FakeTarget title = FakeTarget::Control("Form1");
        FakeTarget column = FakeTarget::Column("headStartTime");
        TranslateControl(title);
        TranslateControl(column);
        EXPECT_EQ(title.caption, row.title);
        EXPECT_EQ(TranslateText("Alles"), row.all);
        EXPECT_EQ(column.text, row.column);
    }
}

TEST_F(Language, ChangeTellsEveryListenerThenWrites)
{
    std::vector<std::string> seen;
    auto sees = [&](const std::string &who) {
        return [&, who] {
            seen.push_back(who + ":" + gLanguageChange().GetLanguage() + ":" + Stored());
        };
    };
    LanguageListener form1(sees("Form1"));
    LanguageListener start(sees("frmStart"));
    {
        LanguageListener closed(sees("frmAbout")); // gone before the switch: hears nothing
    }
    const int writes = settings.WriteCount();
    gLanguageChange().Change("NL");
    gLanguageChange().Change("NL"); // the same language again still tells and writes
    start.Disconnect();
    gLanguageChange().Change("ENG");
    EXPECT_EQ(seen, (std::vector<std::string>{"Form1:NL:absent", "frmStart:NL:absent",
                                              "Form1:NL:NL", "frmStart:NL:NL", "Form1:ENG:NL"}));
    EXPECT_EQ(settings.WriteCount(), writes + 3);
    EXPECT_EQ(Stored(), "ENG");
    settings.failWrites = true; // a failing store still switches and tells, then reports
    EXPECT_THROW(gLanguageChange().Change("NL"), zk::SettingsError);
    EXPECT_EQ(seen.back(), "Form1:NL:ENG");
}

} // namespace
