#include "failure/FailureReporter.h"
#include "support/FakeDialogs.h"
#include "support/FakeSettings.h"
#include "support/FreshLanguage.h"
#include "users/clsUsers.h"
#include "users/frmEditUsers.h"
#include "users/frmStart.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The user windows over scripted boxes, a fresh failure reporter and language.
class UsersWindows : public ::testing::Test
{
protected:
    void Store(const std::string &joined) { settings.Write("Sitclock", "Edit", "Users", joined); }
    std::string Stored() const { return settings.Read("Sitclock", "Edit", "Users", "?"); }
    static QPushButton *Button(QWidget &w, const char *n) { return w.findChild<QPushButton *>(n); }

    zk::test::FakeSettings settings;
    zk::test::FreshLanguage language;
    zk::test::FakeDialogs dialogs;
    FailureReporter failures{dialogs};
};

// One row a list: the buttons in pixels as laid out, the edit button below them, the outer
// height the window asks for; a list too high for the screen scrolls instead.
TEST_F(UsersWindows, StartWindowLayoutFollowsTheListAndTheLanguage)
{
    std::string hundred = "U1";
    for (int i = 2; i <= 100; ++i)
        hundred += "|U" + std::to_string(i);
    struct Row
    {
        std::string stored;
        int buttons;
        int editTop; // not for a scrolling list: its edit button sits at the window's bottom
        int outerHeight;
        bool scrolls;
        const char *language;
        const char *title;
    };
    const Row rows[] = {
        {.stored = "", .buttons = 0, .editTop = 64, .outerHeight = 125, .scrolls = false,
         .language = "ENG", .title = "Who is starting?"},
        {.stored = "Anna", .buttons = 1, .editTop = 64, .outerHeight = 125, .scrolls = false,
         .language = "NL", .title = "Wie gaat bezig?"},
        {.stored = "Tom & Jerry|Anna|Anna", .buttons = 3, .editTop = 160, .outerHeight = 221,
         .scrolls = false, .language = "ENG", .title = "Who is starting?"},
        {.stored = hundred, .buttons = 100, .editTop = 0, .outerHeight = 4877, .scrolls = true,
         .language = "ENG", .title = "Who is starting?"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.buttons);
        gLanguageChange().Change(row.language);
        Store(row.stored);
        clsUsers users;
        frmStart w(users, dialogs, failures, [](const std::string &) {});
        w.show();
        const auto buttons = w.findChildren<QPushButton *>("btnUser"); // the template first
        ASSERT_EQ(buttons.size(), row.buttons + 1);
        const int lastTop = 16 + 48 * std::max(row.buttons - 1, 0);
        EXPECT_EQ(buttons.last()->geometry(), QRect(8, lastTop, 153, 33));
        EXPECT_EQ(w.findChild<QLabel *>("labStartNoUsers")->isHidden(), row.buttons != 0);
        const QRect edit = Button(w, "btnEditUsers")->geometry();
        EXPECT_EQ(w.OuterHeight(), row.outerHeight);
        EXPECT_EQ(w.Scrolling(), row.scrolls);
        if (row.scrolls) {
            EXPECT_EQ(edit.top(), w.height() - 25 - 16);
        } else {
            EXPECT_EQ(edit.top(), row.editTop);
            EXPECT_EQ(w.height(), row.outerHeight - 20);
        }
        EXPECT_EQ(w.windowTitle().toStdString(), row.title);
        // The title bar shows the whole title, with room to spare for its icon and buttons.
        EXPECT_GT(w.width(), QFontMetrics(w.font()).horizontalAdvance(w.windowTitle()) + 64);
    }
}

// Enter and keypad Enter press the focused name, the first one as the window opens; Escape closes
// choosing nobody.
TEST_F(UsersWindows, StartWindowKeysPressTheFocusedNameOrClose)
{
    Store("Anna|Piet");
    clsUsers users;
    struct Row
    {
        int focused; // index of the name's button
        Qt::Key key;
        std::string chosen;
    };
    const Row rows[] = {{2, Qt::Key_Return, "Piet"}, {1, Qt::Key_Enter, "Anna"}, // Enter: keypad
                        {2, Qt::Key_Escape, ""}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.chosen);
        std::string chosen;
        frmStart w(users, dialogs, failures, [&](const std::string &name) { chosen = name; });
        w.show();
        QPushButton *button = w.findChildren<QPushButton *>("btnUser").at(row.focused);
        if (row.focused != 1)
            button->setFocus();
        EXPECT_EQ(w.focusWidget(), button);
        QTest::keyClick(button, row.key);
        EXPECT_EQ(chosen, row.chosen);
        EXPECT_FALSE(w.isVisible());
    }
}

TEST_F(UsersWindows, EditDialogAddsAndRemovesTheSelectedEntryAndTellsAFailureOnce)
{
    Store("Anna|Piet");
    clsUsers users;
    frmEditUsers d(users, dialogs, failures);
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
    gLanguageChange().Change("NL");
    settings.failWrites = true;
    dialogs.answers = {"Kees"};
    Button(d, "btnAddUser")->click();
    list->item(0)->setSelected(true); // the refilled list: Piet, Anna, Kees
    EXPECT_EQ(remove->text(), "Gebruiker weg halen: Piet");
    remove->click();
    ASSERT_EQ(dialogs.calls.size(), 4u); // the settings notice comes once
    EXPECT_NE(dialogs.calls[3].text.find("disk full"), std::string::npos);
    // Unsaved, both changes hold for the run, as the notice says.
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text() + list->item(1)->text(), "AnnaKees");
    EXPECT_EQ(users.Item(2), "Kees");
}

} // namespace
