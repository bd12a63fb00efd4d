#include "Form1Fixture.h"

#include "limits/ParentPin.h"
#include "main_window/LimitsWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace zk::test {
namespace {

using Form = Form1Fixture;

// The window in each language shows every user's limits as stored ("no limit" where there is
// none); OK stores what was set, the PIN is stored at once; a user removed from the list loses
// their limits.
TEST_F(Form, TheLimitsWindowShowsAndStoresEachUsersLimitsInBothLanguages)
{
    struct Case
    {
        const char *language;
        std::string title, schoolDays, none, lock, pinState;
    };
    const Case cases[] = {
        {.language = "ENG", .title = "Limits", .schoolDays = "Mon to Fri (minutes)",
         .none = "no limit", .lock = "Lock when the time is up", .pinState = "A PIN is set."},
        {.language = "NL", .title = "Limieten", .schoolDays = "Ma t/m vr (minuten)",
         .none = "geen limiet", .lock = "Vergrendelen als de tijd op is",
         .pinState = "Er is een pincode ingesteld."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.language);
        Store("Users", "Ann|Bob", "Edit");
        Store("Bob", "45,90,1", "Limits");
        Store("Ann", "", "Limits");
        Store("Language", c.language);
        Start();
        LimitsWindow window(form->household().Users(), *failures, form.get());
        const auto text = [&window](const char *name) {
            return window.findChild<QLabel *>(name)->text().toStdString();
        };
        const std::vector<LimitsWindow::UserRow> &rows = window.Rows();
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(window.windowTitle().toStdString(), c.title);
        EXPECT_EQ(text("lblSchoolDays"), c.schoolDays);
        EXPECT_EQ(text("lblLockWhenUp"), c.lock);
        EXPECT_EQ(rows[0].schoolDays->text().toStdString(), c.none);
        EXPECT_EQ(std::tuple(rows[1].schoolDays->value(), rows[1].weekend->value(),
                             rows[1].lock->isChecked()),
                  std::tuple(45, 90, true));

        rows[0].schoolDays->setValue(30);
        rows[1].weekend->setValue(-1);
        window.findChild<QSpinBox *>("spnWarningMinutes")->setValue(5);
        window.findChild<QLineEdit *>("txtPin")->setText("2468");
        window.findChild<QPushButton *>("btnSetPin")->click();
        EXPECT_EQ(text("lblPinState"), c.pinState);
        window.findChild<QPushButton *>("cmdOK")->click();
        EXPECT_EQ(settings.Read("Sitclock", "Limits", "Ann", "?"), "30,-,0");
        EXPECT_EQ(settings.Read("Sitclock", "Limits", "Bob", "?"), "45,-,1");
        EXPECT_EQ(settings.Read("Sitclock", "LimitOptions", "WarningMinutes", "?"), "5");
        EXPECT_TRUE(ParentPin::IsSet());
        window.findChild<QPushButton *>("btnRemovePin")->click();
        EXPECT_FALSE(ParentPin::IsSet());
    }
    form->household().Users().RemoveByName("Bob");
    EXPECT_EQ(settings.Read("Sitclock", "Limits", "Bob", "?"), "");
}

// The minute timer's tick that holds the alarm open does not hold back the next: the lock
// comes a minute after the alarm, also while the alarm is still on the screen.
TEST_F(Form, TheLockComesAMinuteAfterTheAlarmWhileTheAlarmIsOpen)
{
    Store("Users", "Ann", "Edit");
    Store("Ann", "1,1,1", "Limits");
    Start();
    Choose("Ann");
    clock.Advance(60);
    std::optional<bool> lockedWhileOpen;
    dialogs.whileOpen = [&] {
        clock.Advance(60);
        lockedWhileOpen = QTest::qWaitFor([&] { return locker.locks > 0; }, 2000);
    };
    form->Timer1().setInterval(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lockedWhileOpen.has_value(); }, 5000));
    EXPECT_TRUE(*lockedWhileOpen);
    EXPECT_EQ(locker.locks, 1);
    EXPECT_EQ(Log(), Bytes({{{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 2, 0}, "Ann"}}));
    EXPECT_EQ(dialogs.calls.size(), 1u);
}

} // namespace
} // namespace zk::test
