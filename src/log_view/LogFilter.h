#pragma once

#include <string>

// The log list's filter test on one description. An empty filter passes
// everything; a filter that begins with "-" passes the descriptions that do not
// contain the rest of it; any other filter passes the descriptions that
// contain it. Containment is exact and case-sensitive, and the empty text is
// contained in every non-empty description but not in the empty one, so "-"
// passes only empty descriptions.
bool DescriptionPassesFilter(const std::string &description, const std::string &filter);

// Whether what occurs in text, with the empty text occurring in no empty text.
bool TextOccursIn(const std::string &what, const std::string &text);
