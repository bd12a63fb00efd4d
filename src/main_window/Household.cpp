#include "main_window/Household.h"

#include "tracking/clsElapsedWarning.h"
#include "tracking/clsForm1ActionState.h"

Household::Household(const Setup &setup, StretchView &view, ActionStateView &stateView)
    : m_options(setup.runKey, setup.programCommand)
    , m_stretch(m_actions, m_todayTotal, view, stateView, setup.dialogs, m_options)
{
    m_actions.OpenFile(setup.logPath);
    m_stretch.SetPointerSource(&setup.pointer);
    m_stretch.elapsedwarningMouseIdle().TimeTillWarning(setup.idleLimitSeconds);
}

void Household::SetProgramEnabled(bool value)
{
    m_options.SetProgramEnabled(value);
    clsForm1ActionState &state = m_stretch.ActionState();
    if (!value)
        state.State(3);
    else if (state.State() == 3)
        state.State(0);
}
