#include "main_window/EventLoopGuard.h"

#include "platform/Dialogs.h"

#include <exception>
#include <set>

namespace {
std::set<std::string> &OpenBoxes()
{
    static std::set<std::string> open;
    return open;
}
} // namespace

std::string FailureText(const std::string &operation, const std::string &reason)
{
    return operation + " failed:\n" + reason +
           "\n\nZitklok goes on; what is already in the log is kept.";
}

void GuardHandler(zk::Dialogs &dialogs, const std::string &operation,
                  const std::function<void()> &body)
{
    std::string reason;
    try {
        body();
        return;
    } catch (const std::exception &e) {
        reason = e.what();
    } catch (...) {
        reason = "an unknown error";
    }
    if (!OpenBoxes().insert(operation).second)
        return;
    try {
        dialogs.MessageBox(FailureText(operation, reason), "Zitklok", zk::Dialogs::Icon::Critical);
    } catch (...) {
        // Nothing more can be told when even the box fails.
    }
    OpenBoxes().erase(operation);
}
