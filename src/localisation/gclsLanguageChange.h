#pragma once

#include "core/Signal.h"

#include <string>

// The current interface language ("NL" or "ENG"), remembered in the settings
// ("Sitclock" / "Options" / "Language", default "ENG"). Change stores the new
// code, tells every listener synchronously, then writes the setting.
class gclsLanguageChange
{
public:
    gclsLanguageChange(); // reads the setting
    gclsLanguageChange(const gclsLanguageChange &) = delete;
    gclsLanguageChange &operator=(const gclsLanguageChange &) = delete;

    void Change(const std::string &newLanguage);
    const std::string &GetLanguage() const { return m_language; }

    // Listeners keep the returned connection for as long as they live.
    zk::Signal<const std::string &> Changed;

private:
    std::string m_language;
};

// The current language: the one made current by SetCurrentLanguage, or else
// the program's own, created from the settings on first use.
gclsLanguageChange &gLanguageChange();
// language stands in for the program's own until it is set back to nullptr;
// it must outlive its time as the current one.
void SetCurrentLanguage(gclsLanguageChange *language);
