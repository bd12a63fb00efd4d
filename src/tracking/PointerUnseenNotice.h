#pragma once

#include <string>

// The status-bar notice for a session in which the program cannot see the
// pointer move (a Wayland desktop that answers no idle-time query), so that
// the automatic stop cannot act. In the current language of gLanguageChange;
// empty for a code other than "NL" and "ENG", as message texts are.
std::string PointerUnseenNotice();
std::string PointerUnseenNoticeNL();
std::string PointerUnseenNoticeENG();
