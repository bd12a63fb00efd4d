#include "Form1Fixture.h"

#include "users/frmStart.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

#include <filesystem>

namespace zk::test {
namespace {

class Form1Startup : public Form1Fixture
{
};

TEST_F(Form1Startup, FirstStartWithoutSettingsTurnsEverythingOnInEnglish)
{
    Start();

    EXPECT_EQ(form->LogPath(), dir.Path().string() + "/actions.dat");
    EXPECT_TRUE(std::filesystem::exists(form->LogPath()));
    EXPECT_EQ(Log(), "");

    EXPECT_FALSE(form->isVisible());
    ASSERT_TRUE(form->StartWindow());
    EXPECT_TRUE(form->StartWindow()->isVisible());

    EXPECT_TRUE(Item("mnuLanguageEnglish")->isChecked());
    EXPECT_FALSE(Item("mnuLanguageDutch")->isChecked());
    EXPECT_EQ(Caption("btnStartComputeren"), "Starting with the computer.");
    EXPECT_EQ(Item("mnuExit")->text().toStdString(), "E&xit");
    EXPECT_TRUE(form->windowTitle().startsWith("Sitclock version "));
    EXPECT_EQ(form->findChild<QLabel *>("Label1")->text().toStdString(), "Filter:");

    EXPECT_TRUE(Item("mnuAutoStopOnMouseIdle")->isChecked());
    EXPECT_TRUE(Item("mnuOptionsProgramEnabled")->isChecked());
    EXPECT_TRUE(Item("mnuAutoStartOnSetup")->isChecked());
    ASSERT_EQ(runKey.writes.size(), 1u);
    EXPECT_EQ(runKey.writes[0],
              (std::pair<std::string, std::string>{"Zitklok", "/opt/zk/zitklok"}));
    // Only the option applied last is stored at start-up; the language stays absent.
    EXPECT_EQ(Stored("AutoStartOnSetup"), "True");
    EXPECT_EQ(Stored("AutoStopOnMouseIdle"), "<absent>");
    EXPECT_EQ(Stored("Language"), "<absent>");

    // Until the action state first applies itself the tray keeps its start-up picture.
    EXPECT_EQ(tray.icon, TrayImage::Image4Startup);
    EXPECT_EQ(tray.toolTip, "");
    EXPECT_TRUE(form->Timer1().isActive());
    EXPECT_EQ(form->Timer1().interval(), 60000);
    EXPECT_FALSE(form->Timer2().isActive());
    EXPECT_EQ(form->Stretch()->currentRecordNr(), 0);
    EXPECT_EQ(form->Stretch()->elapsedwarningMouseIdle().TimeTillWarning(), 600);
    EXPECT_EQ(form->Stretch()->elapsedwarning().TimeTillWarning(), 7200);
}

TEST_F(Form1Startup, FilterBoxHoldsFixedEntriesThenUsersAndKeepsItsText)
{
    Store("Users", "Ann|Bob", "Edit");
    Start();
    auto *cmb = form->findChild<QComboBox *>("cmbFilter");
    ASSERT_TRUE(cmb);
    QStringList entries;
    for (int i = 0; i < cmb->count(); ++i)
        entries << cmb->itemText(i);
    EXPECT_EQ(entries, QStringList({"All (without Idle)", "All", "Idle", "Ann", "Bob"}));
    EXPECT_EQ(cmb->currentText(), "Alles (zonder Idle)");

    form->Users()->Add("Cor");
    EXPECT_EQ(cmb->count(), 6);
    EXPECT_EQ(cmb->itemText(5), "Cor");
    EXPECT_EQ(cmb->currentText(), "Alles (zonder Idle)");
}

TEST_F(Form1Startup, SwitchedOffStartShowsStateThreeInBothLanguages)
{
    for (const std::string language : {"NL", "ENG"}) {
        SCOPED_TRACE(language);
        ResetLanguageChangeForTests();
        Store("Language", language);
        Store("ProgramEnabled", "False");
        Store("AutoStartOnSetup", "False");
        runKey.writes.clear();
        Start();

        EXPECT_FALSE(form->StartWindow());
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(State(), 3);
        EXPECT_EQ(tray.icon, TrayImage::Image3Off);
        EXPECT_FALSE(Button("btnStartComputeren")->isEnabled());
        EXPECT_FALSE(Button("btnEindigComputeren")->isEnabled());
        EXPECT_FALSE(Item("mnuOptionsProgramEnabled")->isChecked());
        EXPECT_FALSE(Item("mnuAutoStartOnSetup")->isChecked());
        // Switched off, the Run value stays but is emptied.
        ASSERT_EQ(runKey.writes.size(), 1u);
        EXPECT_EQ(runKey.writes[0], (std::pair<std::string, std::string>{"Zitklok", ""}));
        EXPECT_EQ(Stored("AutoStartOnSetup"), "False");
        if (language == "NL") {
            EXPECT_EQ(form->StatusText(), "Programma is uitgeschakeld.");
            EXPECT_EQ(tray.toolTip, "Zitklok is niet werkzaam.");
            EXPECT_TRUE(Item("mnuLanguageDutch")->isChecked());
        } else {
            EXPECT_EQ(form->StatusText(), "Program is being turned off.");
            EXPECT_EQ(tray.toolTip, "Sitclock is turned off.");
        }
        form.reset();
    }
}

TEST_F(Form1Startup, OptionClicksToggleWhatIsStoredNotTheCheck)
{
    Store("AutoStopOnMouseIdle", "true");
    Store("ProgramEnabled", "1");
    Start();
    // Anything but "True" reads as off.
    EXPECT_FALSE(Item("mnuAutoStopOnMouseIdle")->isChecked());
    EXPECT_FALSE(Item("mnuOptionsProgramEnabled")->isChecked());
    EXPECT_EQ(State(), 3);

    Item("mnuAutoStopOnMouseIdle")->trigger();
    EXPECT_EQ(Stored("AutoStopOnMouseIdle"), "True");
    EXPECT_TRUE(Item("mnuAutoStopOnMouseIdle")->isChecked());

    // The check disagrees with the store: the click still follows the store.
    Item("mnuAutoStopOnMouseIdle")->setChecked(false);
    Item("mnuAutoStopOnMouseIdle")->trigger();
    EXPECT_EQ(Stored("AutoStopOnMouseIdle"), "False");
    EXPECT_FALSE(Item("mnuAutoStopOnMouseIdle")->isChecked());

    Item("mnuOptionsProgramEnabled")->trigger();
    EXPECT_EQ(Stored("ProgramEnabled"), "True");
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(tray.icon, TrayImage::Image1Inactive);

    // Switching on during a stretch leaves it active; off stops nothing.
    form->NewRecord("Ann", false);
    Item("mnuOptionsProgramEnabled")->trigger();
    EXPECT_EQ(State(), 3);
    EXPECT_NE(form->Stretch()->currentRecordNr(), 0);
    form->NewRecord("Ann", false);
    Store("ProgramEnabled", "False");
    Item("mnuOptionsProgramEnabled")->trigger();
    EXPECT_EQ(State(), 1);

    runKey.writes.clear();
    Item("mnuAutoStartOnSetup")->trigger();
    EXPECT_EQ(Stored("AutoStartOnSetup"), "False");
    ASSERT_EQ(runKey.writes.size(), 1u);
    EXPECT_EQ(runKey.writes[0].second, "");
}

TEST_F(Form1Startup, FailuresOfHandlersAreShownAndTheProgramGoesOn)
{
    Start();
    settings.failWrites = true;
    Item("mnuAutoStopOnMouseIdle")->trigger();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, "message");
    EXPECT_EQ(dialogs.calls[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_NE(dialogs.calls[0].text.find("settings cannot be saved"), std::string::npos);
    EXPECT_NE(dialogs.calls[0].text.find("disk full"), std::string::npos);

    settings.failWrites = false;
    Item("mnuAutoStopOnMouseIdle")->trigger();
    EXPECT_EQ(Stored("AutoStopOnMouseIdle"), "False");
    EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(Form1Startup, EditUsersAndAboutOpenModallyOverTheMainWindow)
{
    Start();
    for (const char *item : {"mnuEditUsers", "mnuHelpAboutZitklok"}) {
        SCOPED_TRACE(item);
        std::string seen;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                seen = modal->objectName().toStdString();
                modal->close();
            }
        });
        Item(item)->trigger();
        EXPECT_EQ(seen, item == std::string("mnuEditUsers") ? "frmEditUsers" : "frmAbout");
    }
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Form1Startup, LogThatCannotBeOpenedStopsTheStart)
{
    std::filesystem::create_directory(dir.Path() / "actions.dat");
    form = MakeForm();
    EXPECT_THROW(form->Form_Load(), FileError);
}

} // namespace
} // namespace zk::test
