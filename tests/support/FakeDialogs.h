#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zk::test {

// Scripted modal boxes: each InputBox and PinBox takes the next answer ("", as Cancel, when
// none is left); whileOpen runs while a box is "open", as the event loop might meanwhile.
class FakeDialogs : public Dialogs
{
public:
    struct Call
    {
        std::string kind, text, title, offered; // kind "input", "pin" or "message"; text the prompt
        Icon icon = Icon::None;
    };

    std::string InputBox(const std::string &prompt, const std::string &title,
                         const std::string &offered) override
    {
        calls.push_back({"input", prompt, title, offered, Icon::None});
        if (whileOpen)
            whileOpen();
        std::string answer = answers.empty() ? "" : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }

    std::optional<std::string> PinBox(const std::string &prompt,
                                      const std::string &title) override
    {
        const std::string answer = InputBox(prompt, title, "");
        calls.back().kind = "pin";
        if (answer.empty())
            return std::nullopt; // Cancel
        return answer;
    }

    void MessageBox(const std::string &text, const std::string &title, Icon icon) override
    {
        calls.push_back({"message", text, title, {}, icon});
        if (whileOpen)
            whileOpen();
    }

    std::deque<std::string> answers;
    std::vector<Call> calls;
    std::function<void()> whileOpen;
};

} // namespace zk::test
