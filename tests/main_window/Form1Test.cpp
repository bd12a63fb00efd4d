#include "Form1Fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

#include <filesystem>

namespace zk::test {
namespace {

using Form = Form1Fixture;

std::string Bytes1(DateTime start, DateTime end, const std::string &description)
{
    return Bytes({{start, end, description}});
}
using Write = std::pair<std::string, std::string>;

TEST_F(Form, FirstStartWithoutSettingsTurnsEverythingOnInEnglish)
{
    Store("Users", "Ann|Bob", "Edit");
    Start();
    EXPECT_EQ(form->LogPath(), dir.File("actions.dat"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->StartWindow()->isVisible());
    EXPECT_TRUE(Item("mnuLanguageEnglish")->isChecked());
    EXPECT_FALSE(Item("mnuLanguageDutch")->isChecked());
    EXPECT_EQ(Button("btnStartComputeren")->text(), "Starting with the computer.");
    EXPECT_EQ(form->findChild<QLabel *>("Label1")->text().toStdString(), "Filter:");
    for (const char *option :
         {"mnuAutoStopOnMouseIdle", "mnuOptionsProgramEnabled", "mnuAutoStartOnSetup"})
        EXPECT_TRUE(Item(option)->isChecked()) << option;
    EXPECT_FALSE(Item("mnuEditUsers")->isCheckable() || Item("mnuHelpAboutZitklok")->isCheckable());
    EXPECT_EQ(runKey.writes, (std::vector<Write>{{"Zitklok", "/opt/zk/zitklok"}}));
    // Only the option applied last is stored at start-up; the language stays absent.
    EXPECT_EQ(Stored("AutoStartOnSetup"), "True");
    EXPECT_EQ(Stored("AutoStopOnMouseIdle"), "<absent>");
    EXPECT_EQ(Stored("Language"), "<absent>");
    EXPECT_EQ(tray.icon, TrayImage::Image4Startup); // until the state first applies itself
    EXPECT_EQ(form->findChild<QWidget *>("UCMouseWatch1")->geometry(), QRect(624, 8, 48, 36));
    EXPECT_EQ(form->Timer1().interval(), 60000);
    EXPECT_TRUE(form->Timer1().isActive());
    EXPECT_FALSE(form->Timer2().isActive());
    EXPECT_EQ(form->Stretch()->elapsedwarningMouseIdle().TimeTillWarning(), 600);
    EXPECT_EQ(form->Stretch()->elapsedwarning().TimeTillWarning(), 7200);

    // The filter box: fixed entries, then the users; the text stays as it was.
    auto *cmb = form->findChild<QComboBox *>("cmbFilter");
    form->Users()->Add("Cor");
    QStringList entries;
    for (int i = 0; i < cmb->count(); ++i)
        entries << cmb->itemText(i);
    EXPECT_EQ(entries, QStringList({"All (without Idle)", "All", "Idle", "Ann", "Bob", "Cor"}));
    EXPECT_EQ(cmb->currentText(), "Alles (zonder Idle)");
}

TEST_F(Form, SwitchedOffStartShowsStateThreeInBothLanguages)
{
    const char *rows[][4] = {
        {"NL", "Programma is uitgeschakeld.", "Zitklok is niet werkzaam.", "&Sluiten"},
        {"ENG", "Program is being turned off.", "Sitclock is turned off.", "E&xit"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row[0]);
        Store("Language", row[0]);
        Store("ProgramEnabled", "False");
        Store("AutoStartOnSetup", "False");
        runKey.writes.clear();
        Start();
        EXPECT_FALSE(form->StartWindow());
        EXPECT_EQ(State(), 3);
        EXPECT_FALSE(Button("btnStartComputeren")->isEnabled());
        EXPECT_FALSE(Item("mnuOptionsProgramEnabled")->isChecked());
        EXPECT_EQ(runKey.writes, (std::vector<Write>{{"Zitklok", ""}})); // kept, but emptied
        EXPECT_EQ(form->StatusText(), row[1]);
        EXPECT_EQ(tray.toolTip, row[2]);
        EXPECT_EQ(Item("mnuLanguageDutch")->isChecked(), row[0] == std::string("NL"));
        EXPECT_EQ(Item("mnuExit")->text().toStdString(), row[3]);
        form.reset();
    }
}

TEST_F(Form, OptionClicksToggleWhatIsStoredNotTheCheck)
{
    Store("AutoStopOnMouseIdle", "true"); // anything but "True" reads as off
    Store("ProgramEnabled", "1");
    Start();
    EXPECT_FALSE(Item("mnuAutoStopOnMouseIdle")->isChecked());
    EXPECT_EQ(State(), 3);
    Item("mnuAutoStopOnMouseIdle")->trigger();
    EXPECT_EQ(Stored("AutoStopOnMouseIdle"), "True");
    Item("mnuAutoStopOnMouseIdle")->setChecked(false); // the click still follows the store
    Item("mnuAutoStopOnMouseIdle")->trigger();
    EXPECT_EQ(Stored("AutoStopOnMouseIdle"), "False");
    EXPECT_FALSE(Item("mnuAutoStopOnMouseIdle")->isChecked());
    Item("mnuOptionsProgramEnabled")->trigger();
    EXPECT_EQ(Stored("ProgramEnabled"), "True");
    EXPECT_EQ(State(), 0);
    form->NewRecord("Ann", false); // off during a stretch stops nothing; on leaves it active
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
    EXPECT_EQ(runKey.writes, (std::vector<Write>{{"Zitklok", ""}}));

    settings.failWrites = true; // a failing handler is shown and the program goes on
    Item("mnuAutoStopOnMouseIdle")->trigger();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_NE(dialogs.calls[0].text.find("settings cannot be saved"), std::string::npos);
    EXPECT_NE(dialogs.calls[0].text.find("disk full"), std::string::npos);
}

TEST_F(Form, EditUsersAndAboutOpenModallyAndABadLogStopsTheStart)
{
    Start();
    for (const auto &[item, window] : {Write{"mnuEditUsers", "frmEditUsers"},
                                       Write{"mnuHelpAboutZitklok", "frmAbout"}}) {
        std::string seen;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                seen = modal->objectName().toStdString();
                modal->close();
            }
        });
        Item(item.c_str())->trigger();
        EXPECT_EQ(seen, window);
    }
    form.reset();
    std::filesystem::remove(dir.Path() / "actions.dat");
    std::filesystem::create_directory(dir.Path() / "actions.dat");
    EXPECT_THROW(Start(), FileError);
}

