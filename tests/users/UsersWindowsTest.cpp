#include "localisation/gclsLanguageChange.h"
#include "support/FakeDialogs.h"
#include "support/FakeSettings.h"
#include "users/clsUsers.h"
#include "users/frmEditUsers.h"
#include "users/frmStart.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

class UsersWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetLanguageChangeForTests(); }
    void TearDown() override { ResetLanguageChangeForTests(); }

    void Store(const std::string &joined) { settings.Write("Sitclock", "Edit", "Users", joined); }

    // The visible user buttons, by index.
    static std::vector<QPushButton *> UserButtons(QWidget &w)
    {
        std::vector<QPushButton *> out;
        for (auto *b : w.findChildren<QPushButton *>(QStringLiteral("btnUser")))
            if (b->property("index").toInt() > 0)
                out.push_back(b);
        std::sort(out.begin(), out.end(), [](auto *a, auto *b) {
            return a->property("index").toInt() < b->property("index").toInt();
        });
        return out;
    }

    static QPushButton *Button(QWidget &w, const char *name)
    {
        return w.findChild<QPushButton *>(QString::fromLatin1(name));
    }

    zk::test::FakeSettings settings;
    zk::test::FakeDialogs dialogs;
    std::vector<std::string> started;
};

TEST_F(UsersWindowsTest, StartWindowLayoutFollowsTheList)
{
    const struct
    {
        std::string stored;
        int buttons, editTop, outer;
    } cases[] = {{"", 0, 64, 125}, {"Anna", 1, 64, 125}, {"Anna|Piet|Joop", 3, 160, 221}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        Store(c.stored);
        clsUsers users;
        frmStart w(users, dialogs, [](const std::string &) {});
        const auto buttons = UserButtons(w);
        ASSERT_EQ(static_cast<int>(buttons.size()), c.buttons);
        for (int i = 0; i < c.buttons; ++i) {
            EXPECT_EQ(buttons[i]->geometry(), QRect(8, 16 + 48 * i, 153, 33));
            EXPECT_FALSE(buttons[i]->isHidden());
        }
        EXPECT_EQ(w.findChild<QLabel *>("labStartNoUsers")->isHidden(), c.buttons != 0);
        EXPECT_EQ(Button(w, "btnEditUsers")->geometry(), QRect(8, c.editTop, 153, 25));
        EXPECT_EQ(w.OuterHeight(), c.outer);
        EXPECT_EQ(w.height(), c.outer - frmStart::kFrameHeight);
        EXPECT_EQ(w.width(), 169);
        EXPECT_FALSE(w.Scrolling());
    }
}

TEST_F(UsersWindowsTest, HundredUsersScrollWithinTheScreen)
{
    std::string joined = "U1";
    for (int i = 2; i <= 100; ++i)
        joined += "|U" + std::to_string(i);
    Store(joined);
    clsUsers users;
    frmStart w(users, dialogs, [](const std::string &) {});
    const auto buttons = UserButtons(w);
    ASSERT_EQ(buttons.size(), 100u);
    EXPECT_EQ(buttons[99]->geometry(), QRect(8, 16 + 48 * 99, 153, 33));
    EXPECT_EQ(w.OuterHeight(), 77 + 48 * 100);
    EXPECT_TRUE(w.Scrolling());
    const int available = QGuiApplication::primaryScreen()->availableGeometry().height();
    EXPECT_LE(w.height() + frmStart::kFrameHeight, std::max(available, 768));
    const QRect edit = Button(w, "btnEditUsers")->geometry();
    EXPECT_EQ(edit.bottom() + 1 + 16, w.height());
    EXPECT_GE(w.width(), 169);
}

TEST_F(UsersWindowsTest, ClickHandsOnTheExactNameAndCloses)
{
    Store("Tom & Jerry|Anna|Anna");
    clsUsers users;
    frmStart w(users, dialogs, [this](const std::string &n) { started.push_back(n); });
    w.show();
    const auto buttons = UserButtons(w);
    EXPECT_EQ(buttons[0]->text(), "Tom && Jerry");
    buttons[0]->click();
    EXPECT_EQ(started, std::vector<std::string>{"Tom & Jerry"});
    EXPECT_FALSE(w.isVisible());
    buttons[2]->click();
    EXPECT_EQ(started.back(), "Anna");
}

