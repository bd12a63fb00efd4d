#include "tracking/PointerUnseenNotice.h"

#include "localisation/Module2.h"
#include "localisation/gclsLanguageChange.h"

namespace {
const char kNotice[] = "Auto stop does not work: the mouse cannot be seen.";
}

std::string PointerUnseenNoticeNL() { return TranslateTextNL(kNotice); }

std::string PointerUnseenNoticeENG() { return TranslateTextENG(kNotice); }

std::string PointerUnseenNotice()
{
    const std::string &language = gLanguageChange().GetLanguage();
    if (language == "NL")
        return PointerUnseenNoticeNL();
    if (language == "ENG")
        return PointerUnseenNoticeENG();
    return {};
}
