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
    static V Names(const clsUsers &users)
    {
        V names;
        for (std::int16_t i = 1; i <= users.Count(); ++i)
            names.push_back(users.Item(i));
        return names;
    }

    zk::test::FakeSettings settings;
};

TEST_F(Users, StoredTextReadsBackNameForNameAndIsWrittenBackUnchanged)
{
    const std::pair<std::string, V> rows[] = {
        {"", {}}, {"Anna|Piet", {"Anna", "Piet"}}, {"Anna||Piet", {"Anna", "", "Piet"}},
        {"|", {"", ""}}, {"Anna|", {"Anna", ""}}, {" Kees \xE9\xFF", {" Kees \xE9\xFF"}},
        {std::string(1 << 20, 'a') + "|Piet", {std::string(32767, 'a')}}, // 32767 read at most
    };
    for (const auto &[stored, names] : rows) {
        SCOPED_TRACE(stored.substr(0, 20));
        Store(stored);
        EXPECT_EQ(Names(clsUsers()), names);
        EXPECT_EQ(Stored(), stored.substr(0, 32767)); // written back as the list goes
    }
    std::string many;
    for (int i = 1; i <= 300; ++i)
        many += "n" + std::to_string(i) + "|";
    Store(many);
    EXPECT_EQ(Names(clsUsers()).back(), "n100"); // the first hundred are kept
}

// Each change is saved before it is announced; numbers outside the list change nothing.
TEST_F(Users, EachChangeIsStoredThenAnnounced)
{
    enum Op { Add, Remove, RemoveByName, SetItem }; // rows: stored, change, number, name, after
    const std::tuple<const char *, Op, std::int16_t, const char *, const char *> rows[] = {
        {"Anna|Piet", Add, 0, "Anna", "Anna|Piet|Anna"},
        {"Anna|Piet|Anna", RemoveByName, 0, "Anna", "Piet|Anna"}, // the first one
        {"Piet|anna|Anna", RemoveByName, 0, "Anna", "Piet|anna"}, // exact names, the last too
        {"Anna|Piet", Remove, 1, "", "Piet"}, {"Anna|Piet", Remove, 2, "", "Anna"},
        {"Anna|Piet", Remove, 0, "", nullptr}, {"Anna|Piet", Remove, 3, "", nullptr},
        {"Anna|Piet", SetItem, 2, "Joke", "Anna|Joke"},
        {"Anna|Piet", SetItem, 100, "Kees", "Anna|Piet"}, // beyond the count: not in the list
        {"Anna|Piet", SetItem, 0, "X", "Anna|Piet"}, // slot 0 is held too
        {"Anna|Piet", SetItem, -1, "X", nullptr}, {"Anna|Piet", SetItem, 101, "X", nullptr},
    };
    for (const auto &[stored, op, n, name, after] : rows) {
        SCOPED_TRACE(std::string(stored) + " " + std::to_string(op) + " " + std::to_string(n));
        Store(stored);
        clsUsers users;
        V told;
        auto c = users.Change.Connect([&] { told.push_back(Stored()); });
        op == Add      ? users.Add(name)
        : op == Remove ? users.Remove(n)
                       : (op == RemoveByName ? users.RemoveByName(name) : users.Item(n, name));
        EXPECT_EQ(told, after ? V{after} : V{});
        EXPECT_EQ(Stored(), after ? after : stored);
        EXPECT_EQ(users.Item(users.Count() + 1), ""); // a freed slot is emptied
    }
}

TEST_F(Users, AHundredAtMostAndFailuresLeaveTheListAsStored)
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
        EXPECT_EQ(users.Item(1), "u1");
        EXPECT_EQ(changes, 0);
    } // destruction with a failing store must not throw
    settings.failWrites = false;
    EXPECT_EQ(clsUsers().Item(100), "u100");
}

} // namespace
