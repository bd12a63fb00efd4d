#include "users/clsUsers.h"

#include "support/FakeSettings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using zk::test::FakeSettings;

std::optional<std::string> Stored(const FakeSettings &settings)
{
    return settings.Get("Edit", "Users", "Sitclock");
}

std::vector<std::string> Names(const clsUsers &users)
{
    std::vector<std::string> names;
    for (std::int16_t i = 1; i <= users.Count(); ++i)
        names.push_back(users.Item(i));
    return names;
}

struct ChangeCounter
{
    explicit ChangeCounter(clsUsers &users) : connection(users.Change.Connect([this] { ++n; })) {}
    int n = 0;
    zk::Signal<>::Connection connection;
};

using V = std::vector<std::string>;

TEST(Users, AddSavesBeforeAnnouncingAndKeepsOrderAndDuplicates)
{
    FakeSettings settings;
    clsUsers users;
    EXPECT_EQ(users.Count(), 0);
    EXPECT_FALSE(Stored(settings)); // loading alone writes nothing

    ChangeCounter changes(users);
    std::vector<std::optional<std::string>> seenByHandler;
    auto seen = users.Change.Connect([&] { seenByHandler.push_back(Stored(settings)); });

    users.Add("Anna");
    users.Add("Piet");
    users.Add("Anna");
    EXPECT_EQ(Stored(settings), "Anna|Piet|Anna");
    EXPECT_EQ(Names(users), (V{"Anna", "Piet", "Anna"}));
    EXPECT_EQ(changes.n, 3);
    EXPECT_EQ(seenByHandler.back(), "Anna|Piet|Anna");
    EXPECT_EQ(users.Item(5), "");
}

TEST(Users, StoredTextReadsBackNameForName)
{
    struct Case
    {
        std::string stored;
        V names;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"Anna|Piet", {"Anna", "Piet"}},
        {"Anna||Piet", {"Anna", "", "Piet"}},
        {"|", {"", ""}},
        {"Anna|", {"Anna", ""}},
        {" Kees \xE9\xFF", {" Kees \xE9\xFF"}},
    };
    for (const Case &c : cases) {
        FakeSettings settings;
        settings.Write("Sitclock", "Edit", "Users", c.stored);
        {
            clsUsers users;
            EXPECT_EQ(Names(users), c.names) << c.stored;
        }
        // The destructor writes the list back, unchanged.
        EXPECT_EQ(Stored(settings), c.stored);
    }
}

TEST(Users, NamesThatDoNotSurviveStorage)
{
    FakeSettings settings;
    {
        clsUsers users;
        users.Add("Jan|Klaas");
        EXPECT_EQ(users.Count(), 1);
    }
    EXPECT_EQ(clsUsers().Count(), 2); // a "|" inside a name splits it

    settings.Write("Sitclock", "Edit", "Users", "");
    {
        clsUsers users;
        users.Add("");
        EXPECT_EQ(users.Count(), 1);
        EXPECT_EQ(Stored(settings), "");
    }
    EXPECT_EQ(clsUsers().Count(), 0); // a single empty name comes back as no one
}

TEST(Users, RemoveByNameRemovesTheFirstExactMatchOnly)
{
    FakeSettings settings;
    settings.Write("Sitclock", "Edit", "Users", "Anna|Piet|Anna");
    clsUsers users;
    ChangeCounter changes(users);
    const int writes = settings.WriteCount();

    users.RemoveByName("anna");
    users.RemoveByName("Ann");
    EXPECT_EQ(changes.n, 0);
    EXPECT_EQ(settings.WriteCount(), writes);

    users.RemoveByName("Anna");
    EXPECT_EQ(Stored(settings), "Piet|Anna");
    EXPECT_EQ(changes.n, 1);
    EXPECT_EQ(users.Item(3), ""); // the freed slot is emptied

    users.RemoveByName("Anna");
    users.RemoveByName("Piet");
    EXPECT_EQ(users.Count(), 0);
    EXPECT_EQ(Stored(settings), "");
    EXPECT_EQ(changes.n, 3);
}

