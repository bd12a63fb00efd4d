#include "localisation/LanguageListener.h"
#include "localisation/Module2.h"
#include "localisation/gclsLanguageChange.h"

#include "FakeTarget.h"
#include "support/FakeSettings.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

class Language : public ::testing::Test
{
protected:
    void SetUp() override { ResetLanguageChangeForTests(); }
    void TearDown() override { ResetLanguageChangeForTests(); }

    std::optional<std::string> Stored() const { return settings.Get("Options", "Language"); }

    zk::test::FakeSettings settings;
};

TEST_F(Language, StartsFromTheSettingWithoutJudgingIt)
{
    EXPECT_EQ(gLanguageChange().GetLanguage(), "ENG");
    EXPECT_FALSE(Stored()); // the default is not written back

    for (const char *stored : {"NL", "ENG", "nl", "XX", ""}) {
        ResetLanguageChangeForTests();
        settings.Write("Sitclock", "Options", "Language", stored);
        EXPECT_EQ(gLanguageChange().GetLanguage(), stored);
    }
}

TEST_F(Language, ChangeTellsEveryListenerBeforeWritingOnce)
{
    std::vector<std::string> seen;
    auto listenerSees = [&](const std::string &who) {
        return [&, who] {
            // The new code is current already; the setting follows after all listeners.
            seen.push_back(who + ":" + gLanguageChange().GetLanguage() + ":" +
                           Stored().value_or("absent"));
        };
    };
    LanguageListener form1(listenerSees("Form1"));
    LanguageListener start(listenerSees("frmStart"));
    auto about = std::make_unique<LanguageListener>(listenerSees("frmAbout"));
    about.reset(); // closed before the switch: hears nothing

    const int writes = settings.WriteCount();
    gLanguageChange().Change("NL");
    EXPECT_EQ(seen, (std::vector<std::string>{"Form1:NL:absent", "frmStart:NL:absent"}));
    EXPECT_EQ(settings.WriteCount(), writes + 1);
    EXPECT_EQ(Stored(), "NL");

    // Choosing the current language again still tells everyone and writes again.
    seen.clear();
    gLanguageChange().Change("NL");
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(settings.WriteCount(), writes + 2);

    // A listener that stops early hears no more.
    start.Disconnect();
    seen.clear();
    gLanguageChange().Change("ENG");
    EXPECT_EQ(seen, (std::vector<std::string>{"Form1:ENG:NL"}));
}

TEST_F(Language, ChangeWithAFailingStoreStillSwitchesAndReports)
{
    int told = 0;
    LanguageListener listener([&] { ++told; });
    settings.failWrites = true;
    EXPECT_THROW(gLanguageChange().Change("NL"), zk::SettingsError);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(gLanguageChange().GetLanguage(), "NL");
}

TEST_F(Language, UnknownCodeGivesNoTextsUntilALanguageIsChosen)
{
    settings.Write("Sitclock", "Options", "Language", "FR");
    FakeTarget button = FakeTarget::Control("btnStartComputeren");
    FakeTarget column = FakeTarget::Column("headDay");
    TranslateControl(button);
    TranslateControl(column);
    EXPECT_EQ(button.caption, "initial caption");
    EXPECT_EQ(column.text, "initial text");
    EXPECT_EQ(TranslateText("Alles"), "");
    EXPECT_EQ(TranslateText("N/A"), "");

    gLanguageChange().Change("NL");
    TranslateControl(button);
    TranslateControl(column);
    EXPECT_EQ(button.caption, "Starten met computeren.");
    EXPECT_EQ(column.text, "Dag");
    EXPECT_EQ(TranslateText("N/A"), "N.v.t.");
}

TEST_F(Language, DispatchFollowsTheCurrentCodeExactly)
{
    FakeTarget title = FakeTarget::Control("Form1");
    for (const char *code : {"ENG", "NL", "Nl", "eng", "NL "}) {
        ResetLanguageChangeForTests();
        settings.Write("Sitclock", "Options", "Language", code);
        title.caption = "initial caption";
        TranslateControl(title);
        const std::string c = code;
        const std::string expected = c == "ENG"  ? "Sitclock version 3.2"
                                     : c == "NL" ? "Zitklok versie 3.2"
                                                 : "initial caption";
        EXPECT_EQ(title.caption, expected) << code;
        EXPECT_EQ(TranslateText("Alles"), c == "ENG" ? "All" : c == "NL" ? "Alles" : "") << code;
    }
}

} // namespace
