#pragma once

#include <string>
#include <vector>

class clsUsers;

// The entries of the main window's filter box, in order, in the current
// language: TranslateText("Alles (zonder Idle)"), TranslateText("Alles"), the
// literal "Idle", then every user's name in the order of the list.
std::vector<std::string> FilterEntries(const clsUsers &users);

// The log list's filter for a text of the filter box: "-Idle" for the first
// entry's text of the current language, the empty text for the second one's,
// and the text itself for anything else (exact, case-sensitive comparisons, so
// a text of the other language is taken literally).
std::string FilterForComboText(const std::string &t);
