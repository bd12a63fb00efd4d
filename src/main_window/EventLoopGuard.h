#pragma once

#include <functional>
#include <string>

namespace zk {
class Dialogs;
}

// Runs one handler of a click, tick or notification. A failure that would
// otherwise reach the event loop (a file, users or arithmetic error, or any
// other std::exception) is shown in a message box naming the operation and the
// reason, in the current language and titled with the program's name, and the
// program goes on. Settings that cannot be saved are told once per run
// (ReportSettingsNotSaved), whatever operation wrote them. A second failure of the
// same operation while its box is still open is not shown again, so that a
// failing tick cannot pile up boxes.
void GuardHandler(zk::Dialogs &dialogs, const std::string &operation,
                  const std::function<void()> &body);
