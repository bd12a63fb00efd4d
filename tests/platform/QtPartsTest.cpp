#include "platform/qt/QtDialogs.h"
#include "platform/qt/SystemMonthNames.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// The input box offers its text with the cursor at its end and nothing selected, so that what
// is typed adds to it; it gives back what is confirmed, as Latin-1 (beyond it "?"); Cancel gives
// the empty text.
TEST(QtDialogs, TheInputBoxAddsTypingToTheOfferedTextAndGivesWhatIsConfirmed)
{
    zk::QtDialogs dialogs;
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "confirmed" : "cancelled");
        QString offered;
        QTimer::singleShot(0, [&offered, confirm] {
            // Once the box has settled: after whatever the box runs when it shows.
            QTimer::singleShot(0, [&offered, confirm] {
                auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
                QTest::keyClicks(box->findChild<QLineEdit *>(), " homework");
                // The title bar has room for the whole title besides its icon and buttons.
                const int title = box->fontMetrics().horizontalAdvance(box->windowTitle());
                EXPECT_GT(box->width(), title + 64);
                offered = box->textValue();
                box->setTextValue(QString::fromUtf8("Anna \u00ff\u0100\U0001F600"));
                if (confirm)
                    box->accept();
                else
                    box->reject();
            });
        });
        const std::string answer = dialogs.InputBox("?", "Quitting with the computeren", "Anna");
        EXPECT_EQ(answer, confirm ? "Anna \xff??" : "");
        EXPECT_EQ(offered.toStdString(), "Anna homework");
    }
}

TEST(QtDialogs, ThePinBoxHidesTheTypingAndGivesNothingWhenCancelled)
{
    zk::QtDialogs dialogs;
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "confirmed" : "cancelled");
        QTimer::singleShot(0, [confirm] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            EXPECT_EQ(box->textEchoMode(), QLineEdit::Password);
            QTest::keyClicks(box->findChild<QLineEdit *>(), "2468");
            QTest::keyClick(box, confirm ? Qt::Key_Return : Qt::Key_Escape);
        });
        const std::optional<std::string> pin = dialogs.PinBox("PIN:", "Sitclock");
        EXPECT_EQ(pin, confirm ? std::optional<std::string>("2468") : std::nullopt);
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
