#pragma once

#include "limits/ParentPin.h"

#include <functional>
#include <optional>
#include <string>

namespace zk {

class Dialogs;

// Stands before what only a parent may do (the limits, the options menu's
// switches, editing users, switching the program off, rewriting a past
// record): with a PIN set it asks for it and tells a wrong one or the wait
// after three; without one every action goes ahead unasked.
class PinGate
{
public:
    // ask shows the PIN box (the prompt and title given) and gives the typed
    // PIN, or nothing when cancelled; without it the dialogs' input box asks.
    using Ask = std::function<std::optional<std::string>(const std::string &prompt,
                                                         const std::string &title)>;
    PinGate(Dialogs &dialogs, Ask ask = {});

    // True when the action may go ahead.
    bool Open();

private:
    Dialogs &m_dialogs;
    Ask m_ask;
    ParentPin m_pin;
};

} // namespace zk
