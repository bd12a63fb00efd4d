#include "localisation/gclsLanguageChange.h"

#include "localisation/OwnMessages.h"
#include "platform/SettingsStore.h"

#include <memory>

namespace {
const char kApplication[] = "Sitclock";
const char kSection[] = "Options";
const char kKey[] = "Language";

std::unique_ptr<gclsLanguageChange> &Instance()
{
    static std::unique_ptr<gclsLanguageChange> instance;
    return instance;
}
} // namespace

gclsLanguageChange::gclsLanguageChange()
    : m_language(zk::CurrentSettings().Read(kApplication, kSection, kKey, "ENG"))
{}

void gclsLanguageChange::Change(const std::string &newLanguage)
{
    // The argument may refer to a listener's own copy; keep ours before anyone runs.
    const std::string language = newLanguage;
    m_language = language;
    Changed.Emit(language);
    // Written after the listeners, so a failing store leaves every window already
    // in the new language and the error still reaches the caller.
    zk::CurrentSettings().Write(kApplication, kSection, kKey, language);
}

gclsLanguageChange &gLanguageChange()
{
    auto &instance = Instance();
    if (!instance)
        instance = std::make_unique<gclsLanguageChange>();
    return *instance;
}

void ResetLanguageChangeForTests()
{
    Instance().reset();
    ResetSettingsNoticeForTests();
}
