#include "options/Options.h"

#include "options/Module3.h"
#include "platform/SettingsStore.h"

#include <utility>

namespace {
constexpr char kApplication[] = "Sitclock";
constexpr char kSection[] = "Options";

bool Read(const char *key)
{
    return zk::CurrentSettings().Read(kApplication, kSection, key, "True") == "True";
}

void Store(const char *key, bool value)
{
    zk::CurrentSettings().Write(kApplication, kSection, key, value ? "True" : "False");
}
} // namespace

Options::Options(zk::RunKey &runKey, std::string programCommand)
    : m_runKey(runKey)
    , m_programCommand(std::move(programCommand))
{
}

bool Options::AutoStopOnMouseIdle() const
{
    return Read("AutoStopOnMouseIdle");
}

bool Options::AutoStartOnSetup() const
{
    return Read("AutoStartOnSetup");
}

bool Options::ProgramEnabled() const
{
    return Read("ProgramEnabled");
}

void Options::SetAutoStopOnMouseIdle(bool value)
{
    Store("AutoStopOnMouseIdle", value);
}

void Options::SetAutoStartOnSetup(bool value)
{
    if (value)
        Module3::RegisterAutoStart(m_runKey, m_programCommand);
    else
        Module3::UnregisterAutoStart(m_runKey);
    Store("AutoStartOnSetup", value);
}

void Options::SetProgramEnabled(bool value)
{
    Store("ProgramEnabled", value);
}
