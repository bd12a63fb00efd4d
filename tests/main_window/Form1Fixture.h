#pragma once

#include "failure/FailureReporter.h"
#include "main_window/Form1.h"
#include "platform/Registry.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakeLocker.h"
#include "support/FakePointer.h"
#include "support/FakeRunKey.h"
#include "support/FakeSettings.h"
#include "support/FakeTrayIcon.h"
#include "support/FixedMonthNames.h"
#include "support/FreshLanguage.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"
#include "activity_log/clsActionsDbase.h"
#include "tracking/StretchController.h"
#include "tracking/clsForm1ActionState.h"
#include "users/clsUsers.h"
#include "users/frmStart.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

#include <optional>

namespace zk::test {

using Write = std::pair<std::string, std::string>;

struct NoRegistry : Registry
{
    bool GetKeyValue(std::uint32_t, const std::string &, const std::string &,
                     std::string &) override { return false; }
};

// A main window on fakes in a folder of its own; the clock stands at 6 December 2026, 09:00.
class Form1Fixture : public ::testing::Test
{
protected:
    // A start as the program makes it: a fresh window, language and failure reporter, all read
    // from the settings as they are now.
    void Start()
    {
        form.reset();
        language.reset();
        language.emplace();
        failures.emplace(dialogs);
        form = std::make_unique<Form1>(Form1Services{
            dialogs, *failures, tray, pointer, runKey, registry, locker, dir.Path().string(),
            "/opt/zk/zitklok", [](const std::string &) { return true; }, [this] { ++exits; }});
        form->Form_Load();
    }
    void Store(const std::string &key, const std::string &value, const char *section = "Options")
    {
        settings.Write("Sitclock", section, key, value);
    }
    std::string Stored(const char *k) { return settings.Read("Sitclock", "Options", k, "?"); }
    QAction *Item(const char *name) { return form->findChild<QAction *>(name); }
    QPushButton *Button(const char *name) { return form->findChild<QPushButton *>(name); }
    StretchController &Stretch() { return form->household().Stretch(); }
    std::int32_t State() { return Stretch().ActionState().State(); }
    std::string Log() { return ReadFileBytes(dir.File("actions.dat")); }
    void Choose(const std::string &name)
    {
        for (QPushButton *b : form->StartWindow()->findChildren<QPushButton *>("btnUser"))
            if (b->property("userName").toString().toStdString() == name && b->isVisible())
                return b->click();
        FAIL() << "no start button for " << name;
    }

    FakeClock clock{{2026, 12, 6, 9, 0, 0}};
    FakeSettings settings;
    FixedMonthNames months;
    TempDir dir;
    FakeDialogs dialogs;
    FakeTrayIcon tray;
    FakePointer pointer;
    FakeRunKey runKey;
    NoRegistry registry;
    FakeLocker locker;
    std::optional<FreshLanguage> language;
    std::optional<FailureReporter> failures;
    std::unique_ptr<Form1> form;
    int exits = 0;
};

} // namespace zk::test
