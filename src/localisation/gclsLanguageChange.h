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

// The one program-wide instance, created on first use.
gclsLanguageChange &gLanguageChange();
// Tests only: forget the instance so that the next use creates it anew, and
// that the settings notice of this run was shown (ReportSettingsNotSaved).
void ResetLanguageChangeForTests();
