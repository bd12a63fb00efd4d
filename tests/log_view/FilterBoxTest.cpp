#include "localisation/gclsLanguageChange.h"
#include "log_view/FilterSelection.h"
#include "log_view/UpdateComboFilter.h"
#include "support/FakeSettings.h"
#include "users/clsUsers.h"

#include <QComboBox>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

namespace {

using Entries = std::vector<std::string>;

class FilterBox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetLanguageChangeForTests();
        settings.Write("Sitclock", "Edit", "Users", "Jan|Jansen|Piet");
        users = std::make_unique<clsUsers>();
        box.setEditable(true);
        box.setEditText(QStringLiteral("Alles (zonder Idle)"));
        QObject::connect(&box, &QComboBox::editTextChanged,
                         [this](const QString &t) { changes.push_back(t.toStdString()); });
    }
    void TearDown() override { ResetLanguageChangeForTests(); }

    Entries Items() const
    {
        Entries items;
        for (int i = 0; i < box.count(); ++i)
            items.push_back(box.itemText(i).toStdString());
        return items;
    }

    zk::test::FakeSettings settings;
    std::unique_ptr<clsUsers> users;
    QComboBox box;
    Entries changes;
};

// The box's first text is Dutch; under English it is a filter text of its own.
TEST_F(FilterBox, EntriesAndTheirFiltersInBothLanguages)
{
    EXPECT_EQ(FilterEntries(*users),
              (Entries{"All (without Idle)", "All", "Idle", "Jan", "Jansen", "Piet"}));
    const char *rows[][3] = {
        // text, filter under English, filter under Dutch
        {"All (without Idle)", "-Idle", "All (without Idle)"},
        {"Alles (zonder Idle)", "Alles (zonder Idle)", "-Idle"},
        {"All", "", "All"}, {"Alles", "Alles", ""}, {"Idle", "Idle", "Idle"},
        {"-Jan", "-Jan", "-Jan"}, {"jan", "jan", "jan"}};
    for (const int nl : {0, 1}) {
        gLanguageChange().Change(nl ? "NL" : "ENG");
        for (const auto &row : rows)
            EXPECT_EQ(FilterForComboText(row[0]), row[1 + nl]) << row[0];
    }
    settings.Write("Sitclock", "Edit", "Users", "");
    users = std::make_unique<clsUsers>();
    EXPECT_EQ(FilterEntries(*users), (Entries{"Alles (zonder Idle)", "Alles", "Idle"}));
}

TEST_F(FilterBox, RebuildingKeepsTheTextAndReportsItOnce)
{
    UpdateComboFilter(box, nullptr);
    EXPECT_EQ(box.count(), 0);
    EXPECT_TRUE(changes.empty());

    UpdateComboFilter(box, users.get());
    EXPECT_EQ(Items(), (Entries{"All (without Idle)", "All", "Idle", "Jan", "Jansen", "Piet"}));
    EXPECT_EQ(box.currentText(), "Alles (zonder Idle)");
    EXPECT_EQ(changes, (Entries{"Alles (zonder Idle)"}));

    // Picking, typing and the program's own text all reach the change handler.
    changes.clear();
    box.setCurrentIndex(3);
    box.setEditText(QStringLiteral("-Jan"));
    box.setCurrentText(QStringLiteral("Idle"));
    EXPECT_EQ(changes, (Entries{"Jan", "-Jan", "Idle"}));

    // A text that is the first entry's is reported again after the rebuild.
    box.setCurrentIndex(0);
    changes.clear();
    users->Add("Kees");
    UpdateComboFilter(box, users.get());
    EXPECT_EQ(Items().back(), "Kees");
    EXPECT_EQ(box.currentText(), "All (without Idle)");
    EXPECT_EQ(changes, (Entries{"All (without Idle)"}));

    // An empty text stays empty and silent.
    box.setEditText(QString());
    changes.clear();
    UpdateComboFilter(box, users.get());
    EXPECT_EQ(box.currentText(), "");
    EXPECT_TRUE(changes.empty());
}

} // namespace
