#include "options/Module3.h"
#include "platform/Clock.h"
#include "platform/MonthNames.h"
#include "platform/RunKey.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct RecordingRunKey : zk::RunKey
{
    void Write(const std::string &name, const std::string &data) override
    {
        writes.push_back(name + "=" + data);
    }
    std::vector<std::string> writes;
};

std::time_t SecondsOf(const zk::LocalDateTime &t)
{
    std::tm parts{};
    parts.tm_year = t.year - 1900;
    parts.tm_mon = t.month - 1;
    parts.tm_mday = t.day;
    parts.tm_hour = t.hour;
    parts.tm_min = t.minute;
    parts.tm_sec = t.second;
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

} // namespace

// Without fakes: now is the local time and the steady clock never goes back.
TEST(SystemClock, NowIsTheLocalTimeAndTheSteadyClockNeverGoesBack)
{
    const std::time_t now = SecondsOf(zk::CurrentClock().Now());
    EXPECT_LE(std::abs(static_cast<long>(std::time(nullptr) - now)), 1L);
    const std::int64_t steady = zk::CurrentClock().SteadySeconds();
    EXPECT_GE(zk::CurrentClock().SteadySeconds(), steady);
}

TEST(EnglishMonthNames, TwelveAbbreviationsAndNothingOutside)
{
    const zk::MonthNames &names = zk::CurrentMonthNames();
    EXPECT_EQ(names.Abbreviated(12), "Dec");
    EXPECT_EQ(names.Abbreviated(13), "");
}

// Only the Run key of the local machine opens, its path matched in any case and with or
// without the closing separator; a write to any other key fails silently.
TEST(Module3, OnlyTheRunKeyOfTheLocalMachineIsWritten)
{
    struct Row
    {
        const char *path;
        std::uint32_t root;
        bool written;
    };
    const Row rows[] = {
        {Module3::kRunKeyPath, Module3::kHKeyLocalMachine, true},
        {"software\\microsoft\\windows\\currentversion\\run", Module3::kHKeyLocalMachine, true},
        {"SOFTWARE\\Other", Module3::kHKeyLocalMachine, false},
        {Module3::kRunKeyPath, 0x80000001u, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.path);
        RecordingRunKey run;
        Module3::SetKeyValue(run, row.path, "N", "x", Module3::REG_SZ, row.root);
        EXPECT_EQ(run.writes,
                  row.written ? std::vector<std::string>{"N=x"} : std::vector<std::string>{});
    }
}

// Text (1) is written as it is, a number (4) as its decimal text when the whole text is one
// 32-bit number; other types write nothing and succeed.
TEST(Module3, AValueIsWrittenAsTextWhenItsTypeAllows)
{
    using namespace Module3;
    struct Row
    {
        std::int32_t type;
        RegValue value;
        long result;
        const char *written; // nullptr: nothing written
    };
    const Row rows[] = {
        {.type = REG_SZ, .value = "a b", .result = kSuccess, .written = "N=a b"},
        {.type = REG_DWORD, .value = 7, .result = kSuccess, .written = "N=7"},
        {.type = REG_DWORD, .value = "-12", .result = kSuccess, .written = "N=-12"},
        {.type = REG_DWORD, .value = "12x", .result = kInvalidParameter, .written = nullptr},
        {.type = REG_DWORD, .value = "4294967296", .result = kInvalidParameter, .written = nullptr},
        {.type = 2, .value = "a", .result = kSuccess, .written = nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        RecordingRunKey run;
        EXPECT_EQ(SetOpenKeyValue({&run}, "N", row.type, row.value), row.result);
        EXPECT_EQ(run.writes,
                  row.written ? std::vector<std::string>{row.written} : std::vector<std::string>{});
    }
    EXPECT_EQ(SetOpenKeyValue({}, "N", REG_SZ, "a"), kInvalidHandle); // a key that is not open
}

TEST(Module3, TheProgramCommandIsItsAbsolutePath)
{
    EXPECT_EQ(Module3::ProgramCommand("/usr/bin", "zitklok"), "/usr/bin/zitklok");
    EXPECT_EQ(Module3::ProgramCommand("/", "zitklok"), "/zitklok");
}
