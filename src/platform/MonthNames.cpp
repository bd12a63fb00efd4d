#include "platform/MonthNames.h"

#include <array>

namespace zk {
namespace {

class EnglishMonthNames final : public MonthNames
{
public:
    std::string Abbreviated(int month) const override
    {
        static constexpr std::array<const char *, 12> names = {
            "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        if (month < 1 || month > 12)
            return {};
        return names[static_cast<std::size_t>(month - 1)];
    }
};

MonthNames *g_names = nullptr;

} // namespace

MonthNames &CurrentMonthNames()
{
    static EnglishMonthNames english;
    return g_names ? *g_names : english;
}

void SetCurrentMonthNames(MonthNames *names) { g_names = names; }

} // namespace zk
