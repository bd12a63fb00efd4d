#include "localisation/LanguageListener.h"
#include "localisation/QtTranslate.h"
#include "localisation/gclsLanguageChange.h"

#include "support/FakeSettings.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// A small main window built the way the program's windows are: object names
// for the controls, "zkKey" for column headers.
struct Window
{
    Window()
    {
        window.setObjectName("Form1");
        file = window.menuBar()->addMenu("file");
        file->setObjectName("mnuFile");
        exit = file->addAction("exit");
        exit->setObjectName("mnuExit");
        start = new QPushButton("start", &window);
        start->setObjectName("btnStartComputeren");
        user = new QPushButton("Anna", &window);
        user->setObjectName("Anna");
        unnamed = new QLabel("unnamed", &window);
        header = new QAction("header", &window);
        header->setProperty("zkKey", "headStartTime");
        notice = new QLabel("notice", &window);
        notice->setObjectName("labStartNoUsers");
        // A child widget named like a window is no window: its title stays.
        inner = new QWidget(&window);
        inner->setObjectName("frmAbout");
        inner->setWindowTitle("inner");
    }

    QMainWindow window;
    QMenu *file;
    QAction *exit;
    QPushButton *start, *user;
    QLabel *unnamed, *notice;
    QAction *header;
    QWidget *inner;
};

class QtTranslate : public ::testing::Test
{
protected:
    void SetUp() override { ResetLanguageChangeForTests(); }
    void TearDown() override { ResetLanguageChangeForTests(); }
    zk::test::FakeSettings settings;
};

TEST_F(QtTranslate, WindowIsLabelledAndFollowsEverySwitch)
{
    Window w;
    LanguageListener listener([&] { TranslateWindow(&w.window); });
    TranslateWindow(&w.window);

    EXPECT_EQ(w.window.windowTitle(), "Sitclock version 3.2");
    EXPECT_EQ(w.file->title(), "&File");
    EXPECT_EQ(w.file->menuAction()->text(), "&File");
    EXPECT_EQ(w.exit->text(), "E&xit");
    EXPECT_EQ(w.start->text(), "Starting with the computer.");
    EXPECT_EQ(w.header->text(), "Start Time");
    EXPECT_EQ(w.notice->text(), "Press \"Edit users\" to add one or more users..");

    gLanguageChange().Change("NL");
    EXPECT_EQ(w.window.windowTitle(), "Zitklok versie 3.2");
    EXPECT_EQ(w.file->title(), "&Bestand");
    EXPECT_EQ(w.exit->text(), "&Sluiten");
    EXPECT_EQ(w.start->text(), "Starten met computeren.");
    EXPECT_EQ(w.header->text(), "Start tijd");
    EXPECT_EQ(w.notice->text(),
              "Klik op \"Bewerk Gebruikers\" om een paar gebruikers toe te voegen..");

    // No row, no name, or not a window: left alone.
    EXPECT_EQ(w.user->text(), "Anna");
    EXPECT_EQ(w.unnamed->text(), "unnamed");
    EXPECT_EQ(w.inner->windowTitle(), "inner");
}

TEST_F(QtTranslate, DialogTitleAndLatin1Texts)
{
    settings.Write("Sitclock", "Options", "Language", "NL");
    QDialog about;
    about.setObjectName("frmAbout");
    auto *title = new QLabel(&about);
    title->setObjectName("lblTitle");
    auto *button = new QPushButton(&about);
    button->setObjectName("cmdSysInfo");
    TranslateWindow(&about);
    EXPECT_EQ(about.windowTitle(), "Over Zitklok");
    EXPECT_EQ(button->text(), "&Systeem Info..");
    EXPECT_TRUE(title->text().startsWith(QString::fromUtf8("Zitklok\n\u00A9")));

    // An unknown code changes nothing.
    gLanguageChange().Change("XX");
    EXPECT_EQ(about.windowTitle(), "Over Zitklok");
    TranslateWindow(&about);
    EXPECT_EQ(about.windowTitle(), "Over Zitklok");
    TranslateWindow(nullptr);
    TranslateObject(nullptr);
}

} // namespace
