#include "main_window/Form1.h"

#include "about/frmAbout.h"
#include "activity_log/clsActionsDbase.h"
#include "localisation/LanguageListener.h"
#include "localisation/Module2.h"
#include "localisation/OwnMessages.h"
#include "localisation/QtTranslate.h"
#include "localisation/gclsLanguageChange.h"
#include "log_view/FilterSelection.h"
#include "log_view/UCWatchActionsDbase.h"
#include "log_view/UpdateComboFilter.h"
#include "main_window/EventLoopGuard.h"
#include "main_window/Module3.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/TrayIcon.h"
#include "platform/qt/Latin1.h"
#include "totals/TodayTotalCache.h"
#include "tracking/StretchController.h"
#include "tracking/UCMouseWatch.h"
#include "tracking/clsElapsedWarning.h"
#include "tracking/clsForm1ActionState.h"
#include "users/clsUsers.h"
#include "users/frmEditUsers.h"
#include "users/frmStart.h"
#include "week/frmWeek.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {
constexpr char kApplication[] = "Sitclock";
constexpr char kOptions[] = "Options";
// Wide enough for every column of the log list without scrolling.
constexpr int kWidth = 680;
} // namespace

Form1::Form1(Form1Services services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
{
    setObjectName("Form1");
    m_logPath = m_services.programFolder + QDir::separator().toLatin1() + "actions.dat";
    BuildControls();
    BuildMenu();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName("Timer1");
    m_timer1->setInterval(60000);
    connect(m_timer1, &QTimer::timeout, this, &Form1::Timer1_Tick);
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName("Timer2");
    m_timer2->setInterval(100);
    connect(m_timer2, &QTimer::timeout, this, &Form1::Timer2_Tick);

    m_trayFirst = m_services.tray.First.Connect([this] { UCTrayIcon1_First(); });
    m_trayThird = m_services.tray.Third.Connect([this] { UCTrayIcon1_Third(); });
    m_trayExit = m_services.tray.Exit.Connect([this] { mnuExit_Click(); });

    // The desktop's session ends: let the window close instead of hiding it.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { m_endingSession = true; });
}

Form1::~Form1()
{
    m_mouseIdle.Disconnect();
    m_mouseResetIdle.Disconnect();
    m_trayFirst.Disconnect();
    m_trayThird.Disconnect();
    m_trayExit.Disconnect();
    m_usersChange.Disconnect();
    // The log list and the start window hold the store and the user list;
    // they go before them.
    delete UCWatchActionsDbase1;
    UCWatchActionsDbase1 = nullptr;
    m_frmStart.reset();
    m_frmWeek.reset();
    m_stretch.reset();
}

void Form1::BuildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName("Form1Client");
    setCentralWidget(central);

    btnStartComputeren = new QPushButton(central);
    btnStartComputeren->setObjectName("btnStartComputeren");
    btnStartComputeren->setGeometry(8, 8, 200, 32);
    connect(btnStartComputeren, &QPushButton::clicked, this, [this] {
        Guard("Starting with the computer", [this] {
            if (m_stretch)
                m_stretch->btnStartComputeren_Click();
        });
    });

    btnEindigComputeren = new QPushButton(central);
    btnEindigComputeren->setObjectName("btnEindigComputeren");
    btnEindigComputeren->setGeometry(216, 8, 200, 32);
    connect(btnEindigComputeren, &QPushButton::clicked, this, [this] {
        Guard("Stopping the stretch", [this] {
            if (m_stretch)
                m_stretch->btnEindigComputeren_Click();
        });
    });

    Label1 = new QLabel("Filter:", central);
    Label1->setObjectName("Label1");
    Label1->setGeometry(8, 50, 48, 24);

    cmbFilter = new QComboBox(central);
    cmbFilter->setObjectName("cmbFilter");
    cmbFilter->setEditable(true);
    cmbFilter->setInsertPolicy(QComboBox::NoInsert);
    // The list filters on exactly what is typed, case-sensitively; Qt's own
    // completion would rewrite "pie" into "Piet" under the person's fingers.
    cmbFilter->setCompleter(nullptr);
    cmbFilter->setGeometry(60, 50, 240, 24);
    cmbFilter->setEditText("Alles (zonder Idle)");
    connect(cmbFilter, &QComboBox::editTextChanged, this, [this] { cmbFilter_Change(); });
    connect(cmbFilter, &QComboBox::activated, this, [this] { cmbFilter_Click(); });

    UCMouseWatch1 = new UCMouseWatch(m_services.pointer, central);
    UCMouseWatch1->setObjectName("UCMouseWatch1");
    UCMouseWatch1->setGeometry(kWidth - 8 - 48, 8, 48, 36);
    m_mouseIdle = UCMouseWatch1->Idle.Connect([this](std::int32_t &lastResetIdle) {
        Guard("Watching the mouse", [&] {
            if (m_stretch)
                m_stretch->MouseWatch_Idle(lastResetIdle);
        });
    });
    m_mouseResetIdle = UCMouseWatch1->ResetIdle.Connect([this] {
        Guard("Watching the mouse", [this] {
            if (m_stretch)
                m_stretch->MouseWatch_ResetIdle();
        });
    });

    UCWatchActionsDbase1 = new UCWatchActionsDbase(central);
    UCWatchActionsDbase1->setObjectName("UCWatchActionsDbase1");
    UCWatchActionsDbase1->setGeometry(8, 84, kWidth - 16, 320);
    connect(UCWatchActionsDbase1, &UCWatchActionsDbase::editFailed, this,
            [this](const QString &message) {
                m_services.dialogs.MessageBox(
                    FailureText("Changing a description", zk::FromQt(message)), ProgramTitle(),
                    zk::Dialogs::Icon::Critical);
            });

    auto *bar = new QStatusBar(this);
    bar->setObjectName("StatusBar");
    m_statusText = new QLabel(bar);
    m_statusText->setObjectName("StatusText");
    bar->addWidget(m_statusText, 1);
    setStatusBar(bar);

    resize(kWidth, 460);
}

