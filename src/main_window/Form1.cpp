#include "main_window/Form1.h"

#include "failure/FailureReporter.h"
#include "localisation/Module2.h"
#include "localisation/QtTranslate.h"
#include "log_view/FilterSelection.h"
#include "log_view/UCWatchActionsDbase.h"
#include "log_view/UpdateComboFilter.h"
#include "platform/qt/FitOnScreen.h"
#include "platform/qt/Latin1.h"
#include "platform/TrayIcon.h"
#include "tracking/UCMouseWatch.h"
#include "tracking/clsForm1ActionState.h"
#include "users/frmStart.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
QTimer *MakeTimer(Form1 *form, const char *name, int interval, void (Form1::*tick)(),
                  Qt::ConnectionType connection = Qt::AutoConnection)
{
    auto *timer = new QTimer(form);
    timer->setObjectName(name);
    timer->setInterval(interval);
    QObject::connect(timer, &QTimer::timeout, form, tick, connection);
    return timer;
}
} // namespace

Form1::Form1(Form1Services services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
    , m_household({m_services.programFolder + QDir::separator().toLatin1() + "actions.dat",
                   m_services.runKey, m_services.programCommand, m_services.dialogs,
                   m_services.pointer, m_services.idleLimitSeconds, m_services.locker},
                  *this, *this)
    , m_controls(*this, m_services.pointer, m_services.failures)
    , m_optionsMenu(m_controls, m_household, m_services.failures)
    , m_sideWindows(m_household, m_services, *this)
    // Queued: Qt fires no timer again while its timeout is still being
    // handled, and a tick may hold a box open (the alarm at a limit); the
    // ticks after it, the lock a minute later among them, must come all the same.
    , m_timer1(MakeTimer(this, "Timer1", 60000, &Form1::Timer1_Tick, Qt::QueuedConnection))
    , m_timer2(MakeTimer(this, "Timer2", 100, &Form1::Timer2_Tick))
    , listenlanguage([this] { Guard("Changing the language", [this] { UpdateResourcesForm1(); }); })
{
    setObjectName("Form1");
    resize(680, 460);
    ConnectControls();
    m_household.Stretch().SetMouseWatchReset([this] { m_controls.UCMouseWatch1->Reset(); });
    m_usersChange = m_household.Users().Change.Connect([this] { users_Change(); });
    m_trayFirst = m_services.tray.First.Connect([this] { UCTrayIcon1_First(); });
    m_trayThird = m_services.tray.Third.Connect([this] { UCTrayIcon1_Third(); });
    m_trayExit = m_services.tray.Exit.Connect([this] { mnuExit_Click(); });
    // The desktop's session ends: let the window close instead of hiding it.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { m_endingSession = true; });
}

Form1::~Form1() = default;

void Form1::ConnectControls()
{
    StretchController &stretch = m_household.Stretch();
    connect(m_controls.btnStartComputeren, &QPushButton::clicked, this, [this, &stretch] {
        Guard("Starting with the computer", [&] { stretch.btnStartComputeren_Click(); });
    });
    connect(m_controls.btnEindigComputeren, &QPushButton::clicked, this, [this, &stretch] {
        Guard("Stopping the stretch", [&] { stretch.btnEindigComputeren_Click(); });
    });
    connect(m_controls.cmbFilter, &QComboBox::editTextChanged, this,
            [this] { cmbFilter_Change(); });
    connect(m_controls.cmbFilter, &QComboBox::activated, this, [this] { cmbFilter_Click(); });
    m_mouseIdle = m_controls.UCMouseWatch1->Idle.Connect([this, &stretch](std::int32_t &last) {
        Guard("Watching the mouse", [&] { stretch.MouseWatch_Idle(last); });
    });
    m_mouseResetIdle = m_controls.UCMouseWatch1->ResetIdle.Connect(
        [this, &stretch] { Guard("Watching the mouse", [&] { stretch.MouseWatch_ResetIdle(); }); });
    connect(m_controls.mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
    connect(m_controls.mnuEditUsers, &QAction::triggered, this, &Form1::mnuEditUsers_Click);
    connect(m_controls.mnuLimits, &QAction::triggered, this, &Form1::mnuLimits_Click);
    connect(m_controls.mnuWeekOverview, &QAction::triggered, this, &Form1::mnuWeekOverview_Click);
    connect(m_controls.mnuHelpAboutZitklok, &QAction::triggered, this,
            &Form1::mnuHelpAboutZitklok_Click);
}

void Form1::Form_Load()
{
    m_services.tray.SetIcon(zk::TrayImage::Image4Startup);
    m_controls.UCMouseWatch1->ScanRateInSeconds(m_services.scanRateSeconds);
    m_controls.UCMouseWatch1->LateLookSeconds(m_services.idleLimitSeconds);
    // The running record is the one its user describes; the past is a parent's.
    m_controls.UCWatchActionsDbase1->SetEditAllowed([this](std::int32_t tag) {
        return tag == m_household.Stretch().currentRecordNr() || m_household.Gate().Open();
    });
    m_controls.UCWatchActionsDbase1->Constructor(m_household.Actions(), "-Idle",
                                                 m_household.Users());
    UpdateResourcesForm1();
    // Without a tray the window stays in sight; nothing else leads back to it.
    if (m_services.tray.Available())
        hide();
    else
        showNormal();
    Options &options = m_household.options();
    if (options.ProgramEnabled())
        ShowStartWindow();
    else
        m_household.Stretch().ActionState().State(3);
    // Settings that cannot be saved (a read-only folder, a full disk) do not
    // stop the log; the person is told, and the options stay as read.
    Guard("Changing the option", [&] { options.SetAutoStartOnSetup(options.AutoStartOnSetup()); });
    m_optionsMenu.ShowOptions();
    m_timer1->start();
}

void Form1::NewRecord(const std::string &Description, bool SetToIdle)
{
    Guard("Starting a stretch", [&] { m_household.Stretch().NewRecord(Description, SetToIdle); });
}

bool Form1::Guard(const std::string &operation, const std::function<void()> &body)
{
    return m_services.failures.Guard(operation, body);
}

void Form1::UpdateResourcesForm1()
{
    TranslateWindow(this);
    m_controls.UCWatchActionsDbase1->setAccessibleName(zk::ToQt(TranslateText("Log list")));
    m_services.tray.SetMenuTexts(TranslateText("Zitklok openen"),
                                 TranslateText("Zitklok afsluiten"));
    UpdateComboFilter();
    m_optionsMenu.ShowLanguage();
}

void Form1::UpdateComboFilter()
{
    ::UpdateComboFilter(*m_controls.cmbFilter, &m_household.Users());
}

void Form1::users_Change()
{
    Guard("Updating the filter box", [this] { UpdateComboFilter(); });
}

std::string Form1::FilterText() const
{
    return zk::FromQt(m_controls.cmbFilter->currentText());
}

void Form1::SetFilterText(const std::string &text)
{
    m_controls.cmbFilter->setEditText(zk::ToQt(text));
}

void Form1::cmbFilter_Change()
{
    // Before start-up the list has no store and only keeps the text.
    Guard("Filtering the log list",
          [this] { m_controls.UCWatchActionsDbase1->filter(FilterForComboText(FilterText())); });
}

void Form1::cmbFilter_Click()
{
    cmbFilter_Change();
}

void Form1::FocusLogList()
{
    m_controls.UCWatchActionsDbase1->setFocus(Qt::OtherFocusReason);
}

void Form1::ShowStartWindow()
{
    if (!m_frmStart)
        m_frmStart = std::make_unique<frmStart>(
            m_household.Users(), m_services.dialogs, m_services.failures,
            // A failure goes to the start window, which tells it and stays open.
            [this](const std::string &name) { m_household.Stretch().NewRecord(name, false); });
    m_frmStart->Load();
    zk::FitOnScreen(*m_frmStart);
    m_frmStart->show();
    m_frmStart->raise();
    m_frmStart->activateWindow();
}

void Form1::HideMainWindow()
{
    // Without a tray a hidden window could not be reached again.
    if (m_services.tray.Available())
        hide();
    else
        showMinimized();
}

bool Form1::MainWindowVisible() const
{
    return isVisible() && !isMinimized();
}

void Form1::UCTrayIcon1_First()
{
    zk::FitOnScreen(*this);
    show();
    showNormal();
    raise();
    activateWindow();
    FocusLogList();
}

void Form1::UCTrayIcon1_Third()
{
    StretchController &stretch = m_household.Stretch();
    stretch.focusCountdown(5);
    if (stretch.Timer2Needed() && !m_timer2->isActive())
        m_timer2->start();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_endingSession) {
        event->accept();
        return;
    }
    // The person's own close: the program goes on in the tray.
    event->ignore();
    HideMainWindow();
}

void Form1::Timer1_Tick()
{
    Guard("Updating the running stretch", [this] { m_household.Stretch().Timer1_Tick(); });
}

void Form1::Timer2_Tick()
{
    Guard("Turning to the log list", [this] { m_household.Stretch().Timer2_Tick(); });
    if (!m_household.Stretch().Timer2Needed())
        m_timer2->stop();
}

void Form1::SetStartButtonEnabled(bool enabled)
{
    m_controls.btnStartComputeren->setEnabled(enabled);
}

void Form1::SetStopButtonEnabled(bool enabled)
{
    m_controls.btnEindigComputeren->setEnabled(enabled);
}

void Form1::SetStatusText(const std::string &text)
{
    m_controls.statusText->setText(zk::ToQt(text));
}

void Form1::mnuExit_Click()
{
    // At once: no closing handler runs, a running stretch keeps the end time
    // of its last minute tick.
    if (!m_household.Gate().Open())
        return;
    if (m_services.exitProgram)
        m_services.exitProgram();
    else
        QCoreApplication::exit(0);
}

void Form1::mnuEditUsers_Click()
{
    m_sideWindows.EditUsers();
}

void Form1::mnuLimits_Click()
{
    m_sideWindows.Limits();
}

void Form1::mnuWeekOverview_Click()
{
    m_sideWindows.WeekOverview();
}

void Form1::mnuHelpAboutZitklok_Click()
{
    m_sideWindows.About();
}
