#include "platform/QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QTimer>
#include <gtest/gtest.h>

// The input box offers its text and gives back what is confirmed, as Latin-1; Cancel gives the
// empty text. Message boxes of every kind wait until they are closed.
TEST(QtDialogs, TheInputBoxGivesWhatIsConfirmedAndMessageBoxesWait)
{
    zk::QtDialogs dialogs;
    for (const bool ok : {true, false}) {
        QTimer::singleShot(0, [ok] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            EXPECT_EQ(box->windowTitle() + box->textValue(), "Vul de zitklok in!Anna");
            box->setTextValue(QString::fromUtf8("Anna huiswerk \u00e9"));
            ok ? box->accept() : box->reject();
        });
        EXPECT_EQ(dialogs.InputBox("?", "Vul de zitklok in!", "Anna"),
                  ok ? "Anna huiswerk \xe9" : "");
    }
    using Icon = zk::Dialogs::Icon;
    for (const Icon icon : {Icon::None, Icon::Information, Icon::Exclamation, Icon::Critical}) {
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        dialogs.MessageBox("Alarm", "Sitclock", icon);
    }
}
