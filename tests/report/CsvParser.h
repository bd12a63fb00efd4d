#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace zk::test {

// A strict RFC 4180 reader: CRLF line ends only, quoted fields with doubled
// quotes. Throws on anything else, so a sloppy writer fails the test.
inline std::vector<std::vector<std::string>> ParseCsv(const std::string &text)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    std::size_t i = 0;
    bool quoted = false;
    while (i < text.size()) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                i += 2;
            } else if (c == '"') {
                quoted = false;
                ++i;
                if (i < text.size() && text[i] != ',' && text[i] != '\r')
                    throw std::runtime_error("text after a closing quote");
            } else {
                field += c;
                ++i;
            }
        } else if (c == '"' && field.empty()) {
            quoted = true;
            ++i;
        } else if (c == '"' || c == '\n') {
            throw std::runtime_error("bare quote or line feed outside quotes");
        } else if (c == ',') {
            row.push_back(field);
            field.clear();
            ++i;
        } else if (c == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n')
                throw std::runtime_error("CR without LF");
            row.push_back(field);
            field.clear();
            rows.push_back(row);
            row.clear();
            i += 2;
        } else {
            field += c;
            ++i;
        }
    }
    if (quoted || !field.empty() || !row.empty())
        throw std::runtime_error("last line has no CRLF");
    return rows;
}

} // namespace zk::test
