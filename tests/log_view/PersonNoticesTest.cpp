#include "LogFile.h"

#include "activity_log/clsActionsDbase.h"
#include "localisation/gclsLanguageChange.h"
#include "log_view/UCWatchActionsDbase.h"
#include "support/FakeClock.h"
#include "support/FakeSettings.h"
#include "support/FixedMonthNames.h"
#include "support/TempDir.h"
#include "users/clsUsers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

// A shown list over two records: Jan's work and an idle stretch.
class PersonNotices : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetLanguageChangeForTests();
        zk::test::WriteFileBytes(
            path, LogBytes({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Jan werkt"},
                            {{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 10, 0}, "Idle"}}));
        store.OpenFile(path);
        list.Constructor(store, "", users);
        list.resize(640, 200);
        list.show();
    }
    void TearDown() override { ResetLanguageChangeForTests(); }

    QTreeView *View() { return list.findChild<QTreeView *>(QStringLiteral("ListView1")); }
    std::string Description(std::int32_t nr)
    {
        store.RecordNr(nr);
        return store.Description();
    }

    zk::test::TempDir dir;
    std::string path = dir.File("actions.dat");
    zk::test::FakeSettings settings;
    zk::test::FakeClock clock{{2026, 12, 6, 9, 30, 0}};
    zk::test::FixedMonthNames months;
    clsUsers users;
    clsActionsDbase store;
    UCWatchActionsDbase list;
};

// The running row is refreshed while its editor is open (a minute tick), and
// other rows too: the typed text stays, and only a changed, confirmed text is
// written.
TEST_F(PersonNotices, AnOpenEditorKeepsWhatIsTypedThroughRefreshes)
{
    const struct
    {
        const char *typed;
        Qt::Key key;
        const char *stored;
        int changes;
    } rows[] = {
        {"Jan schrijft", Qt::Key_Return, "Jan schrijft", 1},
        {"Jan leest", Qt::Key_Escape, "Jan schrijft", 0},
        {"Jan schrijft", Qt::Key_Return, "Jan schrijft", 0}, // unchanged: nothing written
    };
    int changes = 0;
    auto counter = store.Change.Connect([&] { ++changes; });
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed);
        View()->edit(View()->model()->index(0, 0));
        auto *editor = View()->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr);
        editor->setText(row.typed);
        for (std::int32_t nr : {1, 2}) {
            store.RecordNr(nr);
            store.SetEndTimeToNow();
        }
        store.RecordNr(1);
        EXPECT_EQ(editor->text().toStdString(), row.typed);
        changes = 0;
        QKeyEvent press(QEvent::KeyPress, row.key, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
        QApplication::processEvents();
        EXPECT_EQ(changes, row.changes);
        EXPECT_EQ(Description(1), row.stored);
    }
}

// Passing rows have no colour of their own, so a dark palette's light text
// shows on its dark base; a row that no longer passes is red.
TEST_F(PersonNotices, RowsOnADarkThemeAreDrawnInItsTextColour)
{
    QPalette dark;
    for (auto role : {QPalette::Base, QPalette::Window})
        dark.setColor(role, QColor(25, 25, 25));
    for (auto role : {QPalette::Text, QPalette::WindowText})
        dark.setColor(role, QColor(235, 235, 235));
    list.setPalette(dark);
    list.filter("-Idle");
    store.RecordNr(1);
    store.Description("Idle Jan");
    QAbstractItemModel *model = View()->model();
    EXPECT_EQ(model->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    store.Description("Jan werkt");
    EXPECT_FALSE(model->index(0, 0).data(Qt::ForegroundRole).isValid());

    const QImage image = View()->viewport()->grab(View()->visualRect(model->index(0, 0))).toImage();
    int light = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            light += qGray(image.pixel(x, y)) > 160;
    EXPECT_GT(light, 10);
}

} // namespace
