#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zk::test {

// actions.dat laid out by hand, to check the store against the layout and not itself: twelve
// 32-bit little-endian fields (start year to seconds, then the end's) and a 100-byte
// description, each byte rotated right by two bits, ended by 0x00, padded with plain spaces.
using DateTime = std::array<std::int32_t, 6>;

struct LogRecord
{
    DateTime start{};
    DateTime end{};
    std::string description;
};

// The 100 bytes a description is stored as.
inline std::string Stored(const std::string &text)
{
    std::string out;
    for (unsigned char c : text + std::string(1, '\0'))
        out.push_back(static_cast<char>(((c & 3) << 6) | (c >> 2)));
    out.resize(100, ' ');
    return out.substr(0, 100);
}

// One record with the description field given byte for byte.
inline std::string RecordBytes(const DateTime &start, const DateTime &end, std::string raw)
{
    std::string out;
    for (const DateTime *group : {&start, &end})
        for (std::int32_t v : *group)
            for (int b = 0; b < 4; ++b)
                out.push_back(static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * b)) & 0xFF));
    raw.resize(100, ' ');
    return out + raw;
}

inline std::string Bytes(const std::vector<LogRecord> &records)
{
    std::string out;
    for (const LogRecord &r : records)
        out += RecordBytes(r.start, r.end, Stored(r.description));
    return out;
}

// The whole records of a file; the description up to its terminator.
inline std::vector<LogRecord> Records(const std::string &bytes)
{
    std::vector<LogRecord> out;
    for (std::size_t at = 0; at + 148 <= bytes.size(); at += 148) {
        LogRecord r;
        for (std::size_t i = 0; i < 12; ++i) {
            std::uint32_t v = 0;
            for (std::size_t b = 4; b-- > 0;)
                v = (v << 8) | static_cast<unsigned char>(bytes[at + 4 * i + b]);
            (i < 6 ? r.start[i] : r.end[i - 6]) = static_cast<std::int32_t>(v);
        }
        for (std::size_t i = at + 48; i < at + 148 && bytes[i] != '\0'; ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            r.description.push_back(static_cast<char>(((c << 2) | (c >> 6)) & 0xFF));
        }
        out.push_back(r);
    }
    return out;
}

} // namespace zk::test
