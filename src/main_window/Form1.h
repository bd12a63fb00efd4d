#pragma once

#include "core/Signal.h"
#include "localisation/LanguageListener.h"
#include "main_window/Form1Controls.h"
#include "main_window/Form1Services.h"
#include "main_window/Household.h"
#include "main_window/OptionsMenu.h"
#include "main_window/SideWindows.h"
#include "tracking/ActionStateView.h"
#include "tracking/StretchView.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QTimer;
class frmStart;

// The main window: it shows the household (user list, log store, options,
// stretch controller) and hands the person's clicks, the timers' ticks and the
// tray's notifications on to it. It is hidden most of the time and lives in the
// tray; where the desktop has no tray it is shown at start-up and minimised
// instead of hidden, so that the stop button stays within reach (a second start
// brings it forward).
//
// Making the window opens the log: a log that cannot be opened raises and stops
// the start. After that every click, tick and notification runs guarded by the
// failure reporter, and the program goes on.
class Form1 : public QMainWindow, public StretchView, public ActionStateView
{
    Q_OBJECT

public:
    explicit Form1(Form1Services services, QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up: tray picture, mouse watch, log list, captions, hidden, then
    // the start window (program on) or state 3 (off), and last the options with
    // the Run value.
    void Form_Load();

    // Public operation used by the start window.
    void NewRecord(const std::string &Description, bool SetToIdle);

    void UpdateResourcesForm1();
    void UpdateComboFilter();
    void cmbFilter_Click();

    // The two timers' ticks, as their QTimers deliver them.
    void Timer1_Tick();
    void Timer2_Tick();
    QTimer &Timer1() { return *m_timer1; }
    QTimer &Timer2() { return *m_timer2; }

    // The tray's notifications (also reached from a second start of the program).
    void UCTrayIcon1_First();
    void UCTrayIcon1_Third();

    Household &household() { return m_household; }
    // Null until the start window is first shown.
    frmStart *StartWindow() { return m_frmStart.get(); }

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
    void ConnectControls();
    bool Guard(const std::string &operation, const std::function<void()> &body);

    void users_Change();
    void mnuExit_Click();
    void mnuEditUsers_Click();
    void mnuLimits_Click();
    void mnuWeekOverview_Click();
    void mnuHelpAboutZitklok_Click();

    Form1Services m_services;
    Household m_household;
    // After the household: the controls that show it go before it.
    Form1Controls m_controls;
    OptionsMenu m_optionsMenu;
    SideWindows m_sideWindows;
    QTimer *m_timer1;
    QTimer *m_timer2;
    bool m_endingSession = false;

    std::unique_ptr<frmStart> m_frmStart;
    LanguageListener listenlanguage;
    zk::Signal<>::Connection m_usersChange;
    zk::Signal<>::Connection m_trayFirst;
    zk::Signal<>::Connection m_trayThird;
    zk::Signal<>::Connection m_trayExit;
    zk::Signal<std::int32_t &>::Connection m_mouseIdle;
    zk::Signal<>::Connection m_mouseResetIdle;
};
