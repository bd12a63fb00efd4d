#include "failure/FailureReporter.h"

#include "failure/FailureWording.h"
#include "localisation/OwnMessages.h"
#include "platform/SettingsStore.h"

#include <cstdio>
#include <exception>

FailureReporter::FailureReporter(zk::Dialogs &dialogs)
    : m_dialogs(dialogs)
{
}

bool FailureReporter::Guard(const std::string &operation, const std::function<void()> &body,
                            zk::Dialogs::Icon icon)
{
    std::string reason;
    try {
        body();
        return true;
    } catch (const zk::SettingsError &e) {
        SettingsNotSaved(e);
        return false;
    } catch (const std::exception &e) {
        reason = FailureReason(e);
    } catch (...) {
        reason = OwnMessage("an unknown error");
    }
    if (!m_openBoxes.insert(operation).second)
        return false;
    Tell(FailureText(operation, reason), icon);
    m_openBoxes.erase(operation);
    return false;
}

void FailureReporter::SettingsNotSaved(const zk::SettingsError &error)
{
    if (m_settingsNoticeShown)
        return;
    m_settingsNoticeShown = true;
    const std::string where = error.Where().empty() ? std::string(error.what()) : error.Where();
    Tell(OwnMessage("The settings cannot be saved in $file$.", {{"$file$", where}}),
         zk::Dialogs::Icon::Exclamation);
}

void FailureReporter::Tell(const std::string &text, zk::Dialogs::Icon icon)
{
    std::fprintf(stderr, "zitklok: %s\n", text.c_str());
    std::fflush(stderr);
    try {
        m_dialogs.MessageBox(text, ProgramTitle(), icon);
    } catch (...) {
        // Nothing more can be told when even the box fails.
    }
}
