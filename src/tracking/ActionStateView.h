#pragma once

#include "platform/TrayIcon.h"

#include <string>

// What the action state changes on the main window when it applies itself.
class ActionStateView
{
public:
    virtual ~ActionStateView() = default;
    virtual void SetStartButtonEnabled(bool enabled) = 0; // btnStartComputeren
    virtual void SetStopButtonEnabled(bool enabled) = 0;  // btnEindigComputeren
    virtual void SetStatusText(const std::string &text) = 0; // StatusBar
    virtual zk::TrayIcon &Tray() = 0;                        // UCTrayIcon1
};
