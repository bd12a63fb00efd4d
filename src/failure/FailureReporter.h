#pragma once

#include "platform/Dialogs.h"

#include <functional>
#include <set>
#include <string>

namespace zk {
class SettingsError;
}

// The one way a failure reaches the person. The program makes one at its start
// and hands it to every window, as it does the boxes (zk::Dialogs).
//
// Guard runs one operation (a click, a tick, a notification, the start): a
// failure (a file, users or arithmetic error, any other std::exception) is told
// in a box naming the operation and the reason, in the current language and
// titled with the program's name, and the program goes on. A second failure of
// the same operation while its box is still open is not told again, so that a
// failing tick cannot pile up boxes. Settings that cannot be saved are told
// once for as long as the reporter lives, whatever operation wrote them: the
// program goes on with the settings it has, and a second failure has nothing
// new to say. Every text told is also written to stderr, for a start from a
// terminal or a script.
class FailureReporter
{
public:
    explicit FailureReporter(zk::Dialogs &dialogs);
    FailureReporter(const FailureReporter &) = delete;
    FailureReporter &operator=(const FailureReporter &) = delete;

    // True when body ran to its end.
    bool Guard(const std::string &operation, const std::function<void()> &body,
               zk::Dialogs::Icon icon = zk::Dialogs::Icon::Critical);

    // The notice that the settings cannot be saved, and where; once.
    void SettingsNotSaved(const zk::SettingsError &error);

    // A text of its own, in a box titled with the program's name.
    void Tell(const std::string &text, zk::Dialogs::Icon icon);

private:
    zk::Dialogs &m_dialogs;
    std::set<std::string> m_openBoxes;
    bool m_settingsNoticeShown = false;
};