TEST_F(UsersWindowsTest, EditDialogAddsDuplicateAndRemovesTheSelectedEntry)
{
    Store("Anna|Piet");
    clsUsers users;
    frmEditUsers d(users, dialogs);
    auto *list = d.findChild<QListWidget *>("List1");
    auto *remove = Button(d, "btnRemoveUser");
    EXPECT_EQ(d.size(), QSize(312, 187));
    EXPECT_EQ(remove->text(), "Remove user: ");

    dialogs.answers = {"Anna", ""};
    Button(d, "btnAddUser")->click();
    Button(d, "btnAddUser")->click(); // cancelled
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].text, "Please enter new user's name");
    EXPECT_EQ(dialogs.calls[0].title, "New user");
    EXPECT_EQ(settings.Read("Sitclock", "Edit", "Users", "?"), "Anna|Piet|Anna");
    ASSERT_EQ(list->count(), 3);
    EXPECT_TRUE(list->selectedItems().isEmpty());

    remove->click(); // nothing selected: nothing happens
    EXPECT_EQ(users.Count(), 3);
    list->item(2)->setSelected(true);
    EXPECT_EQ(remove->text(), "Remove user: Anna");
    remove->click();
    // The list drops its first Anna, the box its selected (last) entry.
    EXPECT_EQ(settings.Read("Sitclock", "Edit", "Users", "?"), "Piet|Anna");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Anna");
    EXPECT_EQ(list->item(1)->text(), "Piet");
    EXPECT_EQ(remove->text(), "Remove user: Anna"); // not changed by removing
}

TEST_F(UsersWindowsTest, FailedSaveIsShownAndKeepsTheEntry)
{
    Store("Anna");
    clsUsers users;
    frmEditUsers d(users, dialogs);
    auto *list = d.findChild<QListWidget *>("List1");
    settings.failWrites = true;
    dialogs.answers = {"Piet"};
    Button(d, "btnAddUser")->click();
    list->item(0)->setSelected(true);
    Button(d, "btnRemoveUser")->click();
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(dialogs.calls[1].kind, "message");
    EXPECT_NE(dialogs.calls[1].text.find("disk full"), std::string::npos);
    EXPECT_EQ(dialogs.calls[2].kind, "message");
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(users.Count(), 1);
    settings.failWrites = false;
}

TEST_F(UsersWindowsTest, StartWindowReloadsAfterTheDialogAndBothFollowTheLanguage)
{
    Store("Anna");
    clsUsers users;
    frmStart w(users, dialogs, [](const std::string &) {});
    w.show();
    dialogs.answers = {"Piet", "Joop"};
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<frmEditUsers *>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        Button(*d, "btnAddUser")->click();
        Button(*d, "btnAddUser")->click();
        auto *list = d->findChild<QListWidget *>("List1");
        list->item(0)->setSelected(true);
        Button(*d, "btnRemoveUser")->click();
        list->item(0)->setSelected(true);

        gLanguageChange().Change("NL");
        EXPECT_EQ(d->windowTitle(), "Bewerken gebruikers");
        EXPECT_EQ(Button(*d, "btnAddUser")->text(), "Voeg toe");
        EXPECT_EQ(Button(*d, "btnRemoveUser")->text(), "Gebruiker weg halen: Piet");
        EXPECT_EQ(w.windowTitle(), "Wie gaat bezig?");
        EXPECT_EQ(Button(w, "btnEditUsers")->text(), "Bewerk gebruikers..");
        EXPECT_EQ(UserButtons(w)[0]->text(), "Anna"); // the old load until the dialog closes
        d->close();
    });
    Button(w, "btnEditUsers")->click();

    const auto buttons = UserButtons(w);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->text(), "Piet");
    EXPECT_EQ(buttons[1]->text(), "Joop");
    EXPECT_EQ(w.OuterHeight(), 173);
    EXPECT_EQ(w.findChild<QLabel *>("labStartNoUsers")->text(),
              "Klik op \"Bewerk Gebruikers\" om een paar gebruikers toe te voegen..");

    gLanguageChange().Change("ENG");
    EXPECT_EQ(w.windowTitle(), "Who is starting?");
    EXPECT_EQ(Button(w, "btnEditUsers")->text(), "Edit users..");
    EXPECT_EQ(buttons[0]->text(), "Piet");
}

} // namespace
