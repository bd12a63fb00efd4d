#include "activity_log/clsActionsDbase.h"
#include "failure/FailureReporter.h"
#include "log_view/FilterSelection.h"
#include "log_view/LogListModel.h"
#include "log_view/UCWatchActionsDbase.h"
#include "log_view/UpdateComboFilter.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakeSettings.h"
#include "support/FixedMonthNames.h"
#include "support/FreshLanguage.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"
#include "users/clsUsers.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeView>
#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace zk::test;
using Texts = std::vector<std::string>;
using Tags = std::vector<int>;

// A household's log: work, idle time, a stretch over midnight, a short one, an empty
// description and two damaged records.
const std::string kMixedLog =
    Bytes({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Jan werkt"},
           {{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 10, 0}, "Idle"},
           {{2026, 12, 5, 23, 0, 0}, {2026, 12, 6, 1, 0, 0}, "Jansen speelt"},
           {{2026, 12, 1, 10, 0, 0}, {2026, 12, 1, 10, 0, 30}, "Piet"},
           {{2026, 12, 6, 7, 0, 0}, {2026, 12, 6, 7, 30, 0}, ""},
           {{2026, 13, 0, 7, 0, 0}, {0, 0, 0, 0, 0, 0}, "Piet Idleness"},
           {{1, 1, 1, 0, 0, 0}, {2000000000, 1, 1, 0, 0, 0}, "Jan oud"}});

class LogList : public ::testing::Test
{
protected:
    void Open(const std::string &bytes, const std::string &filter)
    {
        WriteFileBytes(path, bytes);
        store.OpenFile(path);
        list.Constructor(store, filter, users);
    }
    QAbstractItemModel *Model() { return list.findChild<QTreeView *>("ListView1")->model(); }
    Tags Shown()
    {
        Tags tags;
        for (int r = 0; r < Model()->rowCount(); ++r)
            tags.push_back(Model()->index(r, 0).data(LogListModel::TagRole).toInt());
        return tags;
    }
    Texts Row(int r) // -1: the headers
    {
        Texts texts;
        for (int c = 0; c < 5; ++c)
            texts.push_back((r < 0 ? Model()->headerData(c, Qt::Horizontal)
                                   : Model()->index(r, c).data()).toString().toStdString());
        return texts;
    }
    // None for the palette's text colour, readable on a light and on a dark theme.
    QVariant Colour(int r) { return Model()->index(r, 0).data(Qt::ForegroundRole); }
    void NewRecord(const std::string &name) // as a stretch starts: start, end, then the name
    {
        store.RecordNr(store.RecordCount() + 1);
        store.SetStartTimeToNow();
        store.SetEndTimeToNow();
        store.Description(name);
    }

    FakeSettings settings;
    FreshLanguage language; // heard by the list
    FakeClock clock{{2026, 12, 6, 9, 0, 0}};
    FixedMonthNames months;
    TempDir dir;
    std::string path = dir.File("actions.dat");
    clsUsers users;
    clsActionsDbase store;
    FakeDialogs dialogs;
    FailureReporter failures{dialogs};
    UCWatchActionsDbase list{failures};
};

TEST_F(LogList, EveryFilterOverAMixedLogWithDamagedRecordsAndHeadersInBothLanguages)
{
    Open(kMixedLog, "");
    const std::pair<int, Texts> rows[] = {
        {0, {"Jan werkt", "Vandaag", "8:0:0", "9:0:0", "1 h 0"}},
        {3, {"Piet", "1 dec", "10:0:0", "10:0:30", ""}},
        {5, {"Piet Idleness", "Ongeldige dag - Ongeldige dag", "7:0:0", "0:0:0", "N/A"}},
        {6, {"Jan oud", "1 jan - 1 jan", "0:0:0", "0:0:0", "N/A"}},
        {-1, {"Description", "Day", "Start Time", "End Time", "Duration"}},
    };
    for (const auto &[row, texts] : rows)
        EXPECT_EQ(Row(row), texts);
    const std::pair<std::string, Tags> filters[] = {
        {"-Idle", {1, 3, 4, 5, 7}}, // "Idleness" hides too
        {"Idle", {2, 6}}, {"Jan", {1, 3, 7}}, {"-Jan", {2, 4, 5, 6}},
        {"-", {5}},       {"jan", {}},        {"", {1, 2, 3, 4, 5, 6, 7}},
    };
    store.RecordNr(3);
    for (const auto &[filter, tags] : filters) {
        list.filter(filter);
        EXPECT_EQ(Shown(), tags) << "filter \"" << filter << "\"";
    }
    EXPECT_EQ(Row(0)[0], "Jan werkt"); // made when shown, beside the cursor
    EXPECT_EQ(store.RecordNr(), 3);
    EXPECT_EQ(list.knownRecordCount(), 7);
    EXPECT_EQ(Model()->index(1, 0).data(LogListModel::KeyRole).toString(), "k2");
    // Durations are written when their row changes, unless the language has no words for them.
    gLanguageChange().Change("NL");
    EXPECT_EQ(Row(-1), (Texts{"Beschrijving", "Dag", "Start tijd", "Eind tijd", "Duur"}));
    EXPECT_EQ(Model()->headerData(5, Qt::Horizontal).toInt(), 6); // past the columns: Qt's own
    EXPECT_EQ(Row(0)[4], "1 h 0");
    store.RecordNr(1);
    store.EndDateTimeMinute(30);
    EXPECT_EQ(Row(0)[4], "1 uur 30");
    gLanguageChange().Change("XX");
    store.EndDateTimeMinute(45);
    EXPECT_EQ(Row(0)[3], "9:45:0");
    EXPECT_EQ(Row(0)[4], "1 uur 30");
}

