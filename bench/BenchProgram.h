#pragma once

// What the benchmarks that start the main window or the program share: a
// log of a household's use and platform parts that do nothing.

#include "failure/FailureReporter.h"
#include "main_window/Form1.h"
#include "platform/Registry.h"
#include "platform/RunKey.h"
#include "support/FakeDialogs.h"
#include "support/FakeLocker.h"
#include "support/FakePointer.h"
#include "support/FakeSettings.h"
#include "support/FakeTrayIcon.h"
#include "support/LogBytes.h"

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

// Everything a benchmarked main window runs with but the clock: fakes for the
// platform and the settings of a household of three users.
struct FakeHousehold
{
    zk::test::FakeSettings settings;
    zk::test::FakeDialogs dialogs;
    FailureReporter failures{dialogs};
    zk::test::FakeTrayIcon tray;
    zk::test::FakePointer pointer;
    NullRunKey runKey;
    NullRegistry registry;
    zk::test::FakeLocker locker;

    FakeHousehold() { settings.Write("Sitclock", "Edit", "Users", "Ann|Bob|Cor"); }

    // The services of a main window whose log lives in `folder`.
    Form1Services Services(const std::string &folder)
    {
        return Form1Services{dialogs,  failures, tray,   pointer,
                             runKey,   registry, locker, folder, "/opt/zk/zitklok",
                             [](const std::string &) { return true; }};
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
        f << zk::test::Bytes({{{2026, 12, day, hour, 0, 0}, {2026, 12, day, hour, 45, 30},
                               names[i % 4]}});
    }
}

} // namespace zk::bench
