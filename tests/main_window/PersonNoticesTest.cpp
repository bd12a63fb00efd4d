#include "Form1Fixture.h"

#include "log_view/UCWatchActionsDbase.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

namespace zk::test {
namespace {

using PersonNotices = Form1Fixture;

void Press(QWidget *target, Qt::Key key, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

// Typed texts stay as typed, case and all, also after Enter: no completion.
TEST_F(PersonNotices, TheFilterBoxNeverRewritesWhatIsTyped)
{
    Store("Users", "Anna|Piet", "Edit");
    Start();
    auto *box = form->findChild<QComboBox *>("cmbFilter");
    auto *list = form->findChild<UCWatchActionsDbase *>("UCWatchActionsDbase1");
    for (const char *typed : {"pie", "a", "anna", "-Pi"}) {
        SCOPED_TRACE(typed);
        box->lineEdit()->clear();
        for (const QChar c : QString(typed))
            Press(box->lineEdit(), static_cast<Qt::Key>(c.toUpper().unicode()), c);
        Press(box->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(box->currentText().toStdString(), typed);
        EXPECT_EQ(list->filter(), typed);
    }
}

// The next stretch of a full log goes into a new log; the full one is kept
// whole beside it under the day's name, and the person is told where.
TEST_F(PersonNotices, AFullLogIsKeptAsideAndTheStretchIsLogged)
{
    std::string full;
    for (int i = 0; i < 32767; ++i)
        full += RecordBytes({2026, 12, 5, 8, 0, 0}, {2026, 12, 5, 9, 0, 0}, "Piet");
    WriteFileBytes(dir.File("actions.dat"), full);
    Store("Users", "Anna", "Edit");
    Start();
    Choose("Anna");
    EXPECT_EQ(ReadFileBytes(dir.File("actions-2026-12-06.dat")), full);
    EXPECT_EQ(Log(), RecordBytes({2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Anna"));
    EXPECT_EQ(form->findChild<QTreeView *>("ListView1")->model()->rowCount(), 1);
    EXPECT_FALSE(form->StartWindow()->isVisible());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, "Sitclock");
    EXPECT_NE(dialogs.calls[0].text.find(dir.File("actions-2026-12-06.dat")), std::string::npos);

    // Full again the same day, in Dutch: the second archive of the day.
    gLanguageChange().Change("NL");
    WriteFileBytes(dir.File("actions.dat"), full);
    form->NewRecord("Anna", false);
    EXPECT_EQ(ReadFileBytes(dir.File("actions-2026-12-06-2.dat")).size(), full.size());
    EXPECT_EQ(Log().size(), 148u);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].title, "Zitklok");
    EXPECT_NE(dialogs.calls[1].text.find("Het logboek was vol"), std::string::npos);
}

// Settings that cannot be saved: told once, in the current language, and the
// program logs as usual with the options it read.
TEST_F(PersonNotices, UnsavedSettingsAreToldOnceAndTheProgramGoesOn)
{
    Store("Users", "Anna", "Edit");
    Store("Language", "NL");
    settings.failWrites = true;
    ASSERT_NO_THROW(Start());
    Item("mnuAutoStopOnMouseIdle")->trigger();
    Item("mnuLanguageDutch")->trigger();
    Choose("Anna");
    EXPECT_EQ(Log().size(), 148u);
    EXPECT_TRUE(Item("mnuAutoStopOnMouseIdle")->isChecked());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, "Zitklok");
    EXPECT_NE(dialogs.calls[0].text.find("De instellingen kunnen niet worden bewaard"),
              std::string::npos);
}

// A stretch that could not be logged: the box speaks the current language,
// is titled with the program's name in it, and the start window stays open.
TEST_F(PersonNotices, AFailedStartIsToldInTheCurrentLanguageAndTheWindowStays)
{
    const struct
    {
        const char *language;
        const char *title;
        const char *text;
    } rows[] = {
        {"NL", "Zitklok", "Het beginnen van een nieuwe zittijd is mislukt:\nbad file handle"},
        {"ENG", "Sitclock", "Starting a stretch failed:\nbad file handle"},
    };
    Store("Users", "Anna", "Edit");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.language);
        Start();
        gLanguageChange().Change(row.language);
        form->Actions()->CloseFile();
        dialogs.calls.clear();
        Choose("Anna");
        EXPECT_TRUE(form->StartWindow()->isVisible());
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls[0].title, row.title);
        EXPECT_EQ(dialogs.calls[0].text.rfind(row.text, 0), 0u) << dialogs.calls[0].text;
    }
}

// The Dutch hint of an empty list shows every word at larger fonts too; the
// edit button moves down only by what the hint grew.
TEST_F(PersonNotices, TheDutchHintWrapsAndGrows)
{
    Store("Language", "NL");
    Start();
    frmStart *start = form->StartWindow();
    auto *hint = start->findChild<QLabel *>("labStartNoUsers");
    auto *edit = start->findChild<QPushButton *>("btnEditUsers");
    for (int pixels : {8, 13, 20}) {
        SCOPED_TRACE(pixels);
        QFont font = start->font();
        font.setPixelSize(pixels);
        start->setFont(font);
        start->Load();
        EXPECT_GE(hint->height(), hint->heightForWidth(hint->width()));
        EXPECT_GE(hint->height(), 49);
        EXPECT_EQ(edit->y(), 64 + hint->height() - 49);
    }
}

} // namespace
} // namespace zk::test
