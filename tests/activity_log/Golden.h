#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace zk::test {

// One record built straight from the file layout: twelve 32-bit little-endian
// integers, then 100 bytes of description, so that the store is checked
// against the layout rather than against itself.
inline std::string GoldenRecord(std::initializer_list<std::int32_t> fields,
                                const std::string &descriptionBytes)
{
    std::string out;
    for (std::int32_t f : fields) {
        const auto u = static_cast<std::uint32_t>(f);
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    }
    std::string d = descriptionBytes.substr(0, 100);
    d.resize(100, ' ');
    return out + d;
}

// The stored form of a description: each byte rotated right by two bits,
// the terminator, then unscrambled spaces.
inline std::string StoredDescription(const std::string &text)
{
    std::string out;
    for (unsigned char c : text + std::string(1, '\0'))
        out.push_back(static_cast<char>(((c & 3) << 6) | (c >> 2)));
    return out.substr(0, 100);
}

} // namespace zk::test
