#pragma once

#include <functional>

class FailureReporter;
class Form1Controls;
class Household;
class Options;
class QAction;

// The main window's Options and Language menus: a click on an option toggles
// what is stored, whatever its check shows, and a click on a language changes
// to it; the checks always show what is stored and the language in use, also
// when the settings could not be saved and the program goes on as it was.
class OptionsMenu
{
public:
    OptionsMenu(Form1Controls &controls, Household &household, FailureReporter &failures);

    void ShowOptions();
    void ShowLanguage();

private:
    void Connect(QAction *item, bool (Options::*get)() const, const std::function<void(bool)> &set);

    Form1Controls &m_controls;
    Household &m_household;
    FailureReporter &m_failures;
};
