#include "localisation/OwnMessages.h"

#include "localisation/Module2.h"

#include <string_view>
#include <utility>

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
