#include "users/clsUsers.h"

#include "support/FakeSettings.h"

#include <gtest/gtest.h>

namespace {

using V = std::vector<std::string>;

class Users : public ::testing::Test
{
protected:
    void Store(const std::string &joined) { settings.Write("Sitclock", "Edit", "Users", joined); }
    std::string Stored() const { return settings.Get("Edit", "Users").value_or("absent"); }

    zk::test::FakeSettings settings;
};

enum class Op { Add, Remove, RemoveByName, SetItem };

// Makes the change of a row: a name for Add, RemoveByName and SetItem, a number for Remove and
// SetItem.
void Apply(clsUsers &users, Op op, std::int16_t number, const std::string &name)
{
    switch (op) {
    case Op::Add:
        users.Add(name);
        break;
    case Op::Remove:
        users.Remove(number);
        break;
    case Op::RemoveByName:
        users.RemoveByName(name);
        break;
    case Op::SetItem:
        users.Item(number, name);
        break;
    }
}

// Each change is saved before it is announced; numbers outside the list change nothing.
TEST_F(Users, EachChangeIsStoredThenAnnounced)
{
    struct Row
    {
        const char *stored;
        Op op;
        std::int16_t number;
        const char *name;
        const char *after; // nullptr: nothing changes, nothing is announced
    };
    const Row rows[] = {
        {.stored = "Anna|Piet", .op = Op::Add, .number = 0, .name = "Anna",
         .after = "Anna|Piet|Anna"},
        {.stored = "Anna|Piet|Anna", .op = Op::RemoveByName, .number = 0, .name = "Anna",
         .after = "Piet|Anna"}, // the first one
        {.stored = "Piet|anna|Anna", .op = Op::RemoveByName, .number = 0, .name = "Anna",
         .after = "Piet|anna"}, // exact names, the last too
        {.stored = "Anna|Piet", .op = Op::Remove, .number = 1, .name = "", .after = "Piet"},
        {.stored = "Anna|Piet", .op = Op::Remove, .number = 0, .name = "", .after = nullptr},
        {.stored = "Anna|Piet", .op = Op::Remove, .number = 3, .name = "", .after = nullptr},
        {.stored = "Anna|Piet", .op = Op::SetItem, .number = 2, .name = "Joke",
         .after = "Anna|Joke"},
        {.stored = "Anna|Piet", .op = Op::SetItem, .number = 100, .name = "Kees",
         .after = "Anna|Piet"}, // beyond the count: not in the list
        {.stored = "Anna|Piet", .op = Op::SetItem, .number = 0, .name = "X",
         .after = "Anna|Piet"}, // slot 0 is held too
        {.stored = "Anna|Piet", .op = Op::SetItem, .number = -1, .name = "X", .after = nullptr},
        {.stored = "Anna|Piet", .op = Op::SetItem, .number = 101, .name = "X", .after = nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.stored) + " " + std::to_string(static_cast<int>(row.op))
                     + " " + std::to_string(row.number));
        Store(row.stored);
        clsUsers users;
        V told;
        auto c = users.Change.Connect([&] { told.push_back(Stored()); });
        Apply(users, row.op, row.number, row.name);
        EXPECT_EQ(told, row.after ? V{row.after} : V{});
        EXPECT_EQ(Stored(), row.after ? row.after : row.stored);
        EXPECT_EQ(users.Item(users.Count() + 1), ""); // a freed slot is emptied
    }
}

// A change the settings cannot take holds for the run and is announced; the stored list stays.
TEST_F(Users, AHundredAtMostAndUnsavedChangesHoldForTheRun)
{
    int changes = 0;
    {
        clsUsers users;
        EXPECT_EQ(Stored(), "absent"); // loading alone writes nothing
        for (int i = 1; i <= 100; ++i)
            users.Add("u" + std::to_string(i));
        auto c = users.Change.Connect([&] { ++changes; });
        const std::string full = Stored();
        EXPECT_THROW(users.Add("Kees"), zk::UsersError);
        EXPECT_EQ(users.Item(-32768) + users.Item(-1) + users.Item(101) + users.Item(32767), "");
        EXPECT_EQ(Stored(), full);
        settings.failWrites = true;
        EXPECT_THROW(users.RemoveByName("u1"), zk::SettingsError);
        EXPECT_THROW(users.Item(1, "Joke"), zk::SettingsError);
        EXPECT_THROW(users.Add("Kees"), zk::SettingsError);
        EXPECT_EQ(users.AllNames().front() + users.AllNames().back(), "JokeKees");
        EXPECT_EQ(users.Count(), 100);
        EXPECT_EQ(changes, 3);
        EXPECT_EQ(Stored(), full);
    } // destruction with a failing store must not throw
    settings.failWrites = false;
    EXPECT_EQ(clsUsers().Item(100), "u100");
}

} // namespace
