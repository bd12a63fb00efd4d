#include "localisation/OwnMessages.h"

#include "localisation/Module2.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <string_view>
#include <utility>

namespace {

bool &SettingsNoticeShown()
{
    static bool shown = false;
    return shown;
}

} // namespace

std::string FillPlaceholders(std::string text, Placeholders values)
{
    for (const auto &[placeholder, value] : values) {
        const std::string_view from(placeholder);
        for (std::size_t at = text.find(from); at != std::string::npos;
             at = text.find(from, at + value.size()))
            text.replace(at, from.size(), value);
    }
    return text;
}

std::string OwnMessage(const std::string &key, Placeholders values)
{
    std::string text = TranslateText(key);
    if (text.empty())
        text = TranslateTextENG(key);
    return FillPlaceholders(std::move(text), values);
}

std::string ProgramTitle()
{
    return OwnMessage("Zitklok");
}

std::string FailureText(const std::string &operation, const std::string &reason)
{
    std::string what = OwnMessage(operation);
    if (what.empty())
        what = operation;
    return OwnMessage(
        "$what$ failed:\n$why$\n\nZitklok goes on; what is already in the log is kept.",
        {{"$what$", what}, {"$why$", reason}});
}

void ReportSettingsNotSaved(zk::Dialogs &dialogs, const zk::SettingsError &error)
{
    if (SettingsNoticeShown())
        return;
    SettingsNoticeShown() = true;
    const std::string where = error.Where().empty() ? std::string(error.what()) : error.Where();
    dialogs.MessageBox(OwnMessage("The settings cannot be saved in $file$.", {{"$file$", where}}),
                       ProgramTitle(), zk::Dialogs::Icon::Exclamation);
}

void ResetSettingsNoticeForTests()
{
    SettingsNoticeShown() = false;
}
