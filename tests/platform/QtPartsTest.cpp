#include "platform/qt/QtDialogs.h"
#include "platform/qt/SystemMonthNames.h"

#include <QApplication>
#include <QInputDialog>
#include <QTimer>
#include <gtest/gtest.h>

// The input box offers its text and gives back what is confirmed, as Latin-1 (beyond it "?");
// Cancel gives the empty text.
TEST(QtDialogs, TheInputBoxGivesWhatIsConfirmed)
{
    zk::QtDialogs dialogs;
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "confirmed" : "cancelled");
        QString offered;
        QTimer::singleShot(0, [&offered, confirm] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            offered = box->textValue();
            box->setTextValue(QString::fromUtf8("Anna \u00ff\u0100\U0001F600"));
            if (confirm)
                box->accept();
            else
                box->reject();
        });
        const std::string answer = dialogs.InputBox("?", "Vul de zitklok in!", "Anna");
        EXPECT_EQ(answer, confirm ? "Anna \xff??" : "");
        EXPECT_EQ(offered, "Anna");
    }
}

// Message boxes of every kind wait until they are closed.
TEST(QtDialogs, MessageBoxesWaitUntilClosed)
{
    zk::QtDialogs dialogs;
    using Icon = zk::Dialogs::Icon;
    for (const Icon icon : {Icon::None, Icon::Information, Icon::Exclamation, Icon::Critical}) {
        bool closed = false;
        QTimer::singleShot(0, [&closed] {
            closed = true;
            QApplication::activeModalWidget()->close();
        });
        dialogs.MessageBox("Alarm", "Sitclock", icon);
        EXPECT_TRUE(closed) << static_cast<int>(icon);
    }
}

TEST(SystemMonthNames, TwelveAbbreviationsOfTheRegionalSettings)
{
    const zk::SystemMonthNames names;
    for (int month : {0, 1, 12, 13})
        EXPECT_EQ(names.Abbreviated(month).empty(), month == 0 || month == 13) << month;
}
