#include "Form1Fixture.h"

#include "log_view/UCWatchActionsDbase.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace zk::test {
namespace {

using PersonNotices = Form1Fixture;

// Typed texts stay as typed, case and all, also after Enter: no completion.
TEST_F(PersonNotices, TheFilterBoxNeverRewritesWhatIsTyped)
{
    Store("Users", "Anna|Piet", "Edit");
    Start();
    auto *box = form->findChild<QComboBox *>("cmbFilter");
    const auto press = [&](Qt::Key key, const QString &text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(box->lineEdit(), &event);
    };
    for (const char *typed : {"pie", "a", "anna", "-Pi"}) {
        SCOPED_TRACE(typed);
        box->lineEdit()->clear();
        for (const QChar c : QString(typed))
            press(static_cast<Qt::Key>(c.toUpper().unicode()), c);
        press(Qt::Key_Return);
        EXPECT_EQ(box->currentText().toStdString(), typed);
        EXPECT_EQ(form->findChild<UCWatchActionsDbase *>()->filter(), typed);
    }
}

// The stretch after a full log goes into a new log; the full one is kept
// whole beside it under the day's name, and the person is told where.
TEST_F(PersonNotices, AFullLogIsKeptAsideAndTheStretchIsLogged)
{
    const std::string full =
        Bytes(std::vector<LogRecord>(32767, {{2026, 12, 5, 8, 0, 0}, {2026, 12, 5, 9, 0, 0}, "Piet"}));
    WriteFileBytes(dir.File("actions.dat"), full);
    Store("Users", "Anna", "Edit");
    Start();
    Choose("Anna");
    EXPECT_EQ(ReadFileBytes(dir.File("actions-2026-12-06.dat")), full);
    EXPECT_EQ(Log(), Bytes({{{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Anna"}}));
    EXPECT_FALSE(form->StartWindow()->isVisible());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, "Sitclock");
    EXPECT_NE(dialogs.calls[0].text.find(dir.File("actions-2026-12-06.dat")), std::string::npos);
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
    Choose("Anna");
    EXPECT_EQ(Log().size(), 148u);
    EXPECT_TRUE(Item("mnuAutoStopOnMouseIdle")->isChecked());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, "Zitklok");
    EXPECT_EQ(dialogs.calls[0].text.rfind("De instellingen kunnen niet worden bewaard", 0), 0u);
}

// A stretch that could not be logged is told in the current language, titled
// with the program's name in it, and the start window stays open.
TEST_F(PersonNotices, AFailedStartIsToldInTheCurrentLanguageAndTheWindowStays)
{
    const char *rows[][3] = {
        {"NL", "Zitklok", "Het beginnen van een nieuwe zittijd is mislukt:\nbad file handle"},
        {"ENG", "Sitclock", "Starting a stretch failed:\nbad file handle"},
    };
    Store("Users", "Anna", "Edit");
    for (const auto &[language, title, text] : rows) {
        SCOPED_TRACE(language);
        Start();
        gLanguageChange().Change(language);
        form->Actions()->CloseFile();
        dialogs.calls.clear();
        Choose("Anna");
        EXPECT_TRUE(form->StartWindow()->isVisible());
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls[0].title, title);
        EXPECT_EQ(dialogs.calls[0].text.rfind(text, 0), 0u) << dialogs.calls[0].text;
    }
}

// The Dutch hint shows every word at larger fonts too; the edit button moves
// down only by what it grew.
TEST_F(PersonNotices, TheDutchHintWrapsAndGrows)
{
    Store("Language", "NL");
    Start();
    auto *hint = form->StartWindow()->findChild<QLabel *>("labStartNoUsers");
    for (int pixels : {8, 13, 20}) {
        SCOPED_TRACE(pixels);
        QFont font = form->StartWindow()->font();
        font.setPixelSize(pixels);
        form->StartWindow()->setFont(font);
        form->StartWindow()->Load();
        EXPECT_GE(hint->height(), std::max(49, hint->heightForWidth(hint->width())));
        EXPECT_EQ(form->StartWindow()->findChild<QPushButton *>("btnEditUsers")->y(),
                  64 + hint->height() - 49);
    }
}

} // namespace
} // namespace zk::test
