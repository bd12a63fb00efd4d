#include "limits/PinGate.h"

#include "localisation/OwnMessages.h"
#include "platform/Dialogs.h"

namespace zk {

PinGate::PinGate(Dialogs &dialogs)
    : m_dialogs(dialogs)
{
}

bool PinGate::Open()
{
    if (!ParentPin::IsSet())
        return true;
    const std::optional<std::string> pin
        = m_dialogs.PinBox(OwnMessage("Pincode van de ouder:"), ProgramTitle());
    if (!pin)
        return false;
    switch (m_pin.Try(*pin)) {
    case ParentPin::Result::Right:
        return true;
    case ParentPin::Result::Wrong:
        m_dialogs.MessageBox(OwnMessage("Verkeerde pincode."), ProgramTitle(),
                             Dialogs::Icon::Exclamation);
        return false;
    case ParentPin::Result::Wait:
        break;
    }
    m_dialogs.MessageBox(
        OwnMessage("Te vaak een verkeerde pincode. Wacht nog $seconds$ seconden.",
                   {{"$seconds$", std::to_string(m_pin.SecondsToWait())}}),
        ProgramTitle(), Dialogs::Icon::Exclamation);
    return false;
}

} // namespace zk
