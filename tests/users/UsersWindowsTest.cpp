#include "localisation/gclsLanguageChange.h"
#include "support/FakeDialogs.h"
#include "support/FakeSettings.h"
#include "users/clsUsers.h"
#include "users/frmEditUsers.h"
#include "users/frmStart.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class UsersWindows : public ::testing::Test
{
protected:
    void TearDown() override { ResetLanguageChangeForTests(); }
    void Store(const std::string &joined) { settings.Write("Sitclock", "Edit", "Users", joined); }
    std::string Stored() const { return settings.Read("Sitclock", "Edit", "Users", "?"); }
    static QPushButton *Button(QWidget &w, const char *n) { return w.findChild<QPushButton *>(n); }

    zk::test::FakeSettings settings;
    zk::test::FakeDialogs dialogs;
};

TEST_F(UsersWindows, StartWindowLayoutFollowsTheListAndTheLanguage)
{
    std::string hundred = "U1";
    for (int i = 2; i <= 100; ++i)
        hundred += "|U" + std::to_string(i);
    const std::tuple<std::string, int, int, int, const char *, const char *> rows[] = {
        {"", 0, 64, 125, "ENG", "Who is starting?"}, // users, buttons, edit's top, outer height
        {"Anna", 1, 64, 125, "NL", "Wie gaat bezig?"},
        {"Tom & Jerry|Anna|Anna", 3, 160, 221, "ENG", "Who is starting?"},
        {hundred, 100, 4816, 4877, "ENG", "Who is starting?"}}; // too high for the screen: scrolls
    for (const auto &[stored, count, editTop, outer, language, title] : rows) {
        SCOPED_TRACE(count);
        ResetLanguageChangeForTests();
        gLanguageChange().Change(language);
        Store(stored);
        clsUsers users;
        frmStart w(users, dialogs, [](const std::string &) {});
        w.show();
        const auto buttons = w.findChildren<QPushButton *>("btnUser"); // the template first
        ASSERT_EQ(buttons.size(), count + 1);
        EXPECT_EQ(buttons.last()->geometry(), QRect(8, 16 + 48 * std::max(count - 1, 0), 153, 33));
        EXPECT_EQ(w.findChild<QLabel *>("labStartNoUsers")->isHidden(), count != 0);
        const QRect edit = Button(w, "btnEditUsers")->geometry();
        EXPECT_EQ(edit.top(), count == 100 ? w.height() - 25 - 16 : editTop);
        EXPECT_EQ(w.OuterHeight(), outer);
        EXPECT_EQ(w.Scrolling(), count == 100);
        EXPECT_EQ(w.height(), count == 100 ? edit.bottom() + 1 + 16 : outer - 20);
        EXPECT_EQ(w.windowTitle().toStdString(), title);
    }
}

TEST_F(UsersWindows, EditDialogAddsAndRemovesTheSelectedEntryAndTellsAFailureOnce)
{
    Store("Anna|Piet");
    clsUsers users;
    frmEditUsers d(users, dialogs);
    auto *list = d.findChild<QListWidget *>("List1");
    auto *remove = Button(d, "btnRemoveUser");
    EXPECT_FALSE(d.grab().isNull()); // the dialog draws, its wrapping button's caption too
    dialogs.answers = {"Anna", ""}; // the second is cancelled
    Button(d, "btnAddUser")->click();
    Button(d, "btnAddUser")->click();
    EXPECT_EQ(Stored(), "Anna|Piet|Anna");
    remove->click(); // nothing selected: nothing happens
    list->item(2)->setSelected(true);
    EXPECT_EQ(remove->text(), "Remove user: Anna");
    remove->click(); // the list drops its first Anna, the box its selected entry
    EXPECT_EQ(Stored(), "Piet|Anna");
    EXPECT_EQ(list->item(0)->text(), "Anna");
    list->item(1)->setSelected(true);
    gLanguageChange().Change("NL");
    EXPECT_EQ(remove->text(), "Gebruiker weg halen: Piet");
    settings.failWrites = true;
    dialogs.answers = {"Kees"};
    Button(d, "btnAddUser")->click();
    remove->click();
    ASSERT_EQ(dialogs.calls.size(), 4u); // the settings notice comes once
    EXPECT_NE(dialogs.calls[3].text.find("disk full"), std::string::npos);
    EXPECT_EQ(list->count(), 2);
}

} // namespace
