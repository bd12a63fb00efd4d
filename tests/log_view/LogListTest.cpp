#include "activity_log/clsActionsDbase.h"
#include "localisation/gclsLanguageChange.h"
#include "log_view/LogListModel.h"
#include "log_view/UCWatchActionsDbase.h"
#include "support/FakeClock.h"
#include "support/FakeSettings.h"
#include "support/FixedMonthNames.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"
#include "users/clsUsers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

using namespace zk::test;
using Texts = std::vector<std::string>;
using Tags = std::vector<int>;

// A household's log: work, idle time, a stretch over midnight, a short one, an empty
// description and three damaged records (the last without its terminator).
std::string MixedLog()
{
    return Bytes({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Jan werkt"},
                  {{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 10, 0}, "Idle"},
                  {{2026, 12, 5, 23, 0, 0}, {2026, 12, 6, 1, 0, 0}, "Jansen speelt"},
                  {{2026, 12, 1, 10, 0, 0}, {2026, 12, 1, 10, 0, 30}, "Piet"},
                  {{2026, 12, 6, 7, 0, 0}, {2026, 12, 6, 7, 30, 0}, ""},
                  {{2026, 13, 0, 7, 0, 0}, {0, 0, 0, 0, 0, 0}, "Piet Idleness"},
                  {{1, 1, 1, 0, 0, 0}, {2000000000, 1, 1, 0, 0, 0}, "Jan oud"}}) +
           RecordBytes({2026, 12, 6, 6, 0, 0}, {2026, 12, 6, 6, 5, 0},
                       Stored("Piet idle " + std::string(90, 'x')).substr(0, 100));
}

class LogList : public ::testing::Test
{
protected:
    void TearDown() override { ResetLanguageChangeForTests(); }
    UCWatchActionsDbase &Open(const std::string &bytes, const std::string &filter)
    {
        WriteFileBytes(path, bytes);
        store.OpenFile(path);
        list.Constructor(store, filter, users);
        return list;
    }
    QAbstractItemModel *Model() { return list.findChild<QTreeView *>("ListView1")->model(); }
    Tags Shown()
    {
        Tags tags;
        for (int r = 0; r < Model()->rowCount(); ++r)
            tags.push_back(Model()->index(r, 0).data(LogListModel::TagRole).toInt());
        return tags;
    }
    Texts Row(int r, Qt::Orientation o = Qt::Horizontal)
    {
        Texts texts;
        for (int c = 0; c < 5; ++c)
            texts.push_back((r < 0 ? Model()->headerData(c, o) : Model()->index(r, c).data())
                                .toString().toStdString());
        return texts;
    }
    bool Red(int r)
    {
        return Model()->index(r, 0).data(Qt::ForegroundRole).value<QColor>() == Qt::red;
    }
    // Starts a stretch as the stretch controller does: start, end, then the name.
    void NewRecord(const std::string &name)
    {
        store.RecordNr(store.RecordCount() + 1);
        store.SetStartTimeToNow();
        store.SetEndTimeToNow();
        store.Description(name);
    }

    // The list hears the language of a fresh program.
    bool freshLanguage = (ResetLanguageChangeForTests(), true);
    FakeSettings settings;
    FakeClock clock{{2026, 12, 6, 9, 0, 0}};
    FixedMonthNames months;
    TempDir dir;
    std::string path = dir.File("actions.dat");
    clsUsers users;
    clsActionsDbase store;
    UCWatchActionsDbase list;
};

