#pragma once

#include <string>

// The notice for a session in which the program cannot see whether the
// computer is used (a Wayland desktop that offers no idle time), so that the
// automatic stop cannot act: shown once per start in a message box and in the
// status bar. In the current language of gLanguageChange; empty for a code
// other than "NL" and "ENG", as message texts are.
std::string PointerUnseenNotice();
std::string PointerUnseenNoticeENG();
