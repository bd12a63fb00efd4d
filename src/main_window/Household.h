#pragma once

#include "activity_log/clsActionsDbase.h"
#include "limits/PinGate.h"
#include "options/Options.h"
#include "totals/TodayTotalCache.h"
#include "tracking/LimitKeeper.h"
#include "tracking/StretchController.h"
#include "users/clsUsers.h"

#include <vector>

#include <string>

class ActionStateView;
class StretchView;

namespace zk {
class Dialogs;
class Locker;
class PointerSource;
class RunKey;
} // namespace zk

// What the main window shows and works on: the household's user list, the log
// store (open on its file), the options, the running user's total of today and
// the stretch controller with both warnings. Complete when made: the main window
// makes it first, and every part lives as long as the window. Opening the log
// raises zk::FileError, which stops the start.
class Household
{
public:
    struct Setup
    {
        std::string logPath;
        zk::RunKey &runKey;
        // What the Run value holds while the program starts with the computer.
        std::string programCommand;
        zk::Dialogs &dialogs;
        const zk::PointerSource &pointer;
        // Stillness after which a stretch stops by itself.
        int idleLimitSeconds;
        // Where the limits per user lock the session.
        zk::Locker &locker;
    };

    Household(const Setup &setup, StretchView &view, ActionStateView &stateView);
    ~Household();
    Household(const Household &) = delete;
    Household &operator=(const Household &) = delete;

    clsUsers &Users() { return m_users; }
    clsActionsDbase &Actions() { return m_actions; }
    Options &options() { return m_options; }
    StretchController &Stretch() { return m_stretch; }
    // Before what only a parent may do, when a PIN is set.
    zk::PinGate &Gate() { return m_gate; }

    // Stores the option; off puts the action state to 3 (switched off), on
    // brings it from 3 back to 0; a running stretch goes on either way.
    void SetProgramEnabled(bool value);

private:
    clsUsers m_users;
    clsActionsDbase m_actions;
    Options m_options;
    zk::TodayTotalCache m_todayTotal{m_actions};
    LimitKeeper m_limits;
    StretchController m_stretch;
    zk::PinGate m_gate;
    // The names before the last change: a user who leaves the list loses their limits.
    std::vector<std::string> m_names;
    zk::Signal<>::Connection m_usersChanged;
};
