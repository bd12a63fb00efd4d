#include "localisation/Module2.h"
#include "localisation/Module2Tables.h"

#include "FakeTarget.h"

#include <gtest/gtest.h>

#include <set>

using namespace zk::translation;

TEST(TranslationTables, EveryKeyComesOnceWithATextInBothLanguages)
{
    for (Table table : {Table::ControlNames, Table::ColumnKeys, Table::Messages}) {
        for (Language language : {Language::NL, Language::ENG}) {
            std::set<std::string> keys;
            for (const auto &[key, text] : TableRows(table, language)) {
                EXPECT_TRUE(keys.insert(key).second) << key;
                EXPECT_FALSE(text.empty()) << key;
            }
            EXPECT_EQ(TableMap(table, language).size(), TableRows(table, language).size());
        }
    }
}

// Callers replace "$user$", "$time$", "$time2$" in English and "$tijd$", "$tijd2$" in Dutch.
TEST(TranslationTables, EveryPlaceholderSurvivesTranslation)
{
    const char *placeholders[][3] = {
        {"$user$", "$user$", "$user$"}, {"$time$", "$tijd$", "$time$"},
        {"$time2$", "$tijd2$", "$time2$"}};
    for (const auto &[key, nl] : TableRows(Table::Messages, Language::NL)) {
        const std::string eng = TranslateTextENG(key);
        for (const auto &p : placeholders) {
            const bool inKey = key.find(p[0]) != std::string::npos;
            EXPECT_EQ(nl.find(p[1]) != std::string::npos, inKey) << nl;
            EXPECT_EQ(eng.find(p[2]) != std::string::npos, inKey) << eng;
        }
        EXPECT_EQ(nl.find("$time"), std::string::npos) << nl;
    }
}

// A control named like a column key, or a user's button, has no row; a text must match whole.
TEST(TranslationTables, OnlyExactKeysHaveTexts)
{
    for (const char *name : {"headDay", "Anna", "form1"}) {
        FakeTarget t = FakeTarget::Control(name);
        TranslateControlNL(t);
        EXPECT_EQ(t.caption, "initial caption") << name;
    }
    for (const char *missing : {"Alles ", "alles", "", "Zitklok is Idle!"})
        EXPECT_EQ(TranslateTextNL(missing) + TranslateTextENG(missing), "") << missing;
}
