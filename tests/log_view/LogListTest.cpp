#include "LogFile.h"

#include "activity_log/clsActionsDbase.h"
#include "localisation/gclsLanguageChange.h"
#include "log_view/LogListModel.h"
#include "log_view/UCWatchActionsDbase.h"
#include "support/FakeClock.h"
#include "support/FakeSettings.h"
#include "support/FixedMonthNames.h"
#include "support/TempDir.h"
#include "users/clsUsers.h"

#include <QApplication>
#include <QColor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeView>
#include <gtest/gtest.h>

#include <memory>

namespace {

using Texts = std::vector<std::string>;

LogRecord R(std::array<std::int32_t, 6> start, std::array<std::int32_t, 6> end,
            std::string description, bool terminated = true)
{
    return {start, end, std::move(description), terminated};
}

// A household's log: work, idle time, a stretch over midnight, a short one,
// an empty description and three damaged records.
std::vector<LogRecord> MixedLog()
{
    return {
        R({2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Jan werkt"),
        R({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 10, 0}, "Idle"),
        R({2026, 12, 5, 23, 0, 0}, {2026, 12, 6, 1, 0, 0}, "Jansen speelt"),
        R({2026, 12, 1, 10, 0, 0}, {2026, 12, 1, 10, 0, 30}, "Piet"),
        R({2026, 12, 6, 7, 0, 0}, {2026, 12, 6, 7, 30, 0}, ""),
        R({2026, 13, 0, 7, 0, 0}, {0, 0, 0, 0, 0, 0}, "Piet Idleness"),
        R({1, 1, 1, 0, 0, 0}, {2000000000, 1, 1, 0, 0, 0}, "Jan oud"),
        R({2026, 12, 6, 6, 0, 0}, {2026, 12, 6, 6, 5, 0}, "Piet idle " + std::string(90, 'x'),
          false),
    };
}

class LogList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetLanguageChangeForTests();
        settings.Write("Sitclock", "Edit", "Users", "Jan|Jansen|Piet");
        users = std::make_unique<clsUsers>();
    }
    void TearDown() override
    {
        list.reset();
        store.CloseFile();
        ResetLanguageChangeForTests();
    }

    void Open(const std::vector<LogRecord> &records)
    {
        zk::test::WriteFileBytes(path, LogBytes(records));
        store.OpenFile(path);
    }
    UCWatchActionsDbase &List(const std::string &filter)
    {
        list = std::make_unique<UCWatchActionsDbase>();
        list->Constructor(store, filter, *users);
        return *list;
    }

    QTreeView *View() const { return list->findChild<QTreeView *>(QStringLiteral("ListView1")); }
    QAbstractItemModel *Model() const { return View()->model(); }
    std::vector<int> Tags() const
    {
        std::vector<int> tags;
        for (int r = 0; r < Model()->rowCount(); ++r)
            tags.push_back(Model()->index(r, 0).data(LogListModel::TagRole).toInt());
        return tags;
    }
    Texts Row(int r) const
    {
        Texts texts;
        for (int c = 0; c < 5; ++c)
            texts.push_back(Model()->index(r, c).data().toString().toStdString());
        return texts;
    }
    QColor Colour(int r) const
    {
        return Model()->index(r, 0).data(Qt::ForegroundRole).value<QColor>();
    }
    Texts Headers() const
    {
        Texts texts;
        for (int c = 0; c < 5; ++c)
            texts.push_back(Model()->headerData(c, Qt::Horizontal).toString().toStdString());
        return texts;
    }
    std::string DescriptionOf(std::int32_t nr)
    {
        const std::int32_t saved = store.RecordNr();
        store.RecordNr(nr);
        std::string d = store.Description();
        store.RecordNr(saved);
        return d;
    }
    std::string FileRecord(int nr) const
    {
        return zk::test::ReadFileBytes(path).substr(static_cast<std::size_t>(nr - 1) * 148, 148);
    }
    // Starts a stretch as the stretch controller does: start, end, then the name.
    void NewRecord(const std::string &name)
    {
        store.RecordNr(store.RecordCount() + 1);
        store.SetStartTimeToNow();
        store.SetEndTimeToNow();
        store.Description(name);
    }

    zk::test::TempDir dir;
    std::string path = dir.File("actions.dat");
    zk::test::FakeSettings settings;
    zk::test::FakeClock clock{{2026, 12, 6, 9, 0, 0}};
    zk::test::FixedMonthNames months;
    std::unique_ptr<clsUsers> users;
    clsActionsDbase store;
    std::unique_ptr<UCWatchActionsDbase> list;
};

const QColor kBlack; // none of its own: the palette's text colour
const QColor kRed(255, 0, 0);

TEST_F(LogList, EveryFilterOverAMixedLogWithDamagedRecords)
{
    Open(MixedLog());
    store.RecordNr(3);
    EXPECT_EQ(List("-Idle").knownRecordCount(), 8);
    EXPECT_EQ(store.RecordNr(), 3);
    EXPECT_EQ(Tags(), (std::vector<int>{1, 3, 4, 5, 7, 8}));
    EXPECT_EQ(Model()->index(1, 0).data(LogListModel::KeyRole).toString(), "k3");

    // Row texts, the damaged ones included.
    UCWatchActionsDbase &w = List("");
    EXPECT_EQ(Row(0), (Texts{"Jan werkt", "Vandaag", "8:0:0", "9:0:0", "1 h 0"}));
    EXPECT_EQ(Row(1), (Texts{"Idle", "Vandaag", "9:0:0", "9:10:0", "10 minutes"}));
    EXPECT_EQ(Row(2), (Texts{"Jansen speelt", "5 dec - Vandaag", "23:0:0", "1:0:0", "2 h 0"}));
    EXPECT_EQ(Row(3), (Texts{"Piet", "1 dec", "10:0:0", "10:0:30", ""}));
    EXPECT_EQ(Row(5), (Texts{"Piet Idleness", "Ongeldige dag - Ongeldige dag", "7:0:0", "0:0:0",
                             "N/A"}));
    EXPECT_EQ(Row(6), (Texts{"Jan oud", "1 jan - 1 jan", "0:0:0", "0:0:0", "N/A"}));
    EXPECT_EQ(Row(7)[0], "Piet idle " + std::string(90, 'x'));
    EXPECT_EQ(Colour(0), kBlack);

    const std::vector<std::pair<std::string, std::vector<int>>> cases = {
        {"", {1, 2, 3, 4, 5, 6, 7, 8}},
        {"-Idle", {1, 3, 4, 5, 7, 8}}, // "Idleness" hides, "idle" does not
        {"Idle", {2, 6}},
        {"Jan", {1, 3, 7}}, // anywhere in the text: Jansen too
        {"-Jan", {2, 4, 5, 6, 8}},
        {"Piet", {4, 6, 8}},
        {"-", {5}}, // only the empty description lacks the empty text
        {"jan", {}},
    };
    for (const auto &[filter, tags] : cases) {
        w.filter(filter);
        EXPECT_EQ(w.filter(), filter);
        EXPECT_EQ(Tags(), tags) << "filter \"" << filter << "\"";
    }
    EXPECT_EQ(store.RecordNr(), 3);
}

TEST_F(LogList, StoreAttachedLaterAndEmptyLog)
{
    Open({});
    list = std::make_unique<UCWatchActionsDbase>();
    EXPECT_EQ(list->WatchActionsDbase(), nullptr);
    EXPECT_EQ(list->GetTodayTimeFromUser("Jan"), 0);
    list->filter("Jan"); // kept for the first attach
    list->WatchActionsDbase(store);
    EXPECT_EQ(list->WatchActionsDbase(), &store);
    EXPECT_EQ(Model()->rowCount(), 0);
    EXPECT_EQ(list->knownRecordCount(), 0);

    // The new record's first change finds it without the name yet: no row.
    NewRecord("Jan");
    EXPECT_EQ(Model()->rowCount(), 0);
    EXPECT_EQ(list->knownRecordCount(), 1);
    list->filter("Jan");
    EXPECT_EQ(Row(0), (Texts{"Jan", "Vandaag", "9:0:0", "9:0:0", ""}));
}

TEST_F(LogList, StretchesWhileTheListShowsAnotherUser)
{
    Open(MixedLog());
    UCWatchActionsDbase &w = List("Piet");

    // Jan's stretch never passes "Piet": no row, but the count follows.
    NewRecord("Jan");
    EXPECT_EQ(Tags(), (std::vector<int>{4, 6, 8}));
    EXPECT_EQ(w.knownRecordCount(), 9);

    // A shown record that stops passing keeps its row, red, until the rebuild.
    store.RecordNr(4);
    store.Description("Jan");
    EXPECT_EQ(Tags(), (std::vector<int>{4, 6, 8}));
    EXPECT_EQ(Row(0)[0], "Jan");
    EXPECT_EQ(Colour(0), kRed);
    EXPECT_EQ(Colour(1), kBlack);

    // The usual filter: a new stretch gets its row from its first change and
    // follows the minute updates.
    w.filter("-Idle");
    EXPECT_EQ(Tags(), (std::vector<int>{1, 3, 4, 5, 7, 8, 9}));
    NewRecord("Piet");
    EXPECT_EQ(Tags(), (std::vector<int>{1, 3, 4, 5, 7, 8, 9, 10}));
    clock.Advance(3660);
    store.SetEndTimeToNow();
    EXPECT_EQ(Row(7), (Texts{"Piet", "Vandaag", "9:0:0", "10:1:0", "1 h 1"}));
    EXPECT_EQ(Colour(7), kBlack);
    // A change of a shown record reaches the file at once.
    EXPECT_EQ(FileRecord(10),
              LogBytes({R({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 10, 1, 0}, "Piet")}));
    store.Description("Piet Idle");
    EXPECT_EQ(Colour(7), kRed);
    EXPECT_EQ(View()->currentIndex().isValid(), false); // scrolling selects nothing
}

TEST_F(LogList, InPlaceEditsReachTheRecordUnlessAbandoned)
{
    Open(MixedLog());
    UCWatchActionsDbase &w = List("Jan");
    store.RecordNr(2);
    const auto editRow = [&](int row, const QString &text, Qt::Key key) {
        View()->edit(Model()->index(row, 0));
        auto *editor = View()->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
        QApplication::processEvents();
    };
    EXPECT_FALSE(Model()->flags(Model()->index(0, 1)) & Qt::ItemIsEditable);

    editRow(0, QStringLiteral("Piet helpt"), Qt::Key_Return);
    EXPECT_EQ(store.RecordNr(), 2);
    EXPECT_EQ(DescriptionOf(1), "Piet helpt");
    EXPECT_EQ(FileRecord(1),
              LogBytes({R({2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Piet helpt")}));
    EXPECT_EQ(Tags(), (std::vector<int>{1, 3, 7}));
    EXPECT_EQ(Row(0)[0], "Piet helpt");
    EXPECT_EQ(Colour(0), kRed);

    editRow(1, QString(), Qt::Key_Escape);
    EXPECT_EQ(DescriptionOf(3), "Jansen speelt");
    EXPECT_EQ(Row(1)[0], "Jansen speelt");

    w.filter("Jan");
    EXPECT_EQ(Tags(), (std::vector<int>{3, 7}));
}

TEST_F(LogList, LanguageSwitchRelabelsHeadersButNotWrittenDurations)
{
    Open(MixedLog());
    UCWatchActionsDbase &w = List("");
    EXPECT_EQ(Headers(), (Texts{"Description", "Day", "Start Time", "End Time", "Duration"}));

    gLanguageChange().Change("NL");
    EXPECT_EQ(Headers(), (Texts{"Beschrijving", "Dag", "Start tijd", "Eind tijd", "Duur"}));
    EXPECT_EQ(Row(0)[4], "1 h 0");
    EXPECT_EQ(Row(5)[4], "N/A");

    store.RecordNr(1);
    store.EndDateTimeMinute(30);
    EXPECT_EQ(Row(0)[4], "1 uur 30");
    EXPECT_EQ(Row(2)[4], "2 h 0");

    w.filter("");
    EXPECT_EQ(Row(1)[4], "10 minuten");
    EXPECT_EQ(Row(2)[4], "2 uur 0");
    EXPECT_EQ(Row(5)[4], "N.v.t.");

    // A language without duration words leaves the cell as it was.
    gLanguageChange().Change("XX");
    EXPECT_EQ(Headers()[0], "Beschrijving");
    store.EndDateTimeMinute(45);
    EXPECT_EQ(Row(0)[3], "9:45:0");
    EXPECT_EQ(Row(0)[4], "1 uur 30");
}

TEST_F(LogList, UntranslatedStartWritesNoDurations)
{
    settings.Write("Sitclock", "Options", "Language", "XX");
    Open(MixedLog());
    List("");
    EXPECT_EQ(Headers(), (Texts{"Description", "Day", "StartTime", "EndTime", "Duration"}));
    EXPECT_EQ(Row(0)[4], "");
    EXPECT_EQ(View()->columnWidth(0), 250);
    EXPECT_EQ(View()->columnWidth(4), 90);
}

TEST_F(LogList, DailyTotalByTheDayRecordsEndedAndByNamePrefix)
{
    Open({
        R({2026, 12, 5, 23, 0, 0}, {2026, 12, 6, 1, 0, 0}, "Jan"),        // 7200 today
        R({2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 30, 59}, "Jansen"),    // 1859 today
        R({2026, 12, 5, 10, 0, 0}, {2026, 12, 5, 11, 0, 0}, "Jan"),       // yesterday
        R({2026, 12, 6, 10, 0, 0}, {0, 0, 0, 0, 0, 0}, "Jan"),            // no end
        R({2026, 12, 6, 10, 0, 0}, {2026, 12, 6, 10, 10, 0}, "jan"),      // other case
        R({2026, 12, 6, 10, 0, 0}, {2026, 12, 6, 10, 10, 0}, "Idle"),     // 600
        R({2025, 12, 6, 10, 0, 0}, {2025, 12, 6, 11, 0, 0}, "Jan"),       // a year ago
        R({1, 1, 1, 0, 0, 0}, {2026, 12, 6, 0, 0, 0}, "Jan oud"),         // no duration
        R({2026, 12, 6, 11, 0, 0}, {2026, 12, 6, 11, 1, 0}, "Piet Jan"),  // not at the start
        R({2026, 12, 6, 11, 0, 0}, {2026, 12, 6, 11, 1, 0}, "Ja"),        // shorter
    });
    UCWatchActionsDbase &w = List("-Idle");
    store.RecordNr(5);
    EXPECT_EQ(w.GetTodayTimeFromUser("Jan"), 7200 + 1859);
    EXPECT_EQ(w.GetTodayTimeFromUser("Jansen"), 1859);
    EXPECT_EQ(w.GetTodayTimeFromUser(""), 7200 + 1859 + 600 + 600 + 60 + 60);
    EXPECT_EQ(w.GetTodayTimeFromUser("Kees"), 0);
    EXPECT_EQ(store.RecordNr(), 5);

    // Changes after the rebuild count at once, shown in the list or not:
    // yesterday's record now ends today, an idle record grows, and a new
    // stretch follows its minute updates.
    store.RecordNr(3);
    store.EndDateTimeDay(6); // 5 dec 10:00 to 6 dec 11:00
    store.RecordNr(6);
    store.EndDateTimeMinute(20);
    NewRecord("Jan");
    clock.Advance(120);
    store.SetEndTimeToNow();
    EXPECT_EQ(w.GetTodayTimeFromUser("Jan"), 7200 + 1859 + 90000 + 120);
    EXPECT_EQ(w.GetTodayTimeFromUser("Idle"), 1200);
    EXPECT_EQ(store.RecordNr(), 11);

    clock.Set({2026, 12, 7, 0, 0, 1});
    EXPECT_EQ(w.GetTodayTimeFromUser("Jan"), 0);
}

} // namespace
