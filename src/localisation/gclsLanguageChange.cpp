#include "localisation/gclsLanguageChange.h"

#include "platform/SettingsStore.h"

namespace {
const char kApplication[] = "Sitclock";
const char kSection[] = "Options";
const char kKey[] = "Language";

gclsLanguageChange *current = nullptr;
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
    if (current)
        return *current;
    static gclsLanguageChange programWide;
    return programWide;
}

void SetCurrentLanguage(gclsLanguageChange *language)
{
    current = language;
}
