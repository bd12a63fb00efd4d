// The week overview opened from the main window over a log laid out by hand.
#include "main_window/Form1Fixture.h"
#include "report/WeekChart.h"
#include "week/WeekChartView.h"
#include "week/frmWeek.h"

#include <QTest>

namespace zk::test {
namespace {

using zk::report::ReportDay;

class WeekWindowTest : public Form1Fixture
{
protected:
    void SetUp() override
    {
        clock.Set({2026, 12, 9, 12, 0, 0}); // a Wednesday
        Store("Users", "Jan|Jansen|Piet", "Edit");
        // The first two stretches went into the archive of a full log cut on Monday.
        WriteFileBytes(dir.File("actions-2026-12-07.dat"),
                       Bytes({{{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 10, 0, 0}, "Jan"},
                              {{2026, 12, 7, 9, 0, 0}, {2026, 12, 7, 10, 0, 0}, "Jan"}}));
        WriteFileBytes(dir.File("actions.dat"),
                       Bytes({{{2026, 12, 7, 23, 0, 0}, {2026, 12, 8, 1, 0, 0}, "Jansen: homework"},
                              {{2026, 12, 8, 1, 0, 0}, {2026, 12, 8, 1, 10, 0}, "Idle"},
                              {{2026, 12, 8, 10, 0, 0}, {2026, 12, 8, 10, 30, 0}, "Piet"},
                              {{2026, 12, 13, 23, 30, 0}, {2026, 12, 14, 0, 15, 0}, "Piet"}}));
        Start();
        OpenWeek();
    }
    void OpenWeek()
    {
        Item("mnuWeekOverview")->trigger();
        week = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *found = qobject_cast<frmWeek *>(w); found && found->isVisible())
                week = week ? nullptr : found; // one window at a time
        ASSERT_TRUE(week);
    }
    QPushButton *WeekButton(const char *name) { return week->findChild<QPushButton *>(name); }

    frmWeek *week = nullptr;
};

TEST_F(WeekWindowTest, ShowsEachUsersDaysAsTheReportCountsThemAndStepsByButtonsAndKeys)
{
    ASSERT_EQ(week->Chart()->Users(), QStringList({"Jan", "Jansen", "Piet"}));
    const std::tuple<ReportDay, int, int, int> days[] = { // Monday, user, day, seconds
        {{2026, 11, 30}, 0, 6, 3600}, {{2026, 12, 14}, 2, 0, 2700},
        {{2026, 12, 7}, 0, 1, 7200}, // "Jan" begins "Jansen: homework"
        {{2026, 12, 7}, 1, 1, 7200}, // across midnight: whole, on the day it ended
        {{2026, 12, 7}, 1, 0, 0},    {{2026, 12, 7}, 2, 1, 1800},
        {{2026, 12, 7}, 2, 6, 0},    {{2026, 12, 7}, 0, 0, 3600}}; // this week last
    for (const auto &[monday, user, day, seconds] : days) {
        SCOPED_TRACE(monday.ToText() + " user " + std::to_string(user));
        week->ShowWeek(monday.Plus(3));
        EXPECT_EQ(week->Chart()->Seconds(user, day), seconds);
    }

    ASSERT_TRUE(QTest::qWaitForWindowActive(week));
    const std::tuple<const char *, Qt::Key, const char *> steps[] = { // no key: a click
        {"btnNextWeek", Qt::Key{}, "Week of 14 dec 2026"},
        {"btnNextWeek", Qt::Key_Right, "Week of 21 dec 2026"},
        {"btnThisWeek", Qt::Key{}, "Week of 7 dec 2026"},
        {"btnPreviousWeek", Qt::Key{}, "Week of 30 nov 2026"},
        {"btnNextWeek", Qt::Key_Left, "Week of 23 nov 2026"}, // a focused button keeps no arrow
        {"btnPreviousWeek", Qt::Key_Home, "Week of 7 dec 2026"}};
    for (const auto &[button, key, title] : steps) {
        SCOPED_TRACE(title);
        key ? QTest::keyClick(WeekButton(button), key) : WeekButton(button)->click();
        EXPECT_EQ(week->windowTitle().toStdString(), title);
    }
    // A second menu click brings the open window forward as it is; Escape closes.
    WeekButton("btnNextWeek")->click();
    OpenWeek();
    EXPECT_EQ(week->Monday(), (ReportDay{2026, 12, 14}));
    QTest::keyClick(week, Qt::Key_Escape);
    OpenWeek();
    EXPECT_EQ(week->Monday(), (ReportDay{2026, 12, 7}));
}

TEST_F(WeekWindowTest, FollowsTheRunningStretchNewUsersAndTheLanguage)
{
    Choose("Piet");
    clock.Advance(600);
    form->Timer1_Tick();
    form->household().Users().Add("Anna");
    QApplication::processEvents();
    EXPECT_EQ(week->Chart()->Seconds(2, 2), 600); // Piet on Wednesday
    EXPECT_EQ(week->Chart()->Users().last(), "Anna");
    const char *languages[][6] = {// title, previous, next, menu, Sunday, hours
        {"NL", "Week van 7 dec 2026", "< Vorige week", "&Weekoverzicht", "zo", "3 u"},
        {"ENG", "Week of 7 dec 2026", "< Previous week", "&Week overview", "Sun", "3 h"}};
    const WeekChartView *chart = week->findChild<WeekChartView *>("picWeekChart");
    for (const auto &[language, title, previous, menu, sunday, hours] : languages) {
        SCOPED_TRACE(language);
        gLanguageChange().Change(language);
        EXPECT_EQ(week->windowTitle().toStdString(), title);
        EXPECT_EQ(WeekButton("btnPreviousWeek")->text().toStdString(), previous);
        EXPECT_EQ(Item("mnuWeekOverview")->text().toStdString(), menu);
        EXPECT_EQ(chart->Look().days[6].toStdString(), sunday);
        EXPECT_EQ(chart->Look().hours.arg(3).toStdString(), hours);
    }
}

} // namespace
} // namespace zk::test
