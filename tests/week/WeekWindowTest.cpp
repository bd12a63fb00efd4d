// The week overview opened from the main window over a log laid out by hand.
#include "main_window/Form1Fixture.h"
#include "support/LogBytes.h"
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
        Form1Fixture::SetUp();
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

TEST_F(WeekWindowTest, ShowsEachUsersDaysAsTheReportCountsThem)
{
    ASSERT_EQ(week->Chart()->Users(), QStringList({"Jan", "Jansen", "Piet"}));
    struct Case
    {
        ReportDay monday;
        std::size_t user, day;
        std::int64_t seconds;
    };
    const Case cases[] = {
        {{2026, 11, 30}, 0, 6, 3600},
        {{2026, 12, 7}, 0, 0, 3600},
        {{2026, 12, 7}, 0, 1, 7200}, // "Jan" begins "Jansen: homework"
        {{2026, 12, 7}, 1, 1, 7200}, // across midnight: whole, on the day it ended
        {{2026, 12, 7}, 1, 0, 0},
        {{2026, 12, 7}, 2, 1, 1800},
        {{2026, 12, 7}, 2, 6, 0},
        {{2026, 12, 14}, 2, 0, 2700},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.monday.ToText() + " user " + std::to_string(c.user));
        week->ShowWeek(c.monday.Plus(3));
        EXPECT_EQ(week->Chart()->Seconds(c.user, c.day), c.seconds);
    }
    week->ShowThisWeek();
    EXPECT_EQ(week->Chart()->WeekSeconds(0), 3600 + 7200);
}

TEST_F(WeekWindowTest, StepsWeeksByButtonsAndKeysAndComesBackForward)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(week));
    struct Step
    {
        const char *button;
        Qt::Key key;
        const char *title;
    };
    const Step steps[] = {
        {"btnNextWeek", Qt::Key_unknown, "Week of 14 dec 2026"},
        {"btnNextWeek", Qt::Key_Right, "Week of 21 dec 2026"},
        {"btnNextWeek", Qt::Key_Right, "Week of 28 dec 2026"},
        {"btnNextWeek", Qt::Key_Right, "Week of 4 jan 2027"},
        {"btnThisWeek", Qt::Key_unknown, "Week of 7 dec 2026"},
        {"btnPreviousWeek", Qt::Key_unknown, "Week of 30 nov 2026"},
        {"btnNextWeek", Qt::Key_Left, "Week of 23 nov 2026"},
        {"btnPreviousWeek", Qt::Key_Home, "Week of 7 dec 2026"},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.title);
        if (s.key == Qt::Key_unknown)
            WeekButton(s.button)->click();
        else
            QTest::keyClick(WeekButton(s.button), s.key); // a focused button keeps no arrow
        EXPECT_EQ(week->windowTitle().toStdString(), s.title);
    }

    // A second click brings the open window forward as it is; Escape closes.
    WeekButton("btnNextWeek")->click();
    OpenWeek();
    EXPECT_EQ(week->Monday(), (ReportDay{2026, 12, 14}));
    QTest::keyClick(week, Qt::Key_Escape);
    EXPECT_FALSE(week->isVisible());
    OpenWeek();
    EXPECT_EQ(week->Monday(), (ReportDay{2026, 12, 7}));
}

TEST_F(WeekWindowTest, FollowsTheRunningStretchNewUsersAndTheLanguage)
{
    Choose("Piet");
    clock.Advance(600);
    form->Timer1_Tick();
    QApplication::processEvents();
    EXPECT_EQ(week->Chart()->Seconds(2, 2), 600); // Piet on Wednesday

    form->Users()->Add("Anna");
    QApplication::processEvents();
    EXPECT_EQ(week->Chart()->Users().last(), "Anna");

    struct Labels
    {
        const char *language, *title, *previous, *thisWeek, *next, *menu, *sunday, *hours;
    };
    const Labels languages[] = {
        {"NL", "Week van 7 dec 2026", "< Vorige week", "Deze week", "Volgende week >",
         "&Weekoverzicht", "zo", "3 u"},
        {"ENG", "Week of 7 dec 2026", "< Previous week", "This week", "Next week >",
         "&Week overview", "Sun", "3 h"},
    };
    const WeekChartView *chart = week->findChild<WeekChartView *>("picWeekChart");
    for (const Labels &l : languages) {
        SCOPED_TRACE(l.language);
        gLanguageChange().Change(l.language);
        EXPECT_EQ(week->windowTitle().toStdString(), l.title);
        EXPECT_EQ(WeekButton("btnPreviousWeek")->text().toStdString(), l.previous);
        EXPECT_EQ(WeekButton("btnThisWeek")->text().toStdString(), l.thisWeek);
        EXPECT_EQ(WeekButton("btnNextWeek")->text().toStdString(), l.next);
        EXPECT_EQ(Item("mnuWeekOverview")->text().toStdString(), l.menu);
        EXPECT_EQ(chart->Look().days[6].toStdString(), l.sunday);
        EXPECT_EQ(chart->Look().hours.arg(3).toStdString(), l.hours);
    }
}

} // namespace
} // namespace zk::test
