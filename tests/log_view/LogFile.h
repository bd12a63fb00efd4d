#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Records of actions.dat laid out by hand: twelve 32-bit little-endian signed
// fields (start year, month, day, hour, minute, seconds, then the same for the
// end), then 100 bytes of description, each byte rotated right by two bits,
// ended by a zero byte and padded with unscrambled spaces.
struct LogRecord
{
    std::array<std::int32_t, 6> start{};
    std::array<std::int32_t, 6> end{};
    std::string description;
    bool terminated = true;
};

inline std::string LogBytes(const std::vector<LogRecord> &records)
{
    std::string out;
    for (const LogRecord &r : records) {
        for (const auto *group : {&r.start, &r.end})
            for (std::int32_t v : *group)
                for (int b = 0; b < 4; ++b)
                    out.push_back(
                        static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * b)) & 0xFF));
        std::string field;
        std::string text = r.description;
        if (r.terminated)
            text.push_back('\0');
        for (char ch : text) {
            const auto c = static_cast<unsigned char>(ch);
            field.push_back(static_cast<char>((c & 3) * 64 + c / 4));
        }
        field.resize(100, ' ');
        out += field.substr(0, 100);
    }
    return out;
}
