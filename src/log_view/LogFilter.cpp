#include "log_view/LogFilter.h"

bool TextOccursIn(const std::string &what, const std::string &text)
{
    // The empty search text is found at the first position of any text that
    // has one, and nowhere in the empty text.
    if (text.empty())
        return false;
    return text.find(what) != std::string::npos;
}

bool DescriptionPassesFilter(const std::string &description, const std::string &filter)
{
    if (filter.empty())
        return true;
    if (filter.front() != '-')
        return TextOccursIn(filter, description);
    return !TextOccursIn(filter.substr(1), description);
}