TEST_F(LogList, EveryFilterOverAMixedLogWithDamagedRecords)
{
    UCWatchActionsDbase &w = Open(MixedLog(), "");
    const std::pair<int, Texts> rows[] = {
        {0, {"Jan werkt", "Vandaag", "8:0:0", "9:0:0", "1 h 0"}},
        {1, {"Idle", "Vandaag", "9:0:0", "9:10:0", "10 minutes"}},
        {2, {"Jansen speelt", "5 dec - Vandaag", "23:0:0", "1:0:0", "2 h 0"}},
        {3, {"Piet", "1 dec", "10:0:0", "10:0:30", ""}},
        {5, {"Piet Idleness", "Ongeldige dag - Ongeldige dag", "7:0:0", "0:0:0", "N/A"}},
        {6, {"Jan oud", "1 jan - 1 jan", "0:0:0", "0:0:0", "N/A"}},
        {7, {"Piet idle " + std::string(90, 'x'), "Vandaag", "6:0:0", "6:5:0", "5 minutes"}},
    };
    for (const auto &[row, texts] : rows)
        EXPECT_EQ(Row(row), texts);
    const std::pair<std::string, Tags> filters[] = {
        {"-Idle", {1, 3, 4, 5, 7, 8}}, // "Idleness" hides, "idle" does not
        {"Idle", {2, 6}},     {"Jan", {1, 3, 7}}, {"-Jan", {2, 4, 5, 6, 8}},
        {"-", {5}},           {"jan", {}},        {"", {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    store.RecordNr(3);
    for (const auto &[filter, tags] : filters) {
        w.filter(filter);
        EXPECT_EQ(Shown(), tags) << "filter \"" << filter << "\"";
    }
    EXPECT_EQ(store.RecordNr(), 3);
    EXPECT_EQ(w.knownRecordCount(), 8);
    EXPECT_EQ(Model()->index(1, 0).data(LogListModel::KeyRole).toString(), "k2");
}

TEST_F(LogList, ChangesReachTheirRowAndNewStretchesFollowTheFilter)
{
    UCWatchActionsDbase &w = Open(MixedLog(), "Piet");
    NewRecord("Jan"); // never passes "Piet": no row, but the count follows
    EXPECT_EQ(Shown(), (Tags{4, 6, 8}));
    EXPECT_EQ(w.knownRecordCount(), 9);
    store.RecordNr(4); // a shown record that stops passing keeps its row, red
    store.Description("Jan");
    EXPECT_EQ(Row(0)[0], "Jan");
    EXPECT_TRUE(Red(0));
    EXPECT_FALSE(Red(1));
    w.filter("-Idle");
    NewRecord("Piet");
    EXPECT_EQ(Shown(), (Tags{1, 3, 4, 5, 7, 8, 9, 10}));
    clock.Advance(3660);
    store.SetEndTimeToNow();
    EXPECT_EQ(Row(7), (Texts{"Piet", "Vandaag", "9:0:0", "10:1:0", "1 h 1"}));
    EXPECT_EQ(ReadFileBytes(path).substr(9 * 148),
              Bytes({{{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 10, 1, 0}, "Piet"}}));
    store.Description("Piet Idle");
    EXPECT_TRUE(Red(7));
}

TEST_F(LogList, AStoreAttachedLaterAndAnEmptyLog)
{
    WriteFileBytes(path, "");
    store.OpenFile(path);
    EXPECT_EQ(list.WatchActionsDbase(), nullptr);
    EXPECT_EQ(list.GetTodayTimeFromUser("Jan"), 0);
    list.filter("Jan"); // kept for the first attach
    list.WatchActionsDbase(store);
    EXPECT_EQ(Model()->rowCount(), 0);
    NewRecord("Jan"); // its first change finds it without the name yet: no row
    EXPECT_EQ(Model()->rowCount(), 0);
    list.filter("Jan");
    EXPECT_EQ(Row(0), (Texts{"Jan", "Vandaag", "9:0:0", "9:0:0", ""}));
}

TEST_F(LogList, InPlaceEditsReachTheRecordUnlessAbandoned)
{
    Open(MixedLog(), "Jan");
    store.RecordNr(2);
    auto *view = list.findChild<QTreeView *>("ListView1");
    EXPECT_FALSE(Model()->flags(Model()->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(view->itemsExpandable());
    EXPECT_FALSE(Model()->setData(Model()->index(0, 0), "Piet", Qt::DisplayRole)); // no edit
    for (const auto &[text, key] :
         {std::pair{"Piet helpt", Qt::Key_Return}, {"", Qt::Key_Escape}}) {
        view->edit(Model()->index(0, 0));
        auto *editor = view->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
        QApplication::processEvents();
    }
    EXPECT_EQ(store.RecordNr(), 2);
    EXPECT_EQ(ReadFileBytes(path).substr(0, 148),
              Bytes({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Piet helpt"}}));
    EXPECT_EQ(Row(0)[0], "Piet helpt");
    EXPECT_TRUE(Red(0));
}

TEST_F(LogList, HeadersFollowTheLanguageAndDurationsAreWrittenWhenTheRowChanges)
{
    Open(MixedLog(), "");
    EXPECT_EQ(Row(-1), (Texts{"Description", "Day", "Start Time", "End Time", "Duration"}));
    EXPECT_NE(Row(-1, Qt::Vertical)[0], "Description");
    gLanguageChange().Change("NL");
    EXPECT_EQ(Row(-1), (Texts{"Beschrijving", "Dag", "Start tijd", "Eind tijd", "Duur"}));
    EXPECT_EQ(Row(0)[4], "1 h 0");
    store.RecordNr(1);
    store.EndDateTimeMinute(30);
    EXPECT_EQ(Row(0)[4], "1 uur 30");
    gLanguageChange().Change("XX"); // no duration words: the cell stays as it was
    store.EndDateTimeMinute(45);
    EXPECT_EQ(Row(0)[3], "9:45:0");
    EXPECT_EQ(Row(0)[4], "1 uur 30");
}

// The daily total counts records that ended today and whose description begins with the name.
TEST_F(LogList, DailyTotalByTheDayRecordsEndedAndByNamePrefix)
{
    UCWatchActionsDbase &w = Open(Bytes({
        {{2026, 12, 5, 23, 0, 0}, {2026, 12, 6, 1, 0, 0}, "Jan"},       // 7200
        {{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 30, 59}, "Jansen"},   // 1859
        {{2026, 12, 5, 10, 0, 0}, {2026, 12, 5, 11, 0, 0}, "Jan"},      // yesterday
        {{2026, 12, 6, 10, 0, 0}, {0, 0, 0, 0, 0, 0}, "Jan"},           // no end
        {{2026, 12, 6, 10, 0, 0}, {2026, 12, 6, 10, 10, 0}, "jan"},     // 600, other case
        {{2026, 11, 6, 10, 0, 0}, {2026, 11, 6, 11, 0, 0}, "Jan"},      // a month ago
        {{2025, 12, 6, 10, 0, 0}, {2025, 12, 6, 11, 0, 0}, "Jan"},      // a year ago
        {{1, 1, 1, 0, 0, 0}, {2026, 12, 6, 0, 0, 0}, "Jan oud"},        // no duration
        {{2026, 12, 6, 11, 0, 0}, {2026, 12, 6, 11, 1, 0}, "Ja"}}),     // 60
        "-Idle");
    store.RecordNr(5);
    const std::pair<const char *, std::int32_t> totals[] = {
        {"Jan", 9059}, {"Jansen", 1859}, {"", 9719}, {"Kees", 0}, {"J", 9119}};
    for (const auto &[name, seconds] : totals)
        EXPECT_EQ(w.GetTodayTimeFromUser(name), seconds) << name;
    EXPECT_EQ(store.RecordNr(), 5);
    store.RecordNr(3); // changes count at once, shown or not
    store.EndDateTimeDay(6);
    store.RecordNr(1);
    store.EndDateTimeHour(2);
    NewRecord("Jan");
    clock.Advance(120);
    store.SetEndTimeToNow();
    EXPECT_EQ(w.GetTodayTimeFromUser("Jan"), 9059 + 3600 + 90000 + 120);
    clock.Set({2026, 12, 7, 0, 0, 1});
    EXPECT_EQ(w.GetTodayTimeFromUser("Jan"), 0);
}

} // namespace
