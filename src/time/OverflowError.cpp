#include "time/OverflowError.h"

#include <limits>

namespace zk {

std::int32_t CheckedAdd(std::int32_t a, std::int32_t b)
{
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r))
        throw OverflowError("overflow: a 32-bit addition left its range");
    return r;
}

std::int32_t CheckedSub(std::int32_t a, std::int32_t b)
{
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r))
        throw OverflowError("overflow: a 32-bit subtraction left its range");
    return r;
}

std::int32_t CheckedMul(std::int32_t a, std::int32_t b)
{
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r))
        throw OverflowError("overflow: a 32-bit multiplication left its range");
    return r;
}

std::int16_t CheckedToInt16(std::int64_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw OverflowError("overflow: a value does not fit 16 bits");
    return static_cast<std::int16_t>(value);
}

} // namespace zk