QAction *Form1::AddItem(QMenu *menu, const char *name, bool checkable)
{
    auto *item = menu->addAction(QString::fromLatin1(name));
    item->setObjectName(name);
    item->setCheckable(checkable);
    item->setChecked(false);
    return item;
}

void Form1::BuildMenu()
{
    QMenuBar *bar = menuBar();
    auto addMenu = [&](const char *name) {
        QMenu *menu = bar->addMenu(QString::fromLatin1(name));
        menu->setObjectName(name);
        return menu;
    };

    QMenu *mnuFile = addMenu("mnuFile");
    mnuExit = AddItem(mnuFile, "mnuExit", false);
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    QMenu *mnuEdit = addMenu("mnuEdit");
    mnuEditUsers = AddItem(mnuEdit, "mnuEditUsers", false);
    connect(mnuEditUsers, &QAction::triggered, this, [this] { mnuEditUsers_Click(); });
    mnuWeekOverview = AddItem(mnuEdit, "mnuWeekOverview", false);
    connect(mnuWeekOverview, &QAction::triggered, this, [this] { mnuWeekOverview_Click(); });

    QMenu *mnuOptions = addMenu("mnuOptions");
    mnuAutoStopOnMouseIdle = AddItem(mnuOptions, "mnuAutoStopOnMouseIdle", true);
    mnuOptionsProgramEnabled = AddItem(mnuOptions, "mnuOptionsProgramEnabled", true);
    mnuAutoStartOnSetup = AddItem(mnuOptions, "mnuAutoStartOnSetup", true);
    // A click toggles what is stored, whatever the check shows; the check then
    // shows what is stored, also when the settings could not be saved and the
    // program goes on with the options as they were.
    connect(mnuAutoStopOnMouseIdle, &QAction::triggered, this, [this] {
        Guard("Changing the option", [this] { SetAutoStopOnMouseIdle(!GetAutoStopOnMouseIdle()); });
        mnuAutoStopOnMouseIdle->setChecked(GetAutoStopOnMouseIdle());
    });
    connect(mnuOptionsProgramEnabled, &QAction::triggered, this, [this] {
        Guard("Changing the option", [this] { SetProgramEnabled(!GetProgramEnabled()); });
        mnuOptionsProgramEnabled->setChecked(GetProgramEnabled());
    });
    connect(mnuAutoStartOnSetup, &QAction::triggered, this, [this] {
        Guard("Changing the option", [this] { SetAutoStartOnSetup(!GetAutoStartOnSetup()); });
        mnuAutoStartOnSetup->setChecked(GetAutoStartOnSetup());
    });

    QMenu *mnuLanguage = addMenu("mnuLanguage");
    mnuLanguageDutch = AddItem(mnuLanguage, "mnuLanguageDutch", true);
    mnuLanguageEnglish = AddItem(mnuLanguage, "mnuLanguageEnglish", true);
    connect(mnuLanguageDutch, &QAction::triggered, this,
            [this] { Guard("Changing the language", [] { gLanguageChange().Change("NL"); }); });
    connect(mnuLanguageEnglish, &QAction::triggered, this,
            [this] { Guard("Changing the language", [] { gLanguageChange().Change("ENG"); }); });
    // The checks follow the language only; a click must not flip them itself.
    for (QAction *item : {mnuLanguageDutch, mnuLanguageEnglish})
        connect(item, &QAction::triggered, this, [this] {
            mnuLanguageDutch->setChecked(gLanguageChange().GetLanguage() == "NL");
            mnuLanguageEnglish->setChecked(gLanguageChange().GetLanguage() == "ENG");
        });

    QMenu *mnuHelp = addMenu("mnuHelp");
    mnuHelpAboutZitklok = AddItem(mnuHelp, "mnuHelpAboutZitklok", false);
    connect(mnuHelpAboutZitklok, &QAction::triggered, this,
            [this] { mnuHelpAboutZitklok_Click(); });
}

