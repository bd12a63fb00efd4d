#include "failure/FailureReporter.h"

#include "activity_log/FileError.h"
#include "failure/FailureWording.h"
#include "time/OverflowError.h"

#include "localisation/gclsLanguageChange.h"
#include "platform/SettingsStore.h"
#include "support/FakeDialogs.h"
#include "support/FakeSettings.h"
#include "support/FreshLanguage.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <stdexcept>

namespace zk::test {
namespace {

// A fresh reporter over scripted boxes, in the language the settings hold.
class Failures : public ::testing::Test
{
protected:
    void Language(const std::string &code)
    {
        settings.Write("Sitclock", "Options", "Language", code);
        language.emplace();
    }

    FakeSettings settings;
    std::optional<FreshLanguage> language;
    FakeDialogs dialogs;
    FailureReporter failures{dialogs};
};

// A failure is told once in a box naming it and why: the same one while its box is open (a
// timer in its event loop) adds none, another operation does. Without texts of the language:
// English, the name as given.
TEST_F(Failures, AFailureIsToldOnceWhileItsBoxIsOpen)
{
    Language("XX");
    const auto fail = [] { throw std::runtime_error("disk full"); };
    dialogs.whileOpen = [&] {
        EXPECT_FALSE(failures.Guard("Saving a file", fail));
        failures.Guard("Reading a file", [] { throw 42; });
    };
    EXPECT_FALSE(failures.Guard("Saving a file", fail));
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].text.substr(0, 49),
              "Saving a file failed:\ndisk full\n\nSitclock goes on");
    EXPECT_EQ(dialogs.calls[0].title, "Sitclock");
    EXPECT_EQ(dialogs.calls[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(dialogs.calls[1].text.substr(0, 39), "Reading a file failed:\nan unknown error");
    dialogs.whileOpen = {};
    failures.Guard("Saving a file", fail); // its box closed: told again
    EXPECT_EQ(dialogs.calls.size(), 3u);
}

// Settings that cannot be saved are told once in the reporter's life, naming where; a fresh
// reporter tells again.
TEST_F(Failures, TheSettingsNoticeComesOncePerReporter)
{
    Language("ENG");
    const auto failSettings = [] { throw SettingsError("no room", "/home/anna/Sitclock.ini"); };
    EXPECT_FALSE(failures.Guard("Changing the option", failSettings));
    EXPECT_FALSE(failures.Guard("Changing the language", failSettings));
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_NE(dialogs.calls[0].text.find("/home/anna/Sitclock.ini"), std::string::npos);
    EXPECT_EQ(dialogs.calls[0].icon, Dialogs::Icon::Exclamation);
    FailureReporter fresh(dialogs);
    fresh.SettingsNotSaved(SettingsError("no room", ""));
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_NE(dialogs.calls[1].text.find("no room"), std::string::npos);
}

// A failure of the log is told wholly in the person's language: what failed, where, and a reason
// of our own for the common system errors, else the system's text in that language or, when the
// system has none, its number.
TEST_F(Failures, FileFailuresAreToldInThePersonsLanguage)
{
    using Kind = FileError::Kind;
    struct Case
    {
        const char *language;
        FileError error;
        const char *why; // the box's line after the operation's
    };
    const Case rows[] = {
        {"NL", FileError(Kind::Move, "/a.dat", EACCES, 0, "/b.dat"),
         "Het volle logboek /a.dat kan niet worden verplaatst naar /b.dat: geen toestemming."},
        {"NL", FileError(Kind::Write, "/a.dat", ENOSPC, 3),
         "Het logboek /a.dat kan niet worden geschreven: de schijf is vol."},
        {"NL", FileError(Kind::Sync, "/a.dat", EDQUOT, 3),
         "Het logboek /a.dat kan niet op de schijf worden vastgelegd: de schijf is vol."},
        {"NL", FileError(Kind::Open, "/a.dat", EROFS),
         "Het logboek /a.dat kan niet worden geopend: geen toestemming."},
        {"NL", FileError(Kind::CopyDamaged, "/a.dat", EPERM, 0, "/b.dat"),
         "Van het beschadigde logboek /a.dat kan geen kopie worden bewaard als /b.dat: geen "
         "toestemming."},
        {"ENG", FileError(Kind::Write, "/a.dat", EFBIG, 3),
         "The log /a.dat cannot be written: the file is too large."},
        {"ENG", FileError(Kind::Read, "/a.dat", ENOENT), "The log /a.dat cannot be read: not found."},
    };
    for (const Case &row : rows) {
        SCOPED_TRACE(row.error.what());
        Language(row.language);
        failures.Guard("Starting a stretch", [&] { throw row.error; });
        const std::string &text = dialogs.calls.back().text;
        const std::size_t line = text.find('\n') + 1;
        EXPECT_EQ(text.substr(line, text.find("\n\n") - line), row.why);
    }
    EXPECT_EQ(SystemReason(EIO), std::strerror(EIO));
    Language("NL");
    EXPECT_EQ(SystemReason(EIO).find(std::strerror(EIO)), std::string::npos) << SystemReason(EIO);
    EXPECT_EQ(FailureReason(OverflowError("overflow")), "een tijd of getal valt buiten het bereik");
}

} // namespace
} // namespace zk::test
