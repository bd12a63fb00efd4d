#include "week/frmWeek.h"

#include "activity_log/clsActionsDbase.h"
#include "localisation/Module2.h"
#include "localisation/OwnMessages.h"
#include "localisation/QtTranslate.h"
#include "platform/Clock.h"
#include "platform/MonthNames.h"
#include "platform/qt/FitOnScreen.h"
#include "platform/qt/Latin1.h"
#include "totals/DailyTotals.h"
#include "totals/LogVisitor.h"
#include "totals/TotalsText.h"
#include "users/clsUsers.h"
#include "week/WeekChart.h"
#include "week/WeekChartView.h"

#include <QAction>
#include <QBoxLayout>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

namespace {

// A message with its placeholder, named in either language, filled.
QString Message(const char *key, const char *english, const char *dutch, const std::string &value)
{
    return zk::ToQt(FillPlaceholders(TranslateText(key), {{english, value}, {dutch, value}}));
}

QDate ToQDate(const zk::CalendarDay &d)
{
    return QDate(d.year, d.month, d.day);
}

// The chart told as text for a screen reader, per user the week's total and each day's hours.
QString ChartText(const zk::WeekChart &chart)
{
    const char *const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    QStringList lines;
    for (qsizetype u = 0; u < chart.Users().size(); ++u) {
        const auto user = static_cast<std::size_t>(u);
        std::string line =
            FillPlaceholders(TranslateText("$user$: $time$ this week"),
                             {{"$user$", zk::FromQt(chart.Users()[u])},
                              {"$time$", zk::HoursMinutes(chart.WeekSeconds(user))},
                              {"$tijd$", zk::HoursMinutes(chart.WeekSeconds(user))}});
        for (std::size_t d = 0; d < 7; ++d)
            line += (d == 0 ? "; " : ", ") + TranslateText(days[d]) + ' ' +
                    zk::HoursMinutes(chart.Seconds(user, d));
        lines << zk::ToQt(line);
    }
    return lines.join(QStringLiteral(".\n"));
}

} // namespace

frmWeek::frmWeek(clsActionsDbase &actions, clsUsers &users, Guard guard, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_actions(actions)
    , m_users(users)
    , m_guard(std::move(guard))
    , picWeekChart(new WeekChartView(this))
    , dtpWeek(new QDateEdit(this))
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
    m_btnNextWeek = AddButton("btnNextWeek", [this] { StepWeeks(1); });
    buttons->addWidget(m_btnNextWeek);
    buttons->addStretch(1);
    auto *lblGoToWeek = new QLabel(QStringLiteral("lblGoToWeek"), this);
    lblGoToWeek->setObjectName("lblGoToWeek");
    lblGoToWeek->setBuddy(dtpWeek);
    dtpWeek->setObjectName("dtpWeek");
    dtpWeek->setCalendarPopup(true);
    buttons->addWidget(lblGoToWeek);
    buttons->addWidget(dtpWeek);
    connect(dtpWeek, &QDateEdit::dateChanged, this, [this](const QDate &date) {
        if (date.isValid())
            ShowWeek(zk::CalendarDay{date.year(), date.month(), date.day()});
    });
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
    auto recount = [this, follow] {
        m_totals.reset();
        follow();
    };
    m_actionsChange = m_actions.Change.Connect(recount);
    m_usersChange = m_users.Change.Connect(recount);

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
    if (!isVisible()) {
        m_totals.reset(); // what changed while hidden was not followed
        ShowThisWeek();
    }
    if (isMinimized())
        showNormal();
    zk::FitOnScreen(*this);
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
    ShowWeek(std::min(m_monday.Plus(7 * weeks), ThisMonday()));
}

void frmWeek::ShowThisWeek()
{
    ShowWeek(ThisMonday());
}

zk::CalendarDay frmWeek::ThisMonday() const
{
    const zk::LocalDateTime now = zk::CurrentClock().Now();
    return zk::CalendarDay{now.year, now.month, now.day}.MondayOfWeek();
}

void frmWeek::Recount()
{
    std::vector<std::string> users;
    for (std::int16_t i = 1; i <= m_users.Count(); ++i)
        users.push_back(m_users.Item(i));
    auto totals = std::make_unique<zk::DailyTotals>(std::move(users));
    zk::LogVisitor::WithArchives(m_actions, zk::CalendarDay{1, 1, 1},
                                 [&](const zk::LogEntry &r) { totals->Add(r); });
    m_totals = std::move(totals);
}

void frmWeek::Reread()
{
    m_reread->stop();
    m_chart.reset(); // nothing rather than another week's bars when reading fails
    auto read = [this] {
        if (!m_totals)
            Recount();
        m_chart = std::make_unique<zk::WeekChart>(*m_totals, m_monday);
    };
    if (m_guard)
        m_guard("Reading the week overview", read);
    else
        read();
    m_btnNextWeek->setEnabled(m_monday < ThisMonday());
    {
        const QSignalBlocker quiet(dtpWeek);
        dtpWeek->setMaximumDate(ToQDate(ThisMonday().Plus(6)));
        // A day of the week shown stays as typed, so that typing is not interrupted.
        const QDate shown = dtpWeek->date();
        if (shown < ToQDate(m_monday) || shown > ToQDate(m_monday.Plus(6)))
            dtpWeek->setDate(ToQDate(m_monday));
    }
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
    picWeekChart->setAccessibleName(zk::ToQt(TranslateText("Week chart")));
    picWeekChart->setAccessibleDescription(m_chart ? ChartText(*m_chart) : QString());
    dtpWeek->setAccessibleName(zk::ToQt(TranslateText("Go to the week of")));
}
