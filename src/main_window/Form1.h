#pragma once

#include "core/Signal.h"
#include "main_window/Form1Services.h"
#include "tracking/ActionStateView.h"
#include "tracking/StretchView.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class LanguageListener;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class StretchController;
class UCMouseWatch;
class UCWatchActionsDbase;
class clsActionsDbase;
class clsUsers;
class frmStart;
class frmWeek;
namespace zk {
class TodayTotalCache;
}

// The main window. Loading it (Form_Load) starts the program: it owns the log
// store, the user list, the stretch controller with both warnings and the
// action state, the mouse watch, the log list and the tray icon's handlers.
// It is hidden most of the time and lives in the tray; where the desktop has
// no tray it is shown at start-up and minimised instead of hidden, so that
// the stop button stays within reach (a second start brings it forward).
//
// Every click, tick and notification handler shows a failure in a message
// box naming what failed, and the program goes on (see EventLoopGuard.h).
// Form_Load itself lets a failure through: a log that cannot be opened must
// stop the start.
class Form1 : public QMainWindow, public StretchView, public ActionStateView
{
    Q_OBJECT

public:
    explicit Form1(Form1Services services, QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up: tray picture, language, users, warnings, mouse watch,
    // log store and list, captions, hidden, then the start window (program
    // on) or state 3 (off), and last the options with the Run value.
    void Form_Load();

    // Public operation used by the start window.
    void NewRecord(const std::string &Description, bool SetToIdle);

    void UpdateResourcesForm1();
    void UpdateComboFilter();
    void cmbFilter_Click();

    bool GetAutoStopOnMouseIdle() override;
    bool GetAutoStartOnSetup();
    bool GetProgramEnabled();
    void SetAutoStopOnMouseIdle(bool value);
    void SetAutoStartOnSetup(bool value);
    void SetProgramEnabled(bool value);

    // The two timers' ticks, as their QTimers deliver them.
    void Timer1_Tick();
    void Timer2_Tick();
    QTimer &Timer1() { return *m_timer1; }
    QTimer &Timer2() { return *m_timer2; }

    // The tray's notifications (also reached from a second start of the program).
    void UCTrayIcon1_First();
    void UCTrayIcon1_Third();

    // Where the log is kept: programFolder + separator + "actions.dat".
    const std::string &LogPath() const { return m_logPath; }
    // Null before Form_Load.
    StretchController *Stretch() { return m_stretch.get(); }
    clsActionsDbase *Actions() { return m_actions.get(); }
    clsUsers *Users() { return m_users.get(); }
    frmStart *StartWindow() { return m_frmStart.get(); }
    std::string StatusText() const;

    // StretchView
    std::string FilterText() const override;
    void SetFilterText(const std::string &text) override;
    void cmbFilter_Change() override;
    void FocusLogList() override;
    void ShowStartWindow() override;
    void HideMainWindow() override;
    bool MainWindowVisible() const override;

    // ActionStateView
    void SetStartButtonEnabled(bool enabled) override;
    void SetStopButtonEnabled(bool enabled) override;
    void SetStatusText(const std::string &text) override;
    zk::TrayIcon &Tray() override { return m_services.tray; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void BuildMenu();
    QAction *AddItem(QMenu *menu, const char *name, bool checkable);
    void Guard(const std::string &operation, const std::function<void()> &body);
    bool ReadOption(const char *key);
    void StoreOption(const char *key, bool value);

    void users_Change();
    void mnuExit_Click();
    void mnuEditUsers_Click();
    void mnuWeekOverview_Click();
    void mnuHelpAboutZitklok_Click();

    Form1Services m_services;
    std::string m_logPath;
    bool m_endingSession = false;

    QPushButton *btnStartComputeren;
    QPushButton *btnEindigComputeren;
    QLabel *Label1;
    QComboBox *cmbFilter;
    UCWatchActionsDbase *UCWatchActionsDbase1;
    UCMouseWatch *UCMouseWatch1;
    QLabel *m_statusText;
    QAction *mnuExit;
    QAction *mnuEditUsers;
    QAction *mnuWeekOverview;
    QAction *mnuAutoStopOnMouseIdle;
    QAction *mnuOptionsProgramEnabled;
    QAction *mnuAutoStartOnSetup;
    QAction *mnuLanguageDutch;
    QAction *mnuLanguageEnglish;
    QAction *mnuHelpAboutZitklok;
    QTimer *m_timer1;
    QTimer *m_timer2;

    std::unique_ptr<LanguageListener> listenlanguage;
    std::unique_ptr<clsUsers> m_users;
    std::unique_ptr<clsActionsDbase> m_actions;
    std::unique_ptr<zk::TodayTotalCache> m_todayTotal;
    std::unique_ptr<StretchController> m_stretch;
    std::unique_ptr<frmStart> m_frmStart;
    std::unique_ptr<frmWeek> m_frmWeek;
    zk::Signal<>::Connection m_usersChange;
    zk::Signal<>::Connection m_trayFirst;
    zk::Signal<>::Connection m_trayThird;
    zk::Signal<>::Connection m_trayExit;
    zk::Signal<std::int32_t &>::Connection m_mouseIdle;
    zk::Signal<>::Connection m_mouseResetIdle;
};
