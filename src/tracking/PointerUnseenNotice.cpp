#include "tracking/PointerUnseenNotice.h"

#include "localisation/Module2.h"

namespace {
const char *const kNotice
    = "Auto Stop werkt niet: Zitklok kan in deze sessie niet zien of de computer gebruikt wordt.";
} // namespace

std::string PointerUnseenNoticeENG() { return TranslateTextENG(kNotice); }

std::string PointerUnseenNotice() { return TranslateText(kNotice); }
