#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// The caption and message tables behind TranslateControl and TranslateText,
// exported read-only so that their completeness can be checked. Each table is
// built once, on first use, from fixed rows; the version captions are composed
// from the program's version number at that moment.
namespace zk::translation {

enum class Language { NL, ENG };
enum class Table { ControlNames, ColumnKeys, Messages };

using Rows = std::vector<std::pair<std::string, std::string>>;
using Map = std::unordered_map<std::string, std::string>;

// Every row of a table, in the order written down, with its final text.
const Rows &TableRows(Table table, Language language);
// The same rows for lookup by key.
const Map &TableMap(Table table, Language language);

// The version as written in the version captions, e.g. "3.2".
std::string VersionText();

} // namespace zk::translation
