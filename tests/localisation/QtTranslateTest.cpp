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


TEST(QtTranslate, AWindowIsLabelledByObjectNamesAndFollowsEverySwitch)
{
    ResetLanguageChangeForTests();
    zk::test::FakeSettings settings;
    QMainWindow window;
    window.setObjectName("Form1");
    QMenu *file = window.menuBar()->addMenu("file");
    file->setObjectName("mnuFile");
    QAction *exit = file->addAction("exit");
    exit->setObjectName("mnuExit");
    auto *header = new QAction("header", &window);
    header->setProperty("zkKey", "headStartTime");
    auto *user = new QPushButton("Anna", &window); // a user's button has no row
    user->setObjectName("Anna");
    auto *unnamed = new QLabel("unnamed", &window);
    auto *inner = new QWidget(&window); // a child named like a window is no window
    inner->setObjectName("frmAbout");
    inner->setWindowTitle("inner");
    auto *title = new QLabel(&window);
    title->setObjectName("lblTitle");
    LanguageListener listener([&] { TranslateWindow(&window); });
    TranslateWindow(&window);

    const char *rows[][5] = {
        {"ENG", "Sitclock version 3.2", "&File", "E&xit", "Start Time"},
        {"NL", "Zitklok versie 3.2", "&Bestand", "&Sluiten", "Start tijd"},
        {"XX", "Zitklok versie 3.2", "&Bestand", "&Sluiten", "Start tijd"}, // unknown: unchanged
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row[0]);
        if (row[0] != std::string("ENG"))
            gLanguageChange().Change(row[0]);
        EXPECT_EQ(window.windowTitle(), row[1]);
        EXPECT_EQ(file->menuAction()->text(), row[2]);
        EXPECT_EQ(exit->text(), row[3]);
        EXPECT_EQ(header->text(), row[4]);
        EXPECT_EQ(user->text(), "Anna");
        EXPECT_EQ(unnamed->text(), "unnamed");
        EXPECT_EQ(inner->windowTitle(), "inner");
    }
    EXPECT_TRUE(title->text().startsWith(QString::fromUtf8("Zitklok\n\u00A9"))); // Latin-1 text
    TranslateWindow(nullptr);
    TranslateObject(nullptr);
    ResetLanguageChangeForTests();
}

} // namespace
