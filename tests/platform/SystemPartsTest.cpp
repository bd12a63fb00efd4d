#include "platform/Clock.h"
#include "platform/MonthNames.h"
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QTimer>
#include <gtest/gtest.h>

// The input box offers its text and gives back what is confirmed, as Latin-1 (beyond it "?");
// Cancel gives the empty text. Message boxes of every kind wait until they are closed.
TEST(QtDialogs, TheInputBoxGivesWhatIsConfirmedAndMessageBoxesWait)
{
    zk::QtDialogs dialogs;
    for (const bool ok : {true, false}) {
        QTimer::singleShot(0, [ok] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            EXPECT_EQ(box->textValue(), "Anna");
            box->setTextValue(QString::fromUtf8("Anna \u00ff\u0100\U0001F600"));
            ok ? box->accept() : box->reject();
        });
        EXPECT_EQ(dialogs.InputBox("?", "Vul de zitklok in!", "Anna"), ok ? "Anna \xff??" : "");
    }
    using Icon = zk::Dialogs::Icon;
    for (const Icon icon : {Icon::None, Icon::Information, Icon::Exclamation, Icon::Critical}) {
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        dialogs.MessageBox("Alarm", "Sitclock", icon);
    }
}

// Without fakes: now is the local time, the steady clock never goes back, months are English.
TEST(SystemClock, NowIsTheLocalTimeAndTheSteadyClockNeverGoesBack)
{
    const zk::LocalDateTime n = zk::CurrentClock().Now();
    const QDateTime now(QDate(n.year, n.month, n.day), QTime(n.hour, n.minute, n.second));
    EXPECT_LE(std::abs(QDateTime::currentDateTime().secsTo(now)), 1);
    const std::int64_t steady = zk::CurrentClock().SteadySeconds();
    EXPECT_GE(zk::CurrentClock().SteadySeconds(), steady);
    EXPECT_EQ(zk::CurrentMonthNames().Abbreviated(12) + zk::CurrentMonthNames().Abbreviated(13), "Dec");
}
