#include "log_view/FilterSelection.h"

#include "localisation/Module2.h"
#include "users/clsUsers.h"

std::vector<std::string> FilterEntries(const clsUsers &users)
{
    std::vector<std::string> entries;
    const std::int16_t n = users.Count();
    entries.reserve(static_cast<std::size_t>(n > 0 ? n : 0) + 3);
    entries.push_back(TranslateText("Alles (zonder Idle)"));
    entries.push_back(TranslateText("Alles"));
    entries.push_back("Idle"); // the same word in both languages, never looked up
    for (std::int16_t i = 1; i <= n; ++i)
        entries.push_back(users.Item(i));
    return entries;
}

std::string FilterForComboText(const std::string &t)
{
    if (t == TranslateText("Alles (zonder Idle)"))
        return "-Idle";
    if (t == TranslateText("Alles"))
        return {};
    return t;
}