// An open editor keeps what is typed through refreshes of its row and another; only a changed,
// confirmed text is written, and the store's cursor stays where it was.
TEST_F(LogList, InPlaceEditsSurviveRefreshesAndReachTheRecordUnlessAbandoned)
{
    Open(kMixedLog, "Jan");
    list.show();
    auto *view = list.findChild<QTreeView *>("ListView1");
    EXPECT_FALSE(Model()->flags(Model()->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(Model()->setData(Model()->index(0, 0), "Piet", Qt::DisplayRole)); // no edit
    int changes = 0;
    auto counter = store.Change.Connect([&] { ++changes; });
    clock.Advance(60);
    const std::tuple<const char *, Qt::Key, int> rows[] = {
        {"Piet helpt", Qt::Key_Return, 1}, // passes "Jan" no more: red
        {"Jan leest", Qt::Key_Escape, 0},
        {"Piet helpt", Qt::Key_Return, 0}}; // unchanged: not written again
    for (const auto &[typed, key, expectedChanges] : rows) {
        SCOPED_TRACE(typed);
        view->edit(Model()->index(0, 0));
        auto *editor = view->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr);
        editor->setText(typed);
        for (std::int32_t nr : {3, 1}) {
            store.RecordNr(nr);
            store.SetEndTimeToNow();
        }
        store.RecordNr(2);
        EXPECT_EQ(editor->text().toStdString(), typed);
        changes = 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
        QApplication::processEvents();
        EXPECT_EQ(changes, expectedChanges);
        EXPECT_EQ(store.RecordNr(), 2);
    }
    EXPECT_EQ(ReadFileBytes(path).substr(0, 148),
              Bytes({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 9, 1, 0}, "Piet helpt"}}));
    EXPECT_EQ(Colour(0), QVariant(QColor(Qt::red)));
}

// Without a store the total is 0 and a filter is kept for the first one; with one, today's total
// is counted once and kept until the list is rebuilt, which reads the file anew.
TEST_F(LogList, DailyTotalOfTheAttachedStore)
{
    EXPECT_EQ(list.GetTodayTimeFromUser("Jan"), 0);
    list.filter("Idle");
    const LogRecord jans{{2026, 12, 5, 23, 0, 0}, {2026, 12, 6, 1, 0, 0}, "Jan"};
    WriteFileBytes(path, Bytes({jans}));
    store.OpenFile(path);
    list.WatchActionsDbase(store);
    EXPECT_EQ(Shown(), Tags{});
    EXPECT_EQ(list.GetTodayTimeFromUser("Jan"), 7200);
    WriteFileBytes(path, Bytes({{jans.start, jans.end, "Piet"}})); // another program's write
    EXPECT_EQ(list.GetTodayTimeFromUser("Jan"), 7200);
    list.WatchActionsDbase(store);
    EXPECT_EQ(list.GetTodayTimeFromUser("Jan"), 0);
}

// Under English the Dutch first text is a filter text of its own. The box starts on its first
// entry; a rebuild after a language switch carries the first two entries over to the new
// language's texts, keeps any other text as typed and reports the text once (an empty one not).
TEST_F(LogList, FilterBoxEntriesAndTheirFiltersInBothLanguages)
{
    settings.Write("Sitclock", "Edit", "Users", "Jan|Piet");
    users.LoadFromRegistry();
    EXPECT_EQ(FilterEntries(users), (Texts{"All (without Idle)", "All", "Idle", "Jan", "Piet"}));
    const char *rows[][3] = {{"All (without Idle)", "-Idle", "All (without Idle)"}, // En, Nl
                             {"Alles (zonder Idle)", "Alles (zonder Idle)", "-Idle"},
                             {"All", "", "All"}, {"Alles", "Alles", ""}, {"Idle", "Idle", "Idle"}};
    for (const int nl : {0, 1}) {
        gLanguageChange().Change(nl ? "NL" : "ENG");
        for (const auto &row : rows)
            EXPECT_EQ(FilterForComboText(row[0]), row[1 + nl]) << row[0];
    }
    QComboBox box;
    box.setEditable(true);
    Texts changes;
    QObject::connect(&box, &QComboBox::editTextChanged,
                     [&](const QString &t) { changes.push_back(t.toStdString()); });
    UpdateComboFilter(box, nullptr);
    EXPECT_EQ(box.count(), 0);
    UpdateComboFilter(box, &users);
    EXPECT_EQ(box.currentText(), "Alles (zonder Idle)");
    struct Row
    {
        const char *text;
        const char *from;
        const char *to;
        const char *after;
    };
    const Row switches[] = {
        {.text = "Alles (zonder Idle)", .from = "NL", .to = "ENG", .after = "All (without Idle)"},
        {.text = "Alles", .from = "NL", .to = "ENG", .after = "All"},
        {.text = "All", .from = "ENG", .to = "NL", .after = "Alles"},
        {.text = "Alles", .from = "ENG", .to = "ENG", .after = "Alles"}, // typed, no entry
        {.text = "Jan", .from = "NL", .to = "ENG", .after = "Jan"},
        {.text = "", .from = "ENG", .to = "NL", .after = ""},
    };
    for (const Row &row : switches) {
        SCOPED_TRACE(std::string(row.text) + " " + row.from + ">" + row.to);
        gLanguageChange().Change(row.from);
        UpdateComboFilter(box, &users);
        box.setEditText(row.text);
        gLanguageChange().Change(row.to);
        changes.clear();
        UpdateComboFilter(box, &users);
        EXPECT_EQ(box.count(), 5);
        EXPECT_EQ(box.currentText(), row.after);
        EXPECT_EQ(changes, *row.after ? Texts{row.after} : Texts{});
    }
}

} // namespace