TEST(Users, OutOfRangeNumbersChangeNothing)
{
    FakeSettings settings;
    settings.Write("Sitclock", "Edit", "Users", "Anna|Piet");
    clsUsers users;
    ChangeCounter changes(users);
    for (int n : {0, 3, -1, 101, 32767, -32768})
        users.Remove(static_cast<std::int16_t>(n));
    for (int n : {-1, 101, 32767, -32768})
        EXPECT_EQ(users.Item(static_cast<std::int16_t>(n)), "");
    users.Item(-5, "X");
    users.Item(101, "X");
    EXPECT_EQ(Names(users), (V{"Anna", "Piet"}));
    EXPECT_EQ(changes.n, 0);

    // A name set beyond the count is held in its slot but is not part of the list.
    users.Item(7, "Kees");
    EXPECT_EQ(users.Item(7), "Kees");
    EXPECT_EQ(Stored(settings), "Anna|Piet");
    users.Item(2, "Joke");
    EXPECT_EQ(Stored(settings), "Anna|Joke");
    EXPECT_EQ(changes.n, 2);
}

TEST(Users, HoldsAtMostAHundredWhateverIsAskedOrStored)
{
    FakeSettings settings;
    {
        clsUsers users;
        for (int i = 1; i <= 100; ++i)
            users.Add("u" + std::to_string(i));
        ChangeCounter changes(users);
        const std::string full = *Stored(settings);
        const int writes = settings.WriteCount();
        EXPECT_THROW(users.Add("u101"), zk::UsersError);
        EXPECT_EQ(users.Count(), 100);
        EXPECT_EQ(users.Item(100), "u100");
        EXPECT_EQ(changes.n, 0);
        EXPECT_EQ(settings.WriteCount(), writes);
        EXPECT_EQ(Stored(settings), full);
    }

    // 300 names stored by hand: the first hundred are kept.
    std::string many;
    for (int i = 1; i <= 300; ++i)
        many += (i > 1 ? "|" : "") + std::string("n") + std::to_string(i);
    settings.Write("Sitclock", "Edit", "Users", many);
    {
        clsUsers users;
        EXPECT_EQ(users.Count(), 100);
        EXPECT_EQ(users.Item(100), "n100");
    }

    // Nothing but separators, a megabyte of them.
    settings.Write("Sitclock", "Edit", "Users", std::string(1 << 20, '|'));
    {
        clsUsers users;
        EXPECT_EQ(users.Count(), 100);
        EXPECT_EQ(users.Item(1), "");
    }

    // A megabyte of one name: only the first 32767 characters are read.
    settings.Write("Sitclock", "Edit", "Users", std::string(1 << 20, 'a') + "|Piet");
    clsUsers users;
    EXPECT_EQ(users.Count(), 1);
    EXPECT_EQ(users.Item(1), std::string(32767, 'a'));
}

TEST(Users, SettingsFailureReachesTheCallerAndLeavesTheListAsStored)
{
    FakeSettings settings;
    settings.Write("Sitclock", "Edit", "Users", "Anna|Piet");
    {
        clsUsers users;
        ChangeCounter changes(users);
        settings.failWrites = true;
        EXPECT_THROW(users.Add("Kees"), zk::SettingsError);
        EXPECT_THROW(users.RemoveByName("Anna"), zk::SettingsError);
        EXPECT_THROW(users.Item(1, "Joke"), zk::SettingsError);
        EXPECT_EQ(Names(users), (V{"Anna", "Piet"}));
        EXPECT_EQ(changes.n, 0);
        // Destruction with a failing store must not throw.
    }
    settings.failWrites = false;
    EXPECT_EQ(Stored(settings), "Anna|Piet");
}

TEST(Users, FullListErrorSaysWhy)
{
    FakeSettings settings;
    clsUsers users;
    for (int i = 0; i < 100; ++i)
        users.Add("x");
    try {
        users.Add("Kees");
        FAIL() << "a 101st user was accepted";
    } catch (const zk::UsersError &e) {
        EXPECT_NE(std::string(e.what()).find("Kees"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("100"), std::string::npos);
    }
}

} // namespace
