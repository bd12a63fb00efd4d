#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace zk::e2e {

// actions.dat read straight from its bytes, by its record layout: 148 bytes a
// record, twelve little-endian 32-bit fields (start year, month, day, hour,
// minute, seconds, then the same for the end) and a 100-byte description
// whose bytes are rotated right by two bits, ended by 0x00 and padded with
// unscrambled spaces.
struct LogRecord
{
    static constexpr std::size_t kSize = 148;
    static constexpr std::size_t kDescriptionOffset = 48;
    static constexpr std::size_t kDescriptionSize = 100;

    std::array<std::int32_t, 6> start{};
    std::array<std::int32_t, 6> end{};
    std::string rawDescription; // the 100 bytes as stored

    // The description as the person wrote it.
    std::string Description() const;
    // Start and end as seconds since the epoch, read as local time.
    std::time_t StartTime() const;
    std::time_t EndTime() const;

    // The 100 bytes a description is stored as.
    static std::string StoredDescription(const std::string &text);
    // A file whose length is no multiple of 148 gives a record less: the test
    // that reads it checks the length itself.
    static std::vector<LogRecord> Parse(const std::string &bytes);
};

} // namespace zk::e2e
