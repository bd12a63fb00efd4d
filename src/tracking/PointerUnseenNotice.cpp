#include "tracking/PointerUnseenNotice.h"

#include "localisation/gclsLanguageChange.h"

std::string PointerUnseenNoticeNL()
{
    return "Auto Stop werkt niet: Zitklok kan de muis in deze sessie niet zien.";
}

std::string PointerUnseenNoticeENG()
{
    return "Auto stop does not work: Sitclock cannot see the mouse in this session.";
}

std::string PointerUnseenNotice()
{
    const std::string &language = gLanguageChange().GetLanguage();
    if (language == "NL")
        return PointerUnseenNoticeNL();
    if (language == "ENG")
        return PointerUnseenNoticeENG();
    return {};
}
