#pragma once

#include "core/Signal.h"

#include <cstdint>
#include <memory>
#include <string>

class ActionStateView;
class clsTimePoint;

// The main window's action state: 0 not active, 1 active, 2 idle, 3 switched
// off. Setting State applies it to the window at once (buttons, tray icon and
// tooltip, and for 3 the status bar); other values are stored and change
// nothing on screen. A change of language re-applies the current state.
class clsForm1ActionState
{
public:
    // Applies state 0, then listens to gLanguageChange().
    explicit clsForm1ActionState(ActionStateView &view);
    ~clsForm1ActionState();
    clsForm1ActionState(const clsForm1ActionState &) = delete;
    clsForm1ActionState &operator=(const clsForm1ActionState &) = delete;

    std::int32_t State() const { return m_state; }
    // Runs UpdateState even when the value does not change (state 1 then
    // renews LastActivity).
    void State(std::int32_t value);

    // When activity was last seen: set to the clock whenever the state becomes
    // 1, and by the main window on every pointer movement.
    clsTimePoint &LastActivity();

private:
    void UpdateState();
    void listenlanguage_Change(const std::string &newLanguage);

    ActionStateView &m_view;
    std::int32_t m_state = 0;
    std::unique_ptr<clsTimePoint> m_lastActivity;
    zk::Signal<const std::string &>::Connection m_listenlanguage;
};
