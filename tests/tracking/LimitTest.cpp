#include "StretchFixture.h"

#include "limits/LimitSettings.h"

#include <string>

namespace {

using Limits = zk::test::StretchFixture;

std::string Boxes(const zk::test::FakeDialogs &dialogs)
{
    std::string out;
    for (const auto &call : dialogs.calls)
        out += call.text + "|";
    return out;
}

// Anna's limits against her total of today at each minute tick: school days and weekends,
// no limit (or nonsense) keeps the two-hour alarm, an earlier record that makes the first tick
// cross the limit, a stretch that runs into Monday (its whole length counts on the day it
// ends), and a restart after the warning (told once a day, yesterday's notice does not count).
TEST_F(Limits, TheWarningAndTheAlarmComeOnceADayAtTheUsersLimit)
{
    struct Case
    {
        const char *name;
        zk::LocalDateTime start;
        std::string limits, given = {}, earlier = {};
        int minutes;
        std::string boxes, status = {};
        bool dutch = false;
    };
    const zk::LocalDateTime monday{2026, 12, 7, 9, 0, 0}, saturday{2026, 12, 5, 9, 0, 0};
    const Case cases[] = {
        {.name = "school day", .start = monday, .limits = "30,60,0", .minutes = 31,
         .boxes = "Anna: 10 minutes left today. Time to finish.|"
                  "Anna: your time for today is up.|",
         .status = "Anna: 0 minutes left today"},
        {.name = "school day in Dutch", .start = monday, .limits = "30,60,0", .minutes = 25,
         .boxes = "Anna: nog 10 minuten vandaag. Rond af.|",
         .status = "Anna: nog 5 minuten vandaag", .dutch = true},
        {.name = "weekend, as a settings file edited by hand reads", .start = saturday,
         .limits = "30, 60, 0", .minutes = 31,
         .boxes = "", .status = "Anna: 29 minutes left today"},
        {.name = "no limit on the day", .start = saturday, .limits = "30,-,1", .minutes = 121,
         .boxes = "You're already using the computer for 2 hours. It's time to quit.|"},
        {.name = "nonsense", .start = monday, .limits = "30;60;0", .minutes = 121,
         .boxes = "You're already using the computer for 2 hours. It's time to quit.|"},
        {.name = "crossing at the first tick", .start = monday, .limits = "30,60,0",
         .earlier = "8:00-8:29:30", .minutes = 1,
         .boxes = "Anna: your time for today is up.|", .status = "Anna: 0 minutes left today"},
        {.name = "across midnight", .start = {2026, 12, 6, 23, 45, 0}, .limits = "20,600,0",
         .minutes = 21,
         .boxes = "Anna: 5 minutes left today. Time to finish.|Anna: your time for today is up.|",
         .status = "Anna: 0 minutes left today"},
        {.name = "restart after the warning", .start = monday, .limits = "30,60,0",
         .given = "2026-12-07 warning", .minutes = 30,
         .boxes = "Anna: your time for today is up.|", .status = "Anna: 0 minutes left today"},
        {.name = "yesterday's alarm", .start = monday, .limits = "30,60,0",
         .given = "2026-12-06 alarm", .minutes = 20,
         .boxes = "Anna: 10 minutes left today. Time to finish.|",
         .status = "Anna: 10 minutes left today"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.calls.clear();
        settings.Write("Sitclock", "Limits", "Anna", c.limits);
        settings.Write("Sitclock", "LimitNotices", "Anna", c.given);
        gLanguageChange().Change(c.dutch ? "NL" : "ENG");
        actions.CloseFile();
        const zk::LocalDateTime &s = c.start;
        zk::test::WriteFileBytes(
            path, c.earlier.empty()
                      ? std::string()
                      : zk::test::Bytes({{{s.year, s.month, s.day, 8, 0, 0},
                                          {s.year, s.month, s.day, 8, 29, 30}, "Anna"}}));
        actions.OpenFile(path);
        clock.Set(c.start);
        ctl.NewRecord("Anna", false);
        view.statusText.clear();
        Minutes(c.minutes);
        EXPECT_EQ(Boxes(dialogs), c.boxes);
        EXPECT_EQ(view.statusText, c.status);
        ctl.EndCurrentRecord();
    }
}

// One minute after the alarm a stretch that still runs ends as the stop button ends it, the
// session locks and the start window waits for the next person; a lock that fails is told once.
TEST_F(Limits, AtALockingLimitTheStretchEndsAndTheSessionLocks)
{
    settings.Write("Sitclock", "Limits", "Anna", "-,30,1");
    locker.fails = true;
    ctl.NewRecord("Anna", false);
    Minutes(30);
    EXPECT_EQ(std::pair(locker.locks, view.tray.toolTip),
              std::pair(0, std::string("Anna is busy for: 30 minutes. Today's total: 30 minutes\n"
                                       "Anna: 0 minutes left today")));
    Minutes(1);
    EXPECT_EQ(Log(), "9:00-9:31 Anna|");
    EXPECT_EQ(std::tuple(State(), locker.locks, view.startWindowShows), std::tuple(0, 1, 1));
    ctl.NewRecord("Anna", false); // after the alarm of today: one minute again
    Minutes(2);
    EXPECT_EQ(Log(), "9:00-9:31 Anna|9:31-9:33 Anna|");
    EXPECT_EQ(Boxes(dialogs), "Anna: 10 minutes left today. Time to finish.|"
                              "Anna: your time for today is up.|"
                              "The screen could not be locked: this computer has no screen lock "
                              "Sitclock can ask for.|");
}

} // namespace
