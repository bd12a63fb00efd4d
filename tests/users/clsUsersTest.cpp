#include "users/clsUsers.h"

#include "support/FakeSettings.h"

#include <gtest/gtest.h>

#include <optional>

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
    int changes = 0;
};

TEST_F(Users, StoredTextReadsBackNameForNameAndIsWrittenBackUnchanged)
{
    const std::pair<std::string, V> rows[] = {
        {"", {}}, {"Anna|Piet", {"Anna", "Piet"}}, {"Anna||Piet", {"Anna", "", "Piet"}},
        {"|", {"", ""}}, {"Anna|", {"Anna", ""}}, {" Kees \xE9\xFF", {" Kees \xE9\xFF"}},
        {std::string(1 << 20, 'a') + "|Piet", {std::string(32767, 'a')}}, // 32767 read at most
    };
    for (const auto &[stored, names] : rows) {
        Store(stored);
        EXPECT_EQ(Names(clsUsers()), names) << stored.substr(0, 20);
        std::string joined; // what the list writes back when it goes
        for (const std::string &name : names)
            joined += (joined.empty() && &name == &names.front() ? "" : "|") + name;
        EXPECT_EQ(Stored(), joined) << stored.substr(0, 20);
    }
    std::string many;
    for (int i = 1; i <= 300; ++i)
        many += "n" + std::to_string(i) + "|";
    for (const std::string &stored : {many, std::string(1 << 20, '|')}) {
        Store(stored);
        clsUsers users; // the first hundred are kept
        EXPECT_EQ(users.Count(), 100);
        EXPECT_EQ(users.Item(100), stored[0] == 'n' ? "n100" : "");
    }
}

TEST_F(Users, AddAndRemoveSaveBeforeAnnouncing)
{
    clsUsers users;
    EXPECT_EQ(Stored(), "absent"); // loading alone writes nothing
    V seen;
    auto c = users.Change.Connect([&] { seen.push_back(Stored()); });
    for (const char *name : {"Anna", "Piet", "Anna"})
        users.Add(name);
    EXPECT_EQ(Names(users), (V{"Anna", "Piet", "Anna"}));
    const int writes = settings.WriteCount();
    users.RemoveByName("anna"); // exact names only: nothing happens
    users.RemoveByName("Ann");
    EXPECT_EQ(settings.WriteCount(), writes);
    users.RemoveByName("Anna"); // the first one
    EXPECT_EQ(users.Item(3), ""); // the freed slot is emptied
    users.RemoveByName("Anna");
    users.RemoveByName("Piet");
    EXPECT_EQ(seen, (V{"Anna", "Anna|Piet", "Anna|Piet|Anna", "Piet|Anna", "Piet", ""}));

    users.Add("Jan|Klaas"); // a "|" inside a name splits it after a reload
    EXPECT_EQ(clsUsers().Count(), 2);
}

TEST_F(Users, NumbersOutsideTheListChangeNothing)
{
    Store("Anna|Piet");
    clsUsers users;
    auto c = users.Change.Connect([&] { ++changes; });
    for (int n : {0, 3, -1, 101, 32767, -32768})
        users.Remove(static_cast<std::int16_t>(n));
    for (int n : {-1, 101, 32767, -32768}) {
        EXPECT_EQ(users.Item(static_cast<std::int16_t>(n)), "") << n;
        users.Item(static_cast<std::int16_t>(n), "X");
    }
    EXPECT_EQ(Names(users), (V{"Anna", "Piet"}));
    EXPECT_EQ(changes, 0);
    users.Item(100, "Kees"); // beyond the count: held in its slot, not part of the list
    EXPECT_EQ(users.Item(100), "Kees");
    users.Item(2, "Joke");
    EXPECT_EQ(Stored(), "Anna|Joke");
    users.Remove(1);
    EXPECT_EQ(Stored(), "Joke");
}

TEST_F(Users, AHundredAtMostAndFailuresLeaveTheListAsStored)
{
    {
        clsUsers users;
        for (int i = 1; i <= 100; ++i)
            users.Add("u" + std::to_string(i));
        auto c = users.Change.Connect([&] { ++changes; });
        const std::string full = Stored();
        try {
            users.Add("Kees");
            ADD_FAILURE() << "a 101st user was accepted";
        } catch (const zk::UsersError &e) {
            EXPECT_NE(std::string(e.what()).find("Kees"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("100"), std::string::npos) << e.what();
        }
        EXPECT_EQ(users.Count(), 100);
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