TEST_F(Form, WholeStretchesFromTheStartWindowToTheStopButton)
{
    Store("Users", "Ann|Bob", "Edit");
    Start();
    Choose("Ann");
    EXPECT_FALSE(form->StartWindow()->isVisible());
    EXPECT_FALSE(Button("btnStartComputeren")->isEnabled());
    EXPECT_EQ(form->FilterText(), "Ann");
    clock.Advance(60);
    form->Timer1_Tick();
    EXPECT_EQ(tray.toolTip, "Ann is busy for: 1 minutes. Today's total: 1 minutes");
    clock.Advance(95);
    dialogs.answers = {"Homework"};
    Button("btnEindigComputeren")->click();
    EXPECT_EQ(dialogs.calls.at(0).offered, "Ann");
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(tray.icon, TrayImage::Image1Inactive);
    Button("btnStartComputeren")->click(); // the next stretch, stopped with Cancel
    EXPECT_TRUE(form->StartWindow()->isVisible());
    clock.Advance(5);
    Choose("Bob");
    clock.Advance(30);
    Button("btnEindigComputeren")->click();
    EXPECT_EQ(Log(), Bytes1({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 2, 35}, "Homework") +
                         Bytes1({2026, 12, 6, 9, 2, 40}, {2026, 12, 6, 9, 3, 10}, "Bob"));
}

TEST_F(Form, TheCloseBoxHidesAndExitKeepsTheLastTick)
{
    Store("Users", "Ann", "Edit");
    Start();
    Choose("Ann");
    tray.First.Emit();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(form->isVisible());
    clock.Advance(60);
    form->Timer1_Tick();
    clock.Advance(40);
    Item("mnuExit")->trigger();
    EXPECT_EQ(exits, 1);
    form.reset();
    const std::string expected = Bytes1({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 1, 0}, "Ann");
    EXPECT_EQ(Log(), expected);
    Start(); // nothing runs at the next start
    clock.Advance(60);
    form->Timer1_Tick();
    EXPECT_EQ(Log(), expected);
}

TEST_F(Form, WithoutATrayTheWindowIsShownAndMinimisedInsteadOfHidden)
{
    tray.available = false;
    Start();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    tray.First.Emit();
    EXPECT_FALSE(form->isMinimized());
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isMinimized());
}

TEST_F(Form, TheTraysThirdClickRunsTimer2OnlyWhileItCountsDown)
{
    Start();
    for (const bool shown : {true, false}) {
        if (shown)
            tray.First.Emit();
        else
            form->close();
        tray.Third.Emit();
        EXPECT_EQ(form->Timer2().interval(), 100);
        for (int i = 0; i < 4; ++i)
            form->Timer2_Tick();
        EXPECT_TRUE(form->Timer2().isActive());
        form->Timer2_Tick();
        EXPECT_FALSE(form->Timer2().isActive());
    }
}

} // namespace
} // namespace zk::test
