#pragma once

#include "limits/ParentPin.h"


namespace zk {

class Dialogs;

// Stands before what only a parent may do (the limits, the options menu's
// switches, editing users, switching the program off, rewriting a past
// record): with a PIN set it asks for it and tells a wrong one or the wait
// after three; without one every action goes ahead unasked.
class PinGate
{
public:
    explicit PinGate(Dialogs &dialogs);

    // True when the action may go ahead.
    bool Open();

private:
    Dialogs &m_dialogs;
    ParentPin m_pin;
};

} // namespace zk
