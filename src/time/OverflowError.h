#pragma once

#include <cstdint>
#include <stdexcept>

namespace zk {

// A result that does not fit its 32-bit (or 16-bit) field. The operation that
// raised it stops where it was.
class OverflowError : public std::overflow_error
{
public:
    using std::overflow_error::overflow_error;
};

// 32-bit signed arithmetic that raises OverflowError instead of wrapping.
std::int32_t CheckedAdd(std::int32_t a, std::int32_t b);
std::int32_t CheckedSub(std::int32_t a, std::int32_t b);
std::int32_t CheckedMul(std::int32_t a, std::int32_t b);
// Narrowing to 16 bits, raising OverflowError outside -32768 to 32767.
std::int16_t CheckedToInt16(std::int64_t value);

} // namespace zk
