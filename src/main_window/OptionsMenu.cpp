#include "main_window/OptionsMenu.h"

#include "failure/FailureReporter.h"
#include "localisation/gclsLanguageChange.h"
#include "main_window/Form1Controls.h"
#include "main_window/Household.h"

#include <QAction>

OptionsMenu::OptionsMenu(Form1Controls &controls, Household &household, FailureReporter &failures)
    : m_controls(controls)
    , m_household(household)
    , m_failures(failures)
{
    Options &options = household.options();
    Connect(controls.mnuAutoStopOnMouseIdle, &Options::AutoStopOnMouseIdle,
            [&options](bool value) { options.SetAutoStopOnMouseIdle(value); });
    Connect(controls.mnuOptionsProgramEnabled, &Options::ProgramEnabled,
            [&household](bool value) { household.SetProgramEnabled(value); });
    Connect(controls.mnuAutoStartOnSetup, &Options::AutoStartOnSetup,
            [&options](bool value) { options.SetAutoStartOnSetup(value); });
    // The language's listeners set the checks (ShowLanguage); a click must not flip them.
    for (auto [item, language] : {std::pair{controls.mnuLanguageDutch, "NL"},
                                  std::pair{controls.mnuLanguageEnglish, "ENG"}})
        QObject::connect(item, &QAction::triggered, item, [this, language] {
            m_failures.Guard("Changing the language",
                             [language] { gLanguageChange().Change(language); });
        });
}

void OptionsMenu::Connect(QAction *item, bool (Options::*get)() const,
                          const std::function<void(bool)> &set)
{
    QObject::connect(item, &QAction::triggered, item, [this, get, set] {
        m_failures.Guard("Changing the option", [&] {
            if (m_household.Gate().Open())
                set(!(m_household.options().*get)());
        });
        ShowOptions();
    });
}

void OptionsMenu::ShowOptions()
{
    const Options &options = m_household.options();
    m_controls.mnuAutoStopOnMouseIdle->setChecked(options.AutoStopOnMouseIdle());
    m_controls.mnuOptionsProgramEnabled->setChecked(options.ProgramEnabled());
    m_controls.mnuAutoStartOnSetup->setChecked(options.AutoStartOnSetup());
}

void OptionsMenu::ShowLanguage()
{
    m_controls.mnuLanguageDutch->setChecked(gLanguageChange().GetLanguage() == "NL");
    m_controls.mnuLanguageEnglish->setChecked(gLanguageChange().GetLanguage() == "ENG");
}
