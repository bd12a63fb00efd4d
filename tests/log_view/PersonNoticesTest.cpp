#include "support/LogBytes.h"

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

#include <tuple>

namespace {

// A shown list of Jan's work and an idle stretch.
class PersonNotices : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetLanguageChangeForTests();
        zk::test::WriteFileBytes(path, zk::test::Bytes({{{2026, 12, 6, 8, 0, 0}, {}, "Jan werkt"},
                                                 {{2026, 12, 6, 9, 0, 0}, {}, "Idle"}}));
        store.OpenFile(path);
        list.Constructor(store, "", users);
        list.resize(640, 200);
        list.show();
    }
    QTreeView *View() { return list.findChild<QTreeView *>(QStringLiteral("ListView1")); }

    zk::test::TempDir dir;
    std::string path = dir.File("actions.dat");
    zk::test::FakeSettings settings;
    zk::test::FakeClock clock{{2026, 12, 6, 9, 30, 0}};
    zk::test::FixedMonthNames months;
    clsUsers users;
    clsActionsDbase store;
    UCWatchActionsDbase list;
};

// Both rows refreshed (a minute tick) while the editor is open: the typed text
// stays, and only a changed, confirmed text is written.
TEST_F(PersonNotices, AnOpenEditorKeepsWhatIsTypedThroughRefreshes)
{
    const std::tuple<const char *, Qt::Key, const char *, int> rows[] = {
        {"Jan schrijft", Qt::Key_Return, "Jan schrijft", 1},
        {"Jan leest", Qt::Key_Escape, "Jan schrijft", 0},
        {"Jan schrijft", Qt::Key_Return, "Jan schrijft", 0},
    };
    int changes = 0;
    auto counter = store.Change.Connect([&] { ++changes; });
    for (const auto &[typed, key, stored, expectedChanges] : rows) {
        SCOPED_TRACE(typed);
        View()->edit(View()->model()->index(0, 0));
        auto *editor = View()->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr);
        editor->setText(typed);
        for (std::int32_t nr : {2, 1}) {
            store.RecordNr(nr);
            store.SetEndTimeToNow();
        }
        EXPECT_EQ(editor->text().toStdString(), typed);
        changes = 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
        QApplication::processEvents();
        EXPECT_EQ(changes, expectedChanges);
        EXPECT_EQ(store.Description(), stored);
    }
}

// On a dark palette passing rows show its light text; a failing row is red.
TEST_F(PersonNotices, RowsOnADarkThemeAreDrawnInItsTextColour)
{
    list.setPalette(QPalette(QColor(25, 25, 25))); // light text on a near-black base
    list.filter("-Idle");
    store.Description("Idle Jan");
    const QModelIndex first = View()->model()->index(0, 0);
    EXPECT_EQ(first.data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    store.Description("Jan werkt");
    EXPECT_FALSE(first.data(Qt::ForegroundRole).isValid());
    const QImage image = View()->viewport()->grab(View()->visualRect(first)).toImage();
    int light = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            light += qGray(image.pixel(x, y)) > 160;
    EXPECT_GT(light, 10);
}

} // namespace
