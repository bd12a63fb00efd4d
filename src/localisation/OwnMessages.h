#pragma once

#include <initializer_list>
#include <string>
#include <utility>

// The texts this program shows besides the captions and messages of its
// tables' first rows: every one a row of the message table, looked up through
// TranslateText in the current language. A language without texts (a code
// other than "NL" and "ENG") gets the English ones, so that no box is empty.

// The program's name as every box of ours is titled: "Zitklok" or "Sitclock".
std::string ProgramTitle();

using Placeholders = std::initializer_list<std::pair<const char *, std::string>>;

// text with each value in place of every occurrence of its placeholder, one
// placeholder after the other in the order given.
std::string FillPlaceholders(std::string text, Placeholders values);

// Looks key up and fills its placeholders.
std::string OwnMessage(const std::string &key, Placeholders values = {});

// "<operation> failed:" with the reason and the note that the program goes
// on. A known operation is worded in the current language; the reason is the
// system's own text.
std::string FailureText(const std::string &operation, const std::string &reason);
