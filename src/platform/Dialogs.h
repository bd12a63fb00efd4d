#pragma once

#include <optional>
#include <string>

namespace zk {

// Modal boxes. Each keeps the event loop running while they are open.
class Dialogs
{
public:
    // Message box styles as the program uses them.
    enum class Icon { None, Information, Exclamation, Critical };

    virtual ~Dialogs() = default;
    // Prompt, title and the text offered for editing; Cancel gives the empty text.
    virtual std::string InputBox(const std::string &prompt, const std::string &title,
                                 const std::string &offered) = 0;
    // A box that hides what is typed (the parent's PIN); nothing when cancelled.
    virtual std::optional<std::string> PinBox(const std::string &prompt,
                                              const std::string &title) = 0;
    // A box with an OK button only.
    virtual void MessageBox(const std::string &text, const std::string &title, Icon icon) = 0;
};

} // namespace zk
