// The week overview opened from the main window over a log laid out by hand.
#include "main_window/Form1Fixture.h"
#include "week/WeekChart.h"
#include "week/WeekChartView.h"
#include "week/frmWeek.h"

#include <QDateEdit>
#include <QPainter>
#include <QTest>

namespace zk::test {
namespace {

using zk::CalendarDay;

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
    struct Case
    {
        CalendarDay monday;
        std::size_t user;
        std::size_t day; // 0 = Monday
        std::int64_t seconds;
    };
    const Case cases[] = {
        {.monday = {2026, 11, 30}, .user = 0, .day = 6, .seconds = 3600}, // the archive
        {.monday = {2026, 12, 14}, .user = 2, .day = 0, .seconds = 2700}, // across midnight
        {.monday = {2026, 12, 7}, .user = 0, .day = 0, .seconds = 3600}}; // this week last
    for (const Case &c : cases) {
        SCOPED_TRACE(c.monday.ToText() + " user " + std::to_string(c.user));
        week->ShowWeek(c.monday.Plus(3));
        EXPECT_EQ(week->Chart()->Seconds(c.user, c.day), c.seconds);
    }

    ASSERT_TRUE(QTest::qWaitForWindowActive(week));
    // Stepping on stops at this week; the date box follows and goes to the week of a day typed.
    auto *dtp = week->findChild<QDateEdit *>("dtpWeek");
    EXPECT_EQ(dtp->maximumDate(), QDate(2026, 12, 13));
    const std::tuple<const char *, Qt::Key, const char *> steps[] = { // no key: a click
        {"btnNextWeek", Qt::Key{}, "Week of 7 dec 2026"},
        {"btnPreviousWeek", Qt::Key{}, "Week of 30 nov 2026"},
        {"btnPreviousWeek", Qt::Key_Right, "Week of 7 dec 2026"},
        {"btnThisWeek", Qt::Key_Right, "Week of 7 dec 2026"},
        {"btnNextWeek", Qt::Key_Left, "Week of 30 nov 2026"}, // a focused button keeps no arrow
        {"btnPreviousWeek", Qt::Key{}, "Week of 23 nov 2026"},
        {"btnPreviousWeek", Qt::Key_Home, "Week of 7 dec 2026"}};
    for (const auto &[button, key, title] : steps) {
        SCOPED_TRACE(title);
        if (key)
            QTest::keyClick(WeekButton(button), key);
        else
            WeekButton(button)->click();
        EXPECT_EQ(week->windowTitle().toStdString(), title);
        const bool beforeThisWeek = week->Monday() < CalendarDay{2026, 12, 7};
        EXPECT_EQ(WeekButton("btnNextWeek")->isEnabled(), beforeThisWeek);
    }
    dtp->setDate(QDate(2025, 2, 27));
    EXPECT_EQ(week->Monday(), (CalendarDay{2025, 2, 24}));
    EXPECT_EQ(dtp->date(), QDate(2025, 2, 27)); // a day of the week shown stays as chosen
    // A second menu click brings the open window forward as it is; Escape closes.
    WeekButton("btnThisWeek")->click();
    WeekButton("btnPreviousWeek")->click();
    OpenWeek();
    EXPECT_EQ(week->Monday(), (CalendarDay{2026, 11, 30}));
    EXPECT_EQ(dtp->date(), QDate(2026, 11, 30));
    QTest::keyClick(week, Qt::Key_Escape);
    OpenWeek();
    EXPECT_EQ(week->Monday(), (CalendarDay{2026, 12, 7}));
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
    struct Language
    {
        const char *language;
        const char *title;
        const char *previous;
        const char *menu;
        const char *sunday;
        const char *hours;
        const char *chartName;
        const char *pietForScreenReaders; // one line of the chart's text
    };
    const Language languages[] = {
        {.language = "NL", .title = "Week van 7 dec 2026", .previous = "< Vorige week",
         .menu = "&Weekoverzicht", .sunday = "zo", .hours = "3 u", .chartName = "Weekgrafiek",
         .pietForScreenReaders =
             "Piet: 0:40 deze week; ma 0:00, di 0:30, wo 0:10, do 0:00, vr 0:00, za 0:00, zo 0:00"},
        {.language = "ENG", .title = "Week of 7 dec 2026", .previous = "< Previous week",
         .menu = "&Week overview", .sunday = "Sun", .hours = "3 h", .chartName = "Week chart",
         .pietForScreenReaders = "Piet: 0:40 this week; Mon 0:00, Tue 0:30, Wed 0:10, Thu 0:00, "
                                 "Fri 0:00, Sat 0:00, Sun 0:00"}};
    const WeekChartView *chart = week->findChild<WeekChartView *>("picWeekChart");
    for (const Language &l : languages) {
        SCOPED_TRACE(l.language);
        gLanguageChange().Change(l.language);
        EXPECT_EQ(week->windowTitle().toStdString(), l.title);
        EXPECT_EQ(WeekButton("btnPreviousWeek")->text().toStdString(), l.previous);
        EXPECT_EQ(Item("mnuWeekOverview")->text().toStdString(), l.menu);
        EXPECT_EQ(chart->Look().days[6].toStdString(), l.sunday);
        EXPECT_EQ(chart->Look().hours.arg(3).toStdString(), l.hours);
        EXPECT_EQ(chart->accessibleName().toStdString(), l.chartName);
        const QStringList lines = chart->accessibleDescription().split(".\n");
        ASSERT_EQ(lines.size(), 4); // Jan, Jansen, Piet, Anna
        EXPECT_EQ(lines[2].toStdString(), l.pietForScreenReaders);
    }
}

// A user's own limit is a line in their colour across the days it holds: school days apart
// from the weekend.
TEST_F(WeekWindowTest, EachUsersLimitLineLiesOnTheDaysItHoldsInTheirColour)
{
    const auto picture = [] {
        const DailyTotals totals(std::vector<std::string>{"Jan", "Piet"});
        QImage image(WeekChart::kWidth, WeekChart::kHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        WeekChart(totals, {2026, 12, 9}).Paint(painter);
        return image;
    };
    const QImage plain = picture();
    // The columns where a picture differs from the plain one, and whether Piet's colour is there.
    const auto changes = [&plain](const QImage &image) {
        int left = image.width(), right = -1;
        bool piets = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != plain.pixel(x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    piets = piets || image.pixel(x, y) == qRgb(0xff, 0x7f, 0x0e);
                }
        return std::tuple(left, right, piets);
    };
    Store("Piet", "60,-,0", "Limits");
    const auto [schoolLeft, schoolRight, schoolColour] = changes(picture());
    Store("Piet", "-,60,0", "Limits");
    const auto [weekendLeft, weekendRight, weekendColour] = changes(picture());
    EXPECT_TRUE(schoolColour && weekendColour);
    EXPECT_LT(schoolLeft, schoolRight);
    EXPECT_LT(schoolRight, weekendLeft);
    EXPECT_LT(weekendLeft, weekendRight);
}

// At the picture's own scale a bar stands in its day at its height, the hour labels keep clear
// of the axis, and the legend says "no users" only when there are none.
TEST_F(WeekWindowTest, BarsStandInTheirDayAndTheLabelsKeepClearOfTheAxis)
{
    const auto picture = [](const std::vector<std::string> &users, const QString &noUsers) {
        DailyTotals totals(users);
        totals.Add({.start = {2026, 12, 7, 9, 0, 0}, .end = {2026, 12, 7, 12, 0, 0},
                    .elapsed = 3 * 3600, .description = "Jan"});
        WeekChartLook look;
        look.noUsers = noUsers;
        QImage image(WeekChart::kWidth, WeekChart::kHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        WeekChart(totals, {2026, 12, 9}).Paint(painter, image.rect(), look);
        return image;
    };
    const QImage jan = picture({"Anna", "Jan"}, "no users"); // Jan's bar is the day's second
    QRect bar;
    // Black ink from the hour labels' end (x 54) to the plot's right, title and axes aside.
    int inkInThePlot = 0;
    for (int y = 0; y < jan.height(); ++y)
        for (int x = 0; x < jan.width(); ++x) {
            if (jan.pixel(x, y) == qRgb(0xff, 0x7f, 0x0e) && x < 600) // the legend's swatch is right
                bar |= QRect(x, y, 1, 1);
            const QColor ink = jan.pixelColor(x, y);
            const bool black = ink.red() < 0x80 && ink.green() < 0x80 && ink.blue() < 0x80;
            inkInThePlot += x >= 55 && x < 620 && (x < 59 || x > 60) && y > 40 && y < 370 && black;
        }
    EXPECT_EQ(inkInThePlot, 0);
    // Plot x 60 to 619, y 44 to 373; Monday's two bars in the middle 64 of its 80; 3 h of 4.
    EXPECT_EQ(bar, QRect(QPoint(100, 126), QPoint(131, 371)));
    EXPECT_EQ(jan, picture({"Anna", "Jan"}, ""));
    EXPECT_NE(picture({}, "no users"), picture({}, ""));
}

} // namespace
} // namespace zk::test
