#pragma once

#include <QString>
#include <string>

namespace zk {

// The boundary between Qt's Unicode strings and the program's 8-bit text:
// one byte per character, Latin-1; a character that does not fit becomes "?".
inline QString ToQt(const std::string &text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString &text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (c.isLowSurrogate())
            continue; // the high half of the pair already gave its "?"
        out.push_back(c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?');
    }
    return out;
}

} // namespace zk
