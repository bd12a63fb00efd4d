#include "main_window/EventLoopGuard.h"

#include "localisation/OwnMessages.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <exception>
#include <set>

namespace {
std::set<std::string> &OpenBoxes()
{
    static std::set<std::string> open;
    return open;
}
} // namespace

void GuardHandler(zk::Dialogs &dialogs, const std::string &operation,
                  const std::function<void()> &body)
{
    std::string reason;
    try {
        body();
        return;
    } catch (const zk::SettingsError &e) {
        try {
            ReportSettingsNotSaved(dialogs, e);
        } catch (...) {
            // As below: nothing more can be told.
        }
        return;
    } catch (const std::exception &e) {
        reason = e.what();
    } catch (...) {
        reason = "an unknown error";
    }
    if (!OpenBoxes().insert(operation).second)
        return;
    try {
        dialogs.MessageBox(FailureText(operation, reason), ProgramTitle(),
                           zk::Dialogs::Icon::Critical);
    } catch (...) {
        // Nothing more can be told when even the box fails.
    }
    OpenBoxes().erase(operation);
}
