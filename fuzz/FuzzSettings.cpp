// The settings file as a person may have edited it by hand: any bytes as
// Sitclock/Sitclock.ini, read through the program's QSettings store into the
// user list, the filter box entries, the three options, the limits per user and
// the language. The user list saved back must load again as the same names.

#include "ScratchFolder.h"

#include "limits/LimitStep.h"
#include "limits/ParentPin.h"
#include "localisation/Module2.h"
#include "localisation/gclsLanguageChange.h"
#include "log_view/FilterSelection.h"
#include "platform/qt/QtSettingsStore.h"
#include "users/clsUsers.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

// The options as the main window reads them: on unless exactly "True" is not there.
bool ReadOption(const zk::SettingsStore &store, const char *key)
{
    return store.Read("Sitclock", "Options", key, "True") == "True";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static zk::fuzz::ScratchFolder scratch("settings");
    static unsigned round = 0;
    // A new folder each time: QSettings caches a file by name and would miss a
    // rewrite of the same size within its clock's resolution.
    const std::string folder = scratch.File(std::to_string(++round));
    std::filesystem::create_directories(folder + "/Sitclock");
    zk::fuzz::WriteBytes(folder + "/Sitclock/Sitclock.ini", data, size);

    {
        zk::QtSettingsStore store(QString::fromStdString(folder));
        zk::SetCurrentSettings(&store);

        std::vector<std::string> loaded;
        {
            clsUsers users;
            loaded = users.AllNames();
            (void)users.Item(0);
            (void)users.Item(static_cast<std::int16_t>(users.Count() + 1));
            for (const std::string &entry : FilterEntries(users))
                (void)FilterForComboText(entry);
            users.SaveToRegistry();
        }
        {
            clsUsers again;
            if (again.AllNames() != loaded)
                zk::fuzz::Fail("the user list saved back does not load as the same names");
        }

        (void)ReadOption(store, "AutoStopOnMouseIdle");
        (void)ReadOption(store, "AutoStartOnSetup");
        (void)ReadOption(store, "ProgramEnabled");
        // Limits: whatever a line holds reads as limits that store and read back the same.
        const zk::CalendarDay monday{2026, 12, 7};
        for (const std::string &user : loaded) {
            const zk::UserLimits limits = zk::LimitSettings::Of(user);
            if (zk::UserLimits::Parse(limits.ToText()) != limits)
                zk::fuzz::Fail("a user's limits do not read back as stored");
            (void)zk::LimitStep::At(user, 3600, monday);
            (void)zk::LimitStep::At(user, 3600, monday.Plus(5));
        }
        (void)zk::ParentPin::IsSet();
        {
            gclsLanguageChange language; // as a start reads it from these settings
            SetCurrentLanguage(&language);
            (void)TranslateText("Alles");
            (void)gLanguageChange().GetLanguage();
            SetCurrentLanguage(nullptr);
        }

        zk::SetCurrentSettings(nullptr);
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return 0;
}
