#include "localisation/gclsLanguageChange.h"
#include "support/FakeDialogs.h"
#include "support/FakeSettings.h"
#include "users/clsUsers.h"
#include "users/frmEditUsers.h"
#include "users/frmStart.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class UsersWindows : public ::testing::Test
{
protected:
    void SetUp() override { ResetLanguageChangeForTests(); }
    void TearDown() override { ResetLanguageChangeForTests(); }
    void Store(const std::string &joined) { settings.Write("Sitclock", "Edit", "Users", joined); }
    // The visible user buttons in their order.
    static std::vector<QPushButton *> UserButtons(QWidget &w)
    {
        std::vector<QPushButton *> out;
        for (auto *b : w.findChildren<QPushButton *>("btnUser"))
            if (int i = b->property("index").toInt(); i > 0)
                out.resize(std::max<std::size_t>(out.size(), i)), out[i - 1] = b;
        return out;
    }
    static QPushButton *Button(QWidget &w, const char *name)
    {
        return w.findChild<QPushButton *>(name);
    }

    zk::test::FakeSettings settings;
    zk::test::FakeDialogs dialogs;
};

TEST_F(UsersWindows, StartWindowLayoutFollowsTheListAndAClickHandsOnTheName)
{
    const struct
    {
        std::string stored;
        int buttons, editTop, outer;
    } cases[] = {{"", 0, 64, 125}, {"Anna", 1, 64, 125}, {"Tom & Jerry|Anna|Anna", 3, 160, 221}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        Store(c.stored);
        clsUsers users;
        std::vector<std::string> started;
        frmStart w(users, dialogs, [&](const std::string &n) { started.push_back(n); });
        w.show();
        const auto buttons = UserButtons(w);
        ASSERT_EQ(static_cast<int>(buttons.size()), c.buttons);
        for (int i = 0; i < c.buttons; ++i)
            EXPECT_EQ(buttons[i]->geometry(), QRect(8, 16 + 48 * i, 153, 33));
        EXPECT_EQ(w.findChild<QLabel *>("labStartNoUsers")->isHidden(), c.buttons != 0);
        EXPECT_EQ(Button(w, "btnEditUsers")->geometry(), QRect(8, c.editTop, 153, 25));
        EXPECT_EQ(w.OuterHeight(), c.outer);
        EXPECT_EQ(w.height(), c.outer - frmStart::kFrameHeight);
        EXPECT_FALSE(w.Scrolling());
        if (c.buttons == 3) {
            EXPECT_EQ(buttons[0]->text(), "Tom && Jerry");
            buttons[0]->click();
            EXPECT_EQ(started, std::vector<std::string>{"Tom & Jerry"});
            EXPECT_FALSE(w.isVisible());
        }
    }
    std::string joined = "U1";
    for (int i = 2; i <= 100; ++i)
        joined += "|U" + std::to_string(i);
    Store(joined); // a hundred users scroll within the screen
    clsUsers users;
    frmStart w(users, dialogs, [](const std::string &) {});
    EXPECT_EQ(UserButtons(w).at(99)->geometry(), QRect(8, 16 + 48 * 99, 153, 33));
    EXPECT_EQ(w.OuterHeight(), 77 + 48 * 100);
    EXPECT_TRUE(w.Scrolling());
    EXPECT_EQ(Button(w, "btnEditUsers")->geometry().bottom() + 1 + 16, w.height());
}

TEST_F(UsersWindows, EditDialogAddsAndRemovesTheSelectedEntryAndShowsFailures)
{
    Store("Anna|Piet");
    clsUsers users;
    frmEditUsers d(users, dialogs);
    auto *list = d.findChild<QListWidget *>("List1");
    auto *remove = Button(d, "btnRemoveUser");
    EXPECT_EQ(d.size(), QSize(312, 187));
    dialogs.answers = {"Anna", ""}; // the second is cancelled
    Button(d, "btnAddUser")->click();
    Button(d, "btnAddUser")->click();
    EXPECT_EQ(dialogs.calls.at(0).text, "Please enter new user's name");
    EXPECT_EQ(dialogs.calls.at(0).title, "New user");
    EXPECT_EQ(settings.Read("Sitclock", "Edit", "Users", "?"), "Anna|Piet|Anna");
    remove->click(); // nothing selected: nothing happens
    EXPECT_EQ(users.Count(), 3);
    list->item(2)->setSelected(true);
    EXPECT_EQ(remove->text(), "Remove user: Anna");
    remove->click(); // the list drops its first Anna, the box its selected entry
    EXPECT_EQ(settings.Read("Sitclock", "Edit", "Users", "?"), "Piet|Anna");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Anna");

    settings.failWrites = true;
    dialogs.answers = {"Kees"};
    Button(d, "btnAddUser")->click();
    list->item(0)->setSelected(true);
    remove->click();
    ASSERT_EQ(dialogs.calls.size(), 4u); // the settings notice comes once
    EXPECT_EQ(dialogs.calls[3].kind, "message");
    EXPECT_NE(dialogs.calls[3].text.find("disk full"), std::string::npos);
    EXPECT_EQ(list->count(), 2);
}

TEST_F(UsersWindows, StartWindowReloadsAfterTheDialogAndBothFollowTheLanguage)
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
        d->findChild<QListWidget *>("List1")->item(0)->setSelected(true);
        Button(*d, "btnRemoveUser")->click();
        d->findChild<QListWidget *>("List1")->item(0)->setSelected(true);
        gLanguageChange().Change("NL");
        EXPECT_EQ(d->windowTitle(), "Bewerken gebruikers");
        EXPECT_EQ(Button(*d, "btnAddUser")->text(), "Voeg toe");
        EXPECT_EQ(Button(*d, "btnRemoveUser")->text(), "Gebruiker weg halen: Piet");
        EXPECT_EQ(w.windowTitle(), "Wie gaat bezig?");
        EXPECT_EQ(UserButtons(w)[0]->text(), "Anna"); // the old list until the dialog closes
        d->close();
    });
    Button(w, "btnEditUsers")->click();
    const auto buttons = UserButtons(w);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->text(), "Piet");
    EXPECT_EQ(buttons[1]->text(), "Joop");
    EXPECT_EQ(w.OuterHeight(), 173);
    EXPECT_EQ(Button(w, "btnEditUsers")->text(), "Bewerk gebruikers..");
    gLanguageChange().Change("ENG");
    EXPECT_EQ(w.windowTitle(), "Who is starting?");
    EXPECT_EQ(w.findChild<QLabel *>("labStartNoUsers")->text(),
              "Press \"Edit users\" to add one or more users..");
}

} // namespace