void Form1::Form_Load()
{
    // 1
    m_services.tray.SetIcon(zk::TrayImage::Image4Startup);
    // 2
    listenlanguage = std::make_unique<LanguageListener>(
        [this] { Guard("Changing the language", [this] { UpdateResourcesForm1(); }); });
    // 3
    m_users = std::make_unique<clsUsers>();
    m_usersChange = m_users->Change.Connect([this] { users_Change(); });
    // 4: the controller holds both warnings; the store it works on is opened in 7.
    if (!m_actions)
        m_actions = std::make_unique<clsActionsDbase>();
    m_todayTotal = std::make_unique<zk::TodayTotalCache>(*m_actions);
    m_stretch = std::make_unique<StretchController>(*m_actions, *m_todayTotal, *this, *this,
                                                    m_services.dialogs);
    m_stretch->SetMouseWatchReset([this] { UCMouseWatch1->Reset(); });
    m_stretch->SetPointerSource(&m_services.pointer);
    // 5
    UCMouseWatch1->ScanRateInSeconds(m_services.scanRateSeconds);
    // 6
    m_stretch->elapsedwarningMouseIdle().TimeTillWarning(m_services.idleLimitSeconds);
    UCMouseWatch1->LateLookSeconds(m_services.idleLimitSeconds);
    // 7
    m_actions->OpenFile(m_logPath);
    // 8
    UCWatchActionsDbase1->Constructor(*m_actions, "-Idle", *m_users);
    // 9
    UpdateResourcesForm1();
    // 10: without a tray the window stays in sight; nothing else leads back to it.
    if (m_services.tray.Available())
        hide();
    else
        showNormal();
    // 11
    if (GetProgramEnabled())
        ShowStartWindow();
    else
        m_stretch->ActionState().State(3);
    // 12
    mnuAutoStopOnMouseIdle->setChecked(GetAutoStopOnMouseIdle());
    mnuOptionsProgramEnabled->setChecked(GetProgramEnabled());
    // 13: settings that cannot be saved (a read-only folder, a full disk) do
    // not stop the log; the person is told, and the options stay as read.
    try {
        SetAutoStartOnSetup(GetAutoStartOnSetup());
    } catch (const zk::SettingsError &error) {
        ReportSettingsNotSaved(m_services.dialogs, error);
    }

    m_timer1->start();
}

void Form1::NewRecord(const std::string &Description, bool SetToIdle)
{
    Guard("Starting a stretch", [&] {
        if (m_stretch)
            m_stretch->NewRecord(Description, SetToIdle);
    });
}

void Form1::Guard(const std::string &operation, const std::function<void()> &body)
{
    GuardHandler(m_services.dialogs, operation, body);
}

// ---- language and filter box ----

void Form1::UpdateResourcesForm1()
{
    TranslateWindow(this);
    m_services.tray.SetMenuTexts(TranslateText("Zitklok openen"),
                                 TranslateText("Zitklok afsluiten"));
    UpdateComboFilter();
    mnuLanguageDutch->setChecked(gLanguageChange().GetLanguage() == "NL");
    mnuLanguageEnglish->setChecked(gLanguageChange().GetLanguage() == "ENG");
}

void Form1::UpdateComboFilter()
{
    ::UpdateComboFilter(*cmbFilter, m_users.get());
}

void Form1::users_Change()
{
    Guard("Updating the filter box", [this] { UpdateComboFilter(); });
}

std::string Form1::FilterText() const
{
    return zk::FromQt(cmbFilter->currentText());
}

void Form1::SetFilterText(const std::string &text)
{
    cmbFilter->setEditText(zk::ToQt(text));
}

void Form1::cmbFilter_Change()
{
    // Before start-up the list has no store and only keeps the text.
    Guard("Filtering the log list",
          [this] { UCWatchActionsDbase1->filter(FilterForComboText(FilterText())); });
}

void Form1::cmbFilter_Click()
{
    cmbFilter_Change();
}

// ---- showing and hiding ----

