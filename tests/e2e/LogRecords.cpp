#include "LogRecords.h"

namespace zk::e2e {
namespace {

std::int32_t Field(const std::string &bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value =
            (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(value);
}

std::time_t LocalSeconds(const std::array<std::int32_t, 6> &group)
{
    std::tm tm{};
    tm.tm_year = group[0] - 1900;
    tm.tm_mon = group[1] - 1;
    tm.tm_mday = group[2];
    tm.tm_hour = group[3];
    tm.tm_min = group[4];
    tm.tm_sec = group[5];
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

} // namespace

std::string LogRecord::Description() const
{
    std::string text;
    for (char c : rawDescription) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0x00)
            break;
        text += static_cast<char>(static_cast<unsigned char>((b << 2) | (b >> 6)));
    }
    return text;
}

std::time_t LogRecord::StartTime() const
{
    return LocalSeconds(start);
}

std::time_t LogRecord::EndTime() const
{
    return LocalSeconds(end);
}

std::string LogRecord::StoredDescription(const std::string &text)
{
    std::string stored;
    for (char c : text + '\0') {
        const auto b = static_cast<unsigned char>(c);
        stored += static_cast<char>(static_cast<unsigned char>((b >> 2) | (b << 6)));
    }
    stored.resize(kDescriptionSize, ' ');
    return stored;
}

std::vector<LogRecord> LogRecord::Parse(const std::string &bytes)
{
    std::vector<LogRecord> records;
    for (std::size_t at = 0; at + kSize <= bytes.size(); at += kSize) {
        LogRecord r;
        for (std::size_t i = 0; i < 6; ++i) {
            r.start[i] = Field(bytes, at + 4 * i);
            r.end[i] = Field(bytes, at + 24 + 4 * i);
        }
        r.rawDescription = bytes.substr(at + kDescriptionOffset, kDescriptionSize);
        records.push_back(r);
    }
    return records;
}

} // namespace zk::e2e
