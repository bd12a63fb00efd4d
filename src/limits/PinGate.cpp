#include "limits/PinGate.h"

#include "localisation/OwnMessages.h"
#include "platform/Dialogs.h"

namespace zk {

PinGate::PinGate(Dialogs &dialogs, Ask ask)
    : m_dialogs(dialogs)
    , m_ask(std::move(ask))
{
}

bool PinGate::Open()
{
    if (!ParentPin::IsSet())
        return true;
    const std::string prompt = OwnMessage("Pincode van de ouder:");
    std::optional<std::string> pin;
    if (m_ask) {
        pin = m_ask(prompt, ProgramTitle());
    } else {
        pin = m_dialogs.InputBox(prompt, ProgramTitle(), "");
        if (pin->empty())
            pin.reset(); // the box's Cancel
    }
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
