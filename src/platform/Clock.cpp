#include "platform/Clock.h"

#include <chrono>
#include <ctime>

namespace zk {
namespace {

class SystemClock final : public Clock
{
public:
    LocalDateTime Now() const override
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                local.tm_hour,        local.tm_min,     local.tm_sec};
    }

    std::int64_t SteadySeconds() const override
    {
#ifdef CLOCK_BOOTTIME
        timespec boot{};
        if (clock_gettime(CLOCK_BOOTTIME, &boot) == 0)
            return static_cast<std::int64_t>(boot.tv_sec);
#endif
        // Elsewhere the steady clock is the best there is; a sleep then looks
        // like a jump of the wall clock, which splits the running record
        // instead of stopping it.
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

Clock *g_clock = nullptr;

} // namespace

Clock &CurrentClock()
{
    static SystemClock system;
    return g_clock ? *g_clock : system;
}

void SetCurrentClock(Clock *clock) { g_clock = clock; }

} // namespace zk
