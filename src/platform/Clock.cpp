#include "platform/Clock.h"

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
