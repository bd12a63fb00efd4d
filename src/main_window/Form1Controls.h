#pragma once

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;
class UCMouseWatch;
class UCWatchActionsDbase;
class FailureReporter;

namespace zk {
class PointerSource;
}

// The main window's controls and menu, under their control names, laid out by
// Qt: the two buttons and the mouse watch on top, the filter box below them,
// and the log list taking whatever room the window has, so that it grows with
// the window and nothing is cut off when it shrinks to its least.
//
// The central part (buttons, filter, mouse watch and log list) belongs to this
// object: whoever holds it decides when the log list goes, before or after the
// store it shows. The menu and the status bar belong to the window.
class Form1Controls
{
public:
    Form1Controls(QMainWindow &window, zk::PointerSource &pointer, FailureReporter &failures);
    ~Form1Controls();
    Form1Controls(const Form1Controls &) = delete;
    Form1Controls &operator=(const Form1Controls &) = delete;

    QPushButton *btnStartComputeren;
    QPushButton *btnEindigComputeren;
    QLabel *Label1;
    QComboBox *cmbFilter;
    UCWatchActionsDbase *UCWatchActionsDbase1;
    UCMouseWatch *UCMouseWatch1;
    QLabel *statusText;
    QAction *mnuExit;
    QAction *mnuEditUsers;
    QAction *mnuWeekOverview;
    QAction *mnuAutoStopOnMouseIdle;
    QAction *mnuOptionsProgramEnabled;
    QAction *mnuAutoStartOnSetup;
    QAction *mnuLimits;
    QAction *mnuLanguageDutch;
    QAction *mnuLanguageEnglish;
    QAction *mnuHelpAboutZitklok;

private:
    void BuildMenu(QMainWindow &window);

    std::unique_ptr<QWidget> m_central;
};
