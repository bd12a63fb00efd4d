#pragma once

#include <cstdint>
#include <string>

// What the stretch controller needs of the main window around it: the filter
// box, the log list, the start window and the window itself.
class StretchView
{
public:
    virtual ~StretchView() = default;

    // cmbFilter: its text; setting a different text runs cmbFilter_Change.
    virtual std::string FilterText() const = 0;
    virtual void SetFilterText(const std::string &text) = 0;
    virtual void cmbFilter_Change() = 0;

    // UCWatchActionsDbase1 takes the keyboard focus (the tray's last step).
    virtual void FocusLogList() = 0;

    virtual void ShowStartWindow() = 0; // frmStart, not modal
    virtual void HideMainWindow() = 0;
    virtual bool MainWindowVisible() const = 0;
};
