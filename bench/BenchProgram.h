#pragma once

// What the benchmarks that start the main window or the program share: a
// log of a household's use and platform parts that do nothing.

#include "activity_log/Golden.h"
#include "platform/Registry.h"
#include "platform/RunKey.h"

#include <fstream>
#include <string>

namespace zk::bench {

class NullRunKey : public zk::RunKey
{
public:
    void Write(const std::string &, const std::string &) override {}
};

class NullRegistry : public zk::Registry
{
public:
    bool GetKeyValue(std::uint32_t, const std::string &, const std::string &,
                     std::string &v) override
    {
        v.clear();
        return false;
    }
};

// `records` stretches of three users and idle time, 45 minutes each, spread
// over December 2026.
inline void WriteHouseholdLog(const std::string &path, int records)
{
    const char *names[] = {"Ann", "Bob", "Idle", "Cor: homework"};
    std::ofstream f(path, std::ios::binary);
    for (int i = 0; i < records; ++i) {
        const int day = 1 + i % 28;
        const int hour = i % 24;
        f << zk::test::GoldenRecord({2026, 12, day, hour, 0, 0, 2026, 12, day, hour, 45, 30},
                                    zk::test::StoredDescription(names[i % 4]));
    }
}

} // namespace zk::bench
