#include "platform/Clock.h"
#include "platform/MonthNames.h"

#include <QDateTime>
#include <gtest/gtest.h>

// With nothing of the tests installed, now is the local time of day, the steady clock never
// goes back, and month names are English, with none for a month that does not exist.
TEST(SystemClock, NowIsTheLocalTimeAndTheSteadyClockNeverGoesBack)
{
    const QDateTime before = QDateTime::currentDateTime();
    const zk::LocalDateTime now = zk::CurrentClock().Now();
    const QDateTime seen(QDate(now.year, now.month, now.day),
                         QTime(now.hour, now.minute, now.second));
    EXPECT_LE(std::abs(before.secsTo(seen)), 1);
    const std::int64_t steady = zk::CurrentClock().SteadySeconds();
    EXPECT_GE(zk::CurrentClock().SteadySeconds(), steady);
    for (const auto &[month, name] : {std::pair{1, "Jan"}, {12, "Dec"}, {0, ""}, {13, ""}})
        EXPECT_EQ(zk::CurrentMonthNames().Abbreviated(month), name);
}
