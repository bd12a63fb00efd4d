#include "Form1Fixture.h"

#include "log_view/UCWatchActionsDbase.h"
#include "platform/qt/SingleInstance.h"
#include "support/Unclipped.h"
#include "users/frmEditUsers.h"
#include "week/frmWeek.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

namespace zk::test {
namespace {

using Form = Form1Fixture;

TEST_F(Form, SwitchedOffStartShowsStateThreeInDutch)
{
    Store("Language", "NL");
    Store("ProgramEnabled", "False");
    Store("AutoStartOnSetup", "False");
    Start();
    EXPECT_FALSE(form->StartWindow());
    EXPECT_EQ(State(), 3);
    EXPECT_FALSE(Item("mnuOptionsProgramEnabled")->isChecked());
    EXPECT_TRUE(Item("mnuLanguageDutch")->isChecked());
    EXPECT_FALSE(Item("mnuLanguageEnglish")->isChecked());
    EXPECT_FALSE(Item("mnuLimits")->isCheckable()); // a window, not a setting
    EXPECT_EQ(runKey.writes, (std::vector<Write>{{"Zitklok", ""}})); // kept, but emptied
    EXPECT_EQ(form->findChild<QLabel *>("StatusText")->text(), "Programma is uitgeschakeld.");
    EXPECT_EQ(Item("mnuExit")->text().toStdString(), "&Sluiten");
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
    EXPECT_NE(Stretch().currentRecordNr(), 0);
    form->NewRecord("Ann", false);
    Store("ProgramEnabled", "False");
    Item("mnuOptionsProgramEnabled")->trigger();
    EXPECT_EQ(State(), 1);
    settings.failWrites = true; // settings that cannot be saved are told once
    Item("mnuAutoStopOnMouseIdle")->trigger();
    Item("mnuAutoStopOnMouseIdle")->trigger();
    EXPECT_EQ(dialogs.calls.size(), 1u);
}

// One stretch ends by the stop button, the next by Exit at its last tick; the close box hides.
TEST_F(Form, WholeStretchesFromTheStartWindowToTheStopButtonOrExit)
{
    Store("Users", "Ann|Bob", "Edit");
    Start();
    Choose("Ann");
    EXPECT_FALSE(Button("btnStartComputeren")->isEnabled());
    EXPECT_EQ(form->FilterText(), "Ann");
    clock.Advance(60);
    form->Timer1_Tick();
    EXPECT_EQ(tray.toolTip, "Ann is busy for: 1 minutes. Today's total: 1 minutes");
    clock.Advance(95);
    dialogs.answers = {"Homework"};
    Button("btnEindigComputeren")->click();
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(tray.icon, TrayImage::Image1Inactive);
    Button("btnStartComputeren")->click();
    Choose("Ann");
    tray.First.Emit();
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(form->isVisible());
    clock.Advance(60);
    form->Timer1_Tick();
    clock.Advance(40);
    Item("mnuExit")->trigger();
    EXPECT_EQ(exits, 1);
    form.reset();
    const auto expected =
        Bytes({{{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 2, 35}, "Homework"},
              {{2026, 12, 6, 9, 2, 35}, {2026, 12, 6, 9, 3, 35}, "Ann"}});
    EXPECT_EQ(Log(), expected);
    Start(); // nothing runs at the next start
    clock.Advance(60);
    form->Timer1_Tick();
    EXPECT_EQ(Log(), expected);
}

// Timer2 runs after the tray's third click only while the countdown lasts; it leaves the list of a
// hidden window without the focus.
TEST_F(Form, TheTraysThirdClickRunsTimer2OnlyWhileItCountsDown)
{
    Start();
    tray.Exit.Emit();
    EXPECT_EQ(exits, 1);
    tray.Third.Emit();
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_TRUE(form->Timer2().isActive()) << tick;
        form->Timer2_Tick();
    }
    EXPECT_FALSE(form->Timer2().isActive());
    const QWidget *list = form->findChild<UCWatchActionsDbase *>();
    EXPECT_FALSE(form->focusWidget() == list || list->isAncestorOf(form->focusWidget()));
}

// A full log is kept whole under the day's name, the person is told where; a new log begins.
TEST_F(Form, AFullLogIsKeptAsideAndTheStretchIsLogged)
{
    const LogRecord old{{2026, 12, 5, 8, 0, 0}, {2026, 12, 5, 9, 0, 0}, "Piet"};
    const std::string full = Bytes(std::vector<LogRecord>(32767, old));
    WriteFileBytes(dir.File("actions.dat"), full);
    Store("Users", "Anna", "Edit");
    Start();
    Choose("Anna");
    EXPECT_EQ(ReadFileBytes(dir.File("actions-2026-12-06.dat")), full);
    EXPECT_EQ(Log(), Bytes({{{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Anna"}}));
    EXPECT_FALSE(form->StartWindow()->isVisible());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, "Sitclock");
    EXPECT_NE(dialogs.calls[0].text.find(dir.File("actions-2026-12-06.dat")), std::string::npos);
}

// A stretch that could not be logged is told in the language of now; the start window stays.
TEST_F(Form, AFailedStartIsToldInTheCurrentLanguageAndTheWindowStays)
{
    Store("Users", "Anna", "Edit");
    Start();
    gLanguageChange().Change("NL");
    EXPECT_EQ(tray.menuTexts, "Zitklok openen|Zitklok afsluiten");
    form->household().Actions().CloseFile();
    Choose("Anna");
    EXPECT_TRUE(form->StartWindow()->isVisible());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, "Zitklok");
    EXPECT_EQ(dialogs.calls[0].text.rfind("Het beginnen van een nieuwe zittijd", 0), 0u);
}

// Without a tray: shown, minimised on close, brought forward by a second start of the same log.
TEST_F(Form, WithoutATrayASecondStartBringsTheMinimisedWindowForward)
{
    tray.available = false;
    SingleInstance first(QString::fromStdString(dir.File("actions.dat")));
    ASSERT_TRUE(first.TryBecomeFirst()) << first.ErrorText().toStdString();
    Start();
    EXPECT_TRUE(form->isVisible() && !form->isMinimized());
    QByteArray token = "none";
    QObject::connect(&first, &SingleInstance::showRequested, form.get(), [&](const QByteArray &t) {
        token = t;
        form->UCTrayIcon1_First();
    });
    for (const QByteArray &sent : {QByteArray(), QByteArray("launcher-42")}) {
        form->close();
        EXPECT_TRUE(form->isMinimized());
        token = "none";
        SingleInstance second(QString::fromStdString(dir.File("./actions.dat")));
        EXPECT_FALSE(second.TryBecomeFirst());
        EXPECT_TRUE(second.ErrorText().isEmpty());
        ASSERT_TRUE(second.AskFirstToShow(2000, sent));
        for (QDeadlineTimer deadline(3000); token == "none" && !deadline.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_EQ(token, sent);
        EXPECT_FALSE(form->isMinimized());
    }
    EXPECT_FALSE(SingleInstance(QString::fromStdString(dir.File("x.dat"))).AskFirstToShow(200));
}

// Every window fits its texts in both languages at the default font and at one a quarter larger
// (as at 120 dpi) and opens inside the screen's available area; the log list takes the room of a
// larger main window, and the edit-users list that of a larger dialog.
TEST_F(Form, EveryWindowFitsItsTextsInBothLanguagesAndFonts)
{
    Store("Users", "Anna|Piet|Cas", "Edit");
    Start();
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * 1.25);
    struct Row
    {
        const char *language;
        bool large;
        const char *listName;
    };
    const Row rows[] = {{"ENG", false, "Log list"}, {"NL", false, "Logboek"},
                        {"ENG", true, "Log list"}, {"NL", true, "Logboek"}};
    const QRect area = QApplication::primaryScreen()->availableGeometry();
    auto *list = form->findChild<QWidget *>("UCWatchActionsDbase1");
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.language) + (row.large ? " large" : " normal"));
        QApplication::setFont(row.large ? large : normal);
        gLanguageChange().Change(row.language);
        EXPECT_EQ(list->accessibleName().toStdString(), row.listName);
        form->UCTrayIcon1_First();
        form->ShowStartWindow();
        Item("mnuWeekOverview")->trigger();
        frmEditUsers editUsers(form->household().Users(), dialogs, *failures);
        editUsers.show();
        QApplication::processEvents();
        QWidget *week = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<frmWeek *>(w))
                week = w;
        ASSERT_TRUE(week);
        for (QWidget *window : {static_cast<QWidget *>(form.get()),
                                static_cast<QWidget *>(form->StartWindow()), week,
                                static_cast<QWidget *>(&editUsers)}) {
            SCOPED_TRACE(window->objectName().toStdString());
            ExpectUnclipped(*window);
            EXPECT_TRUE(area.contains(window->frameGeometry()));
        }
        const std::pair<QWidget *, QWidget *> growing[] = {
            {form.get(), list}, {&editUsers, editUsers.findChild<QWidget *>("List1")}};
        for (const auto &[window, grows] : growing) {
            window->resize(300, 200); // held at its least size
            QApplication::processEvents();
            ExpectUnclipped(*window);
            const QSize small = grows->size();
            window->resize(window->size() + QSize(300, 200));
            QApplication::processEvents();
            EXPECT_GE(grows->width(), small.width() + 290);
            EXPECT_GE(grows->height(), small.height() + 190);
        }
    }
    QApplication::setFont(normal);
}

} // namespace
} // namespace zk::test
