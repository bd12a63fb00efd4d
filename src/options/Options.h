#pragma once

#include <string>

namespace zk {
class RunKey;
}

// The three options of the Options menu, kept in the settings under "Sitclock" /
// "Options" as "True" or "False"; an option that is absent is on, and any other
// text reads as off. Every read asks the settings, so what is stored now counts.
// A write that fails raises zk::SettingsError and leaves the option as it was.
//
// AutoStartOnSetup also owns the Run value that starts the program with the
// computer: setting it writes the value (the program's command, or the empty
// text) before the option itself.
class Options
{
public:
    // programCommand: what the Run value holds while the program starts with the computer.
    Options(zk::RunKey &runKey, std::string programCommand);

    bool AutoStopOnMouseIdle() const;
    bool AutoStartOnSetup() const;
    bool ProgramEnabled() const;

    void SetAutoStopOnMouseIdle(bool value);
    void SetAutoStartOnSetup(bool value);
    void SetProgramEnabled(bool value);

private:
    zk::RunKey &m_runKey;
    std::string m_programCommand;
};
