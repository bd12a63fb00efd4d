#include "activity_log/ActionRecord.h"

#include "activity_log/Module4.h"

#include <algorithm>
#include <cstring>

namespace {

// Explicit little-endian, whatever the host's byte order.
void PutInt32(ActionRecord::Bytes &b, std::size_t offset, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        b[offset + i] = static_cast<unsigned char>(u >> (8 * i));
}

std::int32_t GetInt32(const ActionRecord::Bytes &b, std::size_t offset)
{
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i)
        u |= std::uint32_t{b[offset + i]} << (8 * i);
    return static_cast<std::int32_t>(u);
}

constexpr std::size_t kDescriptionOffset = 48;

} // namespace

std::string ActionRecord::PlainDescription() const
{
    std::string text;
    PlainDescription(text);
    return text;
}

// DecryptText of the field without its trailing spaces, without code 0, in one
// pass: every reader of the log asks this of every record.
void ActionRecord::PlainDescription(std::string &into) const
{
    const auto &field = Description;
    // Most of a field is padding: eight spaces at a time first.
    constexpr std::uint64_t kEightSpaces = 0x2020202020202020;
    std::size_t end = field.size();
    for (std::uint64_t word = kEightSpaces; end >= 8; end -= 8) {
        std::memcpy(&word, field.data() + end - 8, 8);
        if (word != kEightSpaces)
            break;
    }
    while (end > 0 && field[end - 1] == ' ')
        --end;
    std::array<char, ActionRecord::kDescriptionSize> text;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < end; ++i) {
        text[kept] = DecryptChar(static_cast<unsigned char>(field[i]));
        kept += text[kept] != '\0';
    }
    into.assign(text.data(), kept);
}

ActionRecord::Bytes ActionRecord::ToBytes() const
{
    Bytes b{};
    const std::int32_t fields[12] = {
        StartDateTimeYear, StartDateTimeMonth,  StartDateTimeDay, StartDateTimeHour,
        StartDateTimeMinute, StartDateTimeSeconds, EndDateTimeYear, EndDateTimeMonth,
        EndDateTimeDay,    EndDateTimeHour,     EndDateTimeMinute, EndDateTimeSeconds,
    };
    for (std::size_t i = 0; i < 12; ++i)
        PutInt32(b, 4 * i, fields[i]);
    std::transform(Description.begin(), Description.end(), b.begin() + kDescriptionOffset,
                   [](char c) { return static_cast<unsigned char>(c); });
    return b;
}

ActionRecord ActionRecord::FromBytes(const Bytes &b)
{
    ActionRecord r;
    std::int32_t *fields[12] = {
        &r.StartDateTimeYear, &r.StartDateTimeMonth,  &r.StartDateTimeDay,
        &r.StartDateTimeHour, &r.StartDateTimeMinute, &r.StartDateTimeSeconds,
        &r.EndDateTimeYear,   &r.EndDateTimeMonth,    &r.EndDateTimeDay,
        &r.EndDateTimeHour,   &r.EndDateTimeMinute,   &r.EndDateTimeSeconds,
    };
    for (std::size_t i = 0; i < 12; ++i)
        *fields[i] = GetInt32(b, 4 * i);
    std::transform(b.begin() + kDescriptionOffset, b.end(), r.Description.begin(),
                   [](unsigned char c) { return static_cast<char>(c); });
    return r;
}
