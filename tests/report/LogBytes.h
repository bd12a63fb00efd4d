#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zk::test {

// Records of actions.dat built byte by byte from the file's layout: twelve
// 32-bit little-endian fields (start year, month, day, hour, minute, seconds,
// then the same for the end) and 100 bytes of description, each byte rotated
// right by two bits, a 0x00 terminator and unscrambled space padding.
struct RawRecord
{
    std::array<std::int32_t, 6> start{};
    std::array<std::int32_t, 6> end{};
    std::string description;
};

inline std::string Bytes(const RawRecord &r)
{
    std::string out;
    auto put = [&](std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    };
    for (auto v : r.start)
        put(v);
    for (auto v : r.end)
        put(v);
    std::string field;
    for (char c : r.description + std::string(1, '\0')) {
        const auto b = static_cast<unsigned char>(c);
        field.push_back(static_cast<char>(((b & 3) << 6) | (b >> 2)));
    }
    field.resize(100, ' ');
    return out + field.substr(0, 100);
}

// A stretch from one moment to another as a record.
inline RawRecord Stretch(std::array<std::int32_t, 6> start, std::array<std::int32_t, 6> end,
                         std::string description)
{
    return {start, end, std::move(description)};
}

} // namespace zk::test
