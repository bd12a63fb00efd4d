#include "localisation/gclsLanguageChange.h"
#include "log_view/FilterSelection.h"
#include "log_view/UpdateComboFilter.h"
#include "support/FakeSettings.h"
#include "users/clsUsers.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

using Entries = std::vector<std::string>;

// The box's first text is Dutch; under English it is a filter text of its own.
TEST(FilterBox, EntriesAndTheirFiltersInBothLanguages)
{
    ResetLanguageChangeForTests();
    zk::test::FakeSettings settings;
    settings.Write("Sitclock", "Edit", "Users", "Jan|Piet");
    clsUsers users;
    EXPECT_EQ(FilterEntries(users), (Entries{"All (without Idle)", "All", "Idle", "Jan", "Piet"}));
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
    EXPECT_EQ(FilterEntries(users),
              (Entries{"Alles (zonder Idle)", "Alles", "Idle", "Jan", "Piet"}));

    // A rebuild keeps the text and reports it once; an empty text stays empty and silent.
    QComboBox box;
    box.setEditable(true);
    Entries changes;
    QObject::connect(&box, &QComboBox::editTextChanged,
                     [&](const QString &t) { changes.push_back(t.toStdString()); });
    UpdateComboFilter(box, nullptr);
    EXPECT_EQ(box.count(), 0);
    for (const char *text : {"Alles", "Jan", ""}) {
        box.setEditText(text);
        changes.clear();
        UpdateComboFilter(box, &users);
        EXPECT_EQ(box.count(), 5);
        EXPECT_EQ(box.currentText(), text);
        EXPECT_EQ(changes, *text ? Entries{text} : Entries{});
    }
    ResetLanguageChangeForTests();
}

} // namespace
