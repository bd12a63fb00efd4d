#include "week/frmWeek.h"

#include "activity_log/clsActionsDbase.h"
#include "localisation/Module2.h"
#include "localisation/OwnMessages.h"
#include "localisation/QtTranslate.h"
#include "platform/Clock.h"
#include "platform/MonthNames.h"
#include "platform/qt/Latin1.h"
#include "totals/DailyTotals.h"
#include "totals/LogVisitor.h"
#include "users/clsUsers.h"
#include "week/WeekChart.h"
#include "week/WeekChartView.h"

#include <QAction>
#include <QBoxLayout>
#include <QPushButton>
#include <QTimer>

namespace {

// A message with its placeholder, named in either language, filled.
QString Message(const char *key, const char *english, const char *dutch, const std::string &value)
{
    return zk::ToQt(FillPlaceholders(TranslateText(key), {{english, value}, {dutch, value}}));
}

} // namespace

frmWeek::frmWeek(clsActionsDbase &actions, clsUsers &users, Guard guard, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_actions(actions)
    , m_users(users)
    , m_guard(std::move(guard))
    , picWeekChart(new WeekChartView(this))
    , m_reread(new QTimer(this))
    , m_listenlanguage([this] { UpdateResourcesfrmWeek(); })
{
    setObjectName("frmWeek");
    picWeekChart->setObjectName("picWeekChart");

    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    layout->addWidget(picWeekChart, 1);
    buttons->addWidget(AddButton("btnPreviousWeek", [this] { StepWeeks(-1); }));
    buttons->addWidget(AddButton("btnThisWeek", [this] { ShowThisWeek(); }));
    buttons->addWidget(AddButton("btnNextWeek", [this] { StepWeeks(1); }));
    buttons->addStretch(1);
    AddKey(Qt::Key_Left, [this] { StepWeeks(-1); });
    AddKey(Qt::Key_Right, [this] { StepWeeks(1); });
    AddKey(Qt::Key_Home, [this] { ShowThisWeek(); });
    AddKey(Qt::Key_Escape, [this] { close(); });
    resize(820, 520);

    // A stretch's fields change one by one: one reading after all of them.
    m_reread->setSingleShot(true);
    m_reread->setInterval(0);
    connect(m_reread, &QTimer::timeout, this, [this] { Reread(); });
    auto follow = [this] {
        if (isVisible())
            m_reread->start();
    };
    m_actionsChange = m_actions.Change.Connect(follow);
    m_usersChange = m_users.Change.Connect(follow);

    ShowThisWeek();
}

frmWeek::~frmWeek() = default;

QPushButton *frmWeek::AddButton(const char *name, const std::function<void()> &click)
{
    auto *button = new QPushButton(QString::fromLatin1(name), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, click);
    return button;
}

void frmWeek::AddKey(int key, const std::function<void()> &press)
{
    // A shortcut of the window, so that a focused button does not take the arrows.
    auto *action = new QAction(this);
    action->setShortcut(QKeySequence(key));
    connect(action, &QAction::triggered, this, press);
    addAction(action);
}

void frmWeek::Open()
{
    if (!isVisible())
        ShowThisWeek();
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void frmWeek::ShowWeek(const zk::CalendarDay &day)
{
    m_monday = day.MondayOfWeek();
    Reread();
}

void frmWeek::StepWeeks(int weeks)
{
    ShowWeek(m_monday.Plus(7 * weeks));
}

void frmWeek::ShowThisWeek()
{
    const zk::LocalDateTime now = zk::CurrentClock().Now();
    ShowWeek(zk::CalendarDay{now.year, now.month, now.day});
}

void frmWeek::Reread()
{
    m_reread->stop();
    m_chart.reset(); // nothing rather than another week's bars when reading fails
    auto read = [this] {
        std::vector<std::string> users;
        for (std::int16_t i = 1; i <= m_users.Count(); ++i)
            users.push_back(m_users.Item(i));
        zk::DailyTotals totals(std::move(users), m_monday, m_monday.Plus(6));
        zk::LogVisitor::WithArchives(m_actions, m_monday,
                                     [&](const zk::LogEntry &r) { totals.Add(r); });
        m_chart = std::make_unique<zk::WeekChart>(totals, m_monday);
    };
    if (m_guard)
        m_guard("Reading the week overview", read);
    else
        read();
    UpdateResourcesfrmWeek();
}

void frmWeek::UpdateResourcesfrmWeek()
{
    TranslateWindow(this);
    const zk::CalendarDay &d = m_monday;
    const std::string date = std::to_string(d.day) + ' ' +
                             zk::CurrentMonthNames().Abbreviated(d.month) + ' ' +
                             std::to_string(d.year);
    zk::WeekChartLook look;
    look.title = Message("Week of $date$", "$date$", "$datum$", date);
    setWindowTitle(look.title);
    const char *const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (std::size_t i = 0; i < 7; ++i)
        look.days[i] = zk::ToQt(TranslateText(days[i]));
    for (int m = 1; m <= 12; ++m)
        look.months[static_cast<std::size_t>(m - 1)] =
            zk::ToQt(zk::CurrentMonthNames().Abbreviated(m));
    look.hours = Message("$hours$ h", "$hours$", "$uren$", "%1");
    look.limit = zk::ToQt(TranslateText("2 h limit"));
    look.noUsers = zk::ToQt(TranslateText("no users"));
    look.more = Message("+$count$ more", "$count$", "$aantal$", "%1");
    look.weekTotals = true;
    picWeekChart->Show(m_chart.get(), std::move(look));
}
