#include "Form1Fixture.h"

#include "users/frmStart.h"

#include <QTimer>

namespace zk::test {
namespace {

class Form1Stretch : public Form1Fixture
{
protected:
    void SetUp() override
    {
        Form1Fixture::SetUp();
        Store("Users", "Ann|Bob", "Edit");
    }
};

TEST_F(Form1Stretch, WholeStretchFromStartWindowToStopButton)
{
    Start();
    Choose("Ann");
    EXPECT_FALSE(form->StartWindow()->isVisible());
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(tray.icon, TrayImage::Image2Active);
    EXPECT_FALSE(Button("btnStartComputeren")->isEnabled());
    EXPECT_TRUE(Button("btnEindigComputeren")->isEnabled());
    EXPECT_EQ(form->FilterText(), "Ann");

    clock.Advance(60);
    form->Timer1_Tick();
    EXPECT_EQ(tray.toolTip, "Ann is busy for: 1 minutes. Today's total: 1 minutes");
    EXPECT_EQ(Log(), RecordBytes({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 1, 0}, "Ann"));

    clock.Advance(95);
    dialogs.answers = {"Homework"};
    Button("btnEindigComputeren")->click();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, "Please enter your sitclock!");
    EXPECT_EQ(dialogs.calls[0].title, "Quitting with the computeren");
    EXPECT_EQ(dialogs.calls[0].offered, "Ann");
    EXPECT_EQ(Log(), RecordBytes({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 2, 35}, "Homework"));
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(tray.icon, TrayImage::Image1Inactive);
    EXPECT_EQ(tray.toolTip, "Sitclock is inactive!");

    // The next stretch, stopped with Cancel, keeps the user's name.
    form->findChild<QPushButton *>("btnStartComputeren")->click();
    EXPECT_TRUE(form->StartWindow()->isVisible());
    clock.Advance(5);
    Choose("Bob");
    clock.Advance(30);
    Button("btnEindigComputeren")->click();
    EXPECT_EQ(Log(), RecordBytes({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 2, 35}, "Homework") +
                         RecordBytes({2026, 12, 6, 9, 2, 40}, {2026, 12, 6, 9, 3, 10}, "Bob"));
}

TEST_F(Form1Stretch, CloseBoxHidesAndTheStretchGoesOn)
{
    Start();
    Choose("Ann");
    tray.First.Emit();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(tray.icon, TrayImage::Image2Active);

    clock.Advance(120);
    form->Timer1_Tick();
    EXPECT_EQ(Log(), RecordBytes({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 2, 0}, "Ann"));
    EXPECT_EQ(State(), 1);
}

TEST_F(Form1Stretch, ExitKeepsTheLastTickAndNothingRunsAtTheNextStart)
{
    Start();
    Choose("Ann");
    clock.Advance(60);
    form->Timer1_Tick();
    clock.Advance(40);
    const std::string before = Log();
    Item("mnuExit")->trigger();
    EXPECT_EQ(exits, 1);
    form.reset();
    EXPECT_EQ(Log(), before);
    EXPECT_EQ(before, RecordBytes({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 1, 0}, "Ann"));

    Start();
    EXPECT_EQ(form->Stretch()->currentRecordNr(), 0);
    clock.Advance(60);
    form->Timer1_Tick();
    EXPECT_EQ(Log(), before);
}

TEST_F(Form1Stretch, LanguageSwitchWhileTheInputBoxIsOpen)
{
    Start();
    Choose("Ann");
    clock.Advance(30);
    dialogs.answers = {"Reading"};
    dialogs.whileOpen = [this] {
        dialogs.whileOpen = nullptr;
        Item("mnuLanguageDutch")->trigger();
        clock.Advance(60);
        form->Timer1_Tick(); // a tick inside the box still finds the stretch running
    };
    Button("btnEindigComputeren")->click();
    EXPECT_EQ(dialogs.calls[0].text, "Please enter your sitclock!");
    EXPECT_EQ(Log(), RecordBytes({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 1, 30}, "Reading"));
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(Caption("btnEindigComputeren"), "Ik stop met computeren");
    EXPECT_TRUE(Item("mnuLanguageDutch")->isChecked());
    EXPECT_FALSE(Item("mnuLanguageEnglish")->isChecked());
    EXPECT_EQ(tray.toolTip, "Zitklok is niet aktief!");
    EXPECT_EQ(Stored("Language"), "NL");
}

TEST_F(Form1Stretch, WithoutATrayTheWindowIsMinimisedInsteadOfHidden)
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

    Button("btnStartComputeren")->click();
    EXPECT_TRUE(form->isMinimized());
    EXPECT_TRUE(form->StartWindow()->isVisible());
}

TEST_F(Form1Stretch, TrayCountdownRunsTimer2OnlyWhileNeeded)
{
    Start();
    tray.First.Emit();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());

    tray.Third.Emit();
    EXPECT_TRUE(form->Timer2().isActive());
    EXPECT_EQ(form->Timer2().interval(), 100);
    for (int i = 0; i < 4; ++i)
        form->Timer2_Tick();
    EXPECT_TRUE(form->Timer2().isActive());
    form->Timer2_Tick();
    EXPECT_FALSE(form->Timer2().isActive());
    EXPECT_EQ(form->Stretch()->focusCountdown(), 0);

    // Hidden: the countdown still runs out.
    form->close();
    tray.Third.Emit();
    for (int i = 0; i < 5; ++i)
        form->Timer2_Tick();
    EXPECT_FALSE(form->Timer2().isActive());
}

} // namespace
} // namespace zk::test
