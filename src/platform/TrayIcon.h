#pragma once

#include "core/Signal.h"

#include <string>

namespace zk {

// The four pictures the program shows in the notification area.
enum class TrayImage { Image1Inactive = 1, Image2Active = 2, Image3Off = 3, Image4Startup = 4 };

// The notification-area icon. First: the person asks for the main window.
// Third: the person asks for the log list (after a short countdown).
// Its menu, for trays that open a menu on a click, offers the main window
// (raising First) and Exit.
class TrayIcon
{
public:
    virtual ~TrayIcon() = default;
    virtual void SetIcon(TrayImage image) = 0;
    virtual void SetToolTip(const std::string &text) = 0;
    // False where the desktop has no notification area.
    virtual bool Available() = 0;
    // The captions of the menu's two items, in the current language.
    virtual void SetMenuTexts(const std::string &open, const std::string &exit) = 0;

    Signal<> First;
    Signal<> Third;
    Signal<> Exit;
};

} // namespace zk
