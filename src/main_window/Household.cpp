#include "main_window/Household.h"

#include "limits/LimitSettings.h"
#include "tracking/clsElapsedWarning.h"
#include "tracking/clsForm1ActionState.h"

#include <algorithm>

Household::Household(const Setup &setup, StretchView &view, ActionStateView &stateView)
    : m_options(setup.runKey, setup.programCommand)
    , m_limits(setup.dialogs, setup.locker)
    , m_stretch(m_actions, m_todayTotal, view, stateView, setup.dialogs, m_options, setup.pointer,
                m_limits)
    , m_gate(setup.dialogs)
{
    m_actions.OpenFile(setup.logPath);
    m_stretch.elapsedwarningMouseIdle().TimeTillWarning(setup.idleLimitSeconds);
    m_names = m_users.AllNames();
    m_usersChanged = m_users.Change.Connect([this] {
        std::vector<std::string> now = m_users.AllNames();
        for (const std::string &name : m_names)
            if (std::find(now.begin(), now.end(), name) == now.end())
                zk::LimitSettings::Forget(name);
        m_names = std::move(now);
    });
}

Household::~Household() = default;

void Household::SetProgramEnabled(bool value)
{
    m_options.SetProgramEnabled(value);
    clsForm1ActionState &state = m_stretch.ActionState();
    if (!value)
        state.State(3);
    else if (state.State() == 3)
        state.State(0);
}
