#pragma once

#include "core/Signal.h"
#include "localisation/LanguageListener.h"
#include "time/CalendarDay.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QDateEdit;
class QPushButton;
class QTimer;
class WeekChartView;
class clsActionsDbase;
class clsUsers;
namespace zk {
class DailyTotals;
class WeekChart;
} // namespace zk

// The week at a glance: each user's hours on the days of one week, counted
// and drawn as the report's chart counts and draws them, read from the
// program's own log store and the archives beside it. Modeless; follows the log, the user list and
// the language while it is shown. Left and Right step a week, but never past this week; Home goes
// to this week, the date box (dtpWeek, typed or picked from its calendar) to the week of the day
// chosen; Escape closes.
//
// The log and its archives are counted once into day totals, kept until the
// log or the user list changes; a step only takes another week out of them.
class frmWeek : public QWidget
{
    Q_OBJECT
public:
    // Runs the reading of the log behind a notification or a click, so that a
    // failure is shown to the person instead of reaching the event loop.
    using Guard =
        std::function<void(const std::string &operation, const std::function<void()> &body)>;

    // The store and the user list must outlive the window.
    frmWeek(clsActionsDbase &actions, clsUsers &users, Guard guard = {}, QWidget *parent = nullptr);
    ~frmWeek() override;

    // Shows the week holding today, or only brings the window forward when it
    // is already shown.
    void Open();
    // The week holding `day`.
    void ShowWeek(const zk::CalendarDay &day);
    // Steps back or on, stopping at this week.
    void StepWeeks(int weeks);
    void ShowThisWeek();

    const zk::CalendarDay &Monday() const { return m_monday; }
    // What is drawn; null until a week was read.
    const zk::WeekChart *Chart() const { return m_chart.get(); }

    void UpdateResourcesfrmWeek();

private:
    QPushButton *AddButton(const char *name, const std::function<void()> &click);
    void AddKey(int key, const std::function<void()> &press);
    void Reread();
    void Recount();
    zk::CalendarDay ThisMonday() const;

    clsActionsDbase &m_actions;
    clsUsers &m_users;
    Guard m_guard;
    zk::CalendarDay m_monday;
    // Every day of the log and its archives; null until counted or after a change.
    std::unique_ptr<zk::DailyTotals> m_totals;
    std::unique_ptr<zk::WeekChart> m_chart;
    WeekChartView *picWeekChart;
    QDateEdit *dtpWeek;
    QPushButton *m_btnNextWeek = nullptr;
    QTimer *m_reread;
    LanguageListener m_listenlanguage;
    zk::Signal<>::Connection m_actionsChange;
    zk::Signal<>::Connection m_usersChange;
};
