#pragma once

#include <array>
#include <cstdint>
#include <string>

// One record of actions.dat in memory. On disk it is 148 bytes: twelve 32-bit
// little-endian signed integers, then a 100-byte scrambled description.
struct ActionRecord
{
    static constexpr std::size_t kSize = 148;
    static constexpr std::size_t kDescriptionSize = 100;

    std::int32_t StartDateTimeYear = 0;
    std::int32_t StartDateTimeMonth = 0;
    std::int32_t StartDateTimeDay = 0;
    std::int32_t StartDateTimeHour = 0;
    std::int32_t StartDateTimeMinute = 0;
    std::int32_t StartDateTimeSeconds = 0;
    std::int32_t EndDateTimeYear = 0;
    std::int32_t EndDateTimeMonth = 0;
    std::int32_t EndDateTimeDay = 0;
    std::int32_t EndDateTimeHour = 0;
    std::int32_t EndDateTimeMinute = 0;
    std::int32_t EndDateTimeSeconds = 0;
    // The raw field as stored: scrambled text, terminator, space padding.
    std::array<char, kDescriptionSize> Description{};

    ActionRecord() { Description.fill(' '); }

    // The text of the Description field: unscrambled, without the padding and
    // without any character of code 0.
    std::string PlainDescription() const;
    // The same into a string the caller keeps, whose room is used again.
    void PlainDescription(std::string &into) const;

    using Bytes = std::array<unsigned char, kSize>;
    Bytes ToBytes() const;
    static ActionRecord FromBytes(const Bytes &bytes);
};
