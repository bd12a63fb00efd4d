#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zk::test {

// Scripted modal boxes. Each InputBox takes the next scripted answer (the
// empty text, as Cancel, when none is left). whileOpen runs while a box is
// "open", to play what the event loop might deliver meanwhile.
class FakeDialogs : public Dialogs
{
public:
    struct Call
    {
        std::string kind; // "input" or "message"
        std::string text; // prompt or message
        std::string title;
        std::string offered;
        Icon icon = Icon::None;
    };

    std::string InputBox(const std::string &prompt, const std::string &title,
                         const std::string &offered) override
    {
        calls.push_back({"input", prompt, title, offered, Icon::None});
        if (whileOpen)
            whileOpen();
        if (answers.empty())
            return {};
        std::string answer = answers.front();
        answers.pop_front();
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
