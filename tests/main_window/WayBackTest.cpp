#include "Form1Fixture.h"

#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace zk::test {
namespace {

using WayBack = Form1Fixture;

TEST_F(WayBack, TheTrayMenuOpensTheWindowOrEndsTheProgramInTheCurrentLanguage)
{
    Start();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(tray.menuTexts, "Open Sitclock|Exit Sitclock");
    gLanguageChange().Change("NL");
    EXPECT_EQ(tray.menuTexts, "Zitklok openen|Zitklok afsluiten");
    tray.First.Emit();
    EXPECT_TRUE(form->isVisible());
    tray.Exit.Emit();
    EXPECT_EQ(exits, 1);
}

TEST_F(WayBack, WithoutATrayASecondStartBringsTheWindowForwardWithItsActivationToken)
{
    tray.available = false;
    SingleInstance first(QString::fromStdString(dir.File("actions.dat")));
    ASSERT_TRUE(first.TryBecomeFirst());
    Start();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    form->close();
    EXPECT_TRUE(form->isMinimized());

    QByteArray token = "none";
    QObject::connect(&first, &SingleInstance::showRequested, form.get(), [&](const QByteArray &t) {
        token = t;
        form->UCTrayIcon1_First();
    });
    SingleInstance second(QString::fromStdString(dir.File("actions.dat")));
    ASSERT_TRUE(second.AskFirstToShow(2000, "launcher-42"));
    const QDeadlineTimer deadline(3000);
    while (token == "none" && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(token, "launcher-42");
    EXPECT_FALSE(form->isMinimized());
}

} // namespace
} // namespace zk::test