void Form1::FocusLogList()
{
    UCWatchActionsDbase1->setFocus(Qt::OtherFocusReason);
}

void Form1::ShowStartWindow()
{
    if (!m_users)
        return;
    if (!m_frmStart) {
        m_frmStart =
            std::make_unique<frmStart>(*m_users, m_services.dialogs, [this](const std::string &name) {
                // A failure goes to the start window, which tells it and stays open.
                if (m_stretch)
                    m_stretch->NewRecord(name, false);
            });
        m_frmStart->setObjectName("frmStart");
    }
    m_frmStart->Load();
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
    show();
    showNormal();
    raise();
    activateWindow();
    FocusLogList();
}

void Form1::UCTrayIcon1_Third()
{
    if (!m_stretch)
        return;
    m_stretch->focusCountdown(5);
    if (m_stretch->Timer2Needed() && !m_timer2->isActive())
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

// ---- timers ----

void Form1::Timer1_Tick()
{
    Guard("Updating the running stretch", [this] {
        if (m_stretch)
            m_stretch->Timer1_Tick();
    });
}

void Form1::Timer2_Tick()
{
    Guard("Turning to the log list", [this] {
        if (m_stretch)
            m_stretch->Timer2_Tick();
    });
    if (!m_stretch || !m_stretch->Timer2Needed())
        m_timer2->stop();
}

// ---- action state ----

void Form1::SetStartButtonEnabled(bool enabled)
{
    btnStartComputeren->setEnabled(enabled);
}

void Form1::SetStopButtonEnabled(bool enabled)
{
    btnEindigComputeren->setEnabled(enabled);
}

void Form1::SetStatusText(const std::string &text)
{
    m_statusText->setText(zk::ToQt(text));
}

std::string Form1::StatusText() const
{
    return zk::FromQt(m_statusText->text());
}

// ---- options ----

bool Form1::ReadOption(const char *key)
{
    return zk::CurrentSettings().Read(kApplication, kOptions, key, "True") == "True";
}

void Form1::StoreOption(const char *key, bool value)
{
    zk::CurrentSettings().Write(kApplication, kOptions, key, value ? "True" : "False");
}

bool Form1::GetAutoStopOnMouseIdle()
{
    return ReadOption("AutoStopOnMouseIdle");
}

bool Form1::GetAutoStartOnSetup()
{
    return ReadOption("AutoStartOnSetup");
}

bool Form1::GetProgramEnabled()
{
    return ReadOption("ProgramEnabled");
}

void Form1::SetAutoStopOnMouseIdle(bool value)
{
    mnuAutoStopOnMouseIdle->setChecked(value);
    StoreOption("AutoStopOnMouseIdle", value);
}

void Form1::SetAutoStartOnSetup(bool value)
{
    if (value)
        Module3::RegisterAutoStart(m_services.runKey, m_services.programCommand);
    else
        Module3::UnregisterAutoStart(m_services.runKey);
    mnuAutoStartOnSetup->setChecked(value);
    StoreOption("AutoStartOnSetup", value);
}

void Form1::SetProgramEnabled(bool value)
{
    mnuOptionsProgramEnabled->setChecked(value);
    StoreOption("ProgramEnabled", value);
    if (!m_stretch)
        return;
    clsForm1ActionState &state = m_stretch->ActionState();
    if (!value)
        state.State(3);
    else if (state.State() == 3)
        state.State(0);
}

// ---- menu ----

void Form1::mnuExit_Click()
{
    // At once: no closing handler runs, a running stretch keeps the end time
    // of its last minute tick.
    if (m_services.exitProgram)
        m_services.exitProgram();
    else
        QCoreApplication::exit(0);
}

void Form1::mnuEditUsers_Click()
{
    Guard("Editing the users", [this] {
        if (!m_users)
            return;
        frmEditUsers dialog(*m_users, m_services.dialogs, this);
        dialog.setObjectName("frmEditUsers");
        dialog.exec();
    });
}

void Form1::mnuWeekOverview_Click()
{
    Guard("Showing the week overview", [this] {
        if (!m_users || !m_actions)
            return;
        if (!m_frmWeek)
            m_frmWeek = std::make_unique<frmWeek>(
                *m_actions, *m_users,
                [this](const std::string &operation, const std::function<void()> &body) {
                    Guard(operation, body);
                });
        m_frmWeek->Open();
    });
}

void Form1::mnuHelpAboutZitklok_Click()
{
    Guard("Showing the about window", [this] {
        frmAbout dialog(m_services.registry, m_services.dialogs, m_services.startDetached, this);
        dialog.setObjectName("frmAbout");
        dialog.SetIcon(windowIcon());
        dialog.exec();
    });
}
