#pragma once

// Signed 32-bit arithmetic of the turtle language: sums, differences and products wrap around
// in two's complement; division truncates toward zero. Everything that can overflow is done on
// unsigned types, so no operation is undefined and every machine gives the same bits.

#include <cstdint>
#include <limits>

namespace wrapping {

constexpr std::int32_t fromBits(std::uint32_t bits) {
    return static_cast<std::int32_t>(bits); // modular since C++20
}
constexpr std::uint32_t toBits(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

constexpr std::int32_t add(std::int32_t a, std::int32_t b) {
    return fromBits(toBits(a) + toBits(b));
}
constexpr std::int32_t subtract(std::int32_t a, std::int32_t b) {
    return fromBits(toBits(a) - toBits(b));
}
constexpr std::int32_t multiply(std::int32_t a, std::int32_t b) {
    return fromBits(toBits(a) * toBits(b));
}
constexpr std::int32_t negate(std::int32_t a) {
    return fromBits(0u - toBits(a));
}

// The divisor must not be 0. The one quotient that does not fit, INT_MIN / -1, wraps to INT_MIN.
constexpr std::int32_t divide(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == -1)
        return negate(dividend);
    return dividend / divisor;
}

// The divisor must not be 0. The sign is the dividend's; INT_MIN % -1 is 0.
constexpr std::int32_t remainder(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == -1)
        return 0;
    return dividend % divisor;
}

} // namespace wrapping
