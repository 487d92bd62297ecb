#pragma once

// 16.16 fixed-point helpers of the raster code. Everything is carried in 64 bits so that
// no intermediate can overflow, whatever the coordinates.

#include <cstdint>

using Fixed64 = std::int64_t;

constexpr Fixed64 kFixedOne = 0x10000;
constexpr Fixed64 kFixedHalf = 0x8000;

// n / d in 16.16, truncated toward zero; a zero divisor saturates with the sign of n.
constexpr Fixed64 FixRatio(std::int64_t n, std::int64_t d) {
    if (d == 0)
        return n < 0 ? Fixed64{-0x7FFFFFFF} : Fixed64{0x7FFFFFFF};
    if (n == d)
        return kFixedOne;
    return (n * kFixedOne) / d;
}

// a * b in 16.16, rounded half away from zero.
constexpr Fixed64 FixMul(Fixed64 a, Fixed64 b) {
    if (b == kFixedOne)
        return a;
    if (a == kFixedOne)
        return b;
    // 128 bits: a pen height of 32767 times the steepest 16-bit slope exceeds 63 bits.
    const __int128 product = static_cast<__int128>(a) * b;
    Fixed64 result = static_cast<Fixed64>(product >> 16); // floor
    const bool halfBit = (product & 0x8000) != 0;
    const bool lowBits = (product & 0x7FFF) != 0;
    if (halfBit && (result >= 0 || lowBits))
        ++result;
    return result;
}

// Floor of a 16.16 value as a pixel coordinate.
constexpr std::int64_t FixFloor(Fixed64 value) {
    return value >> 16;
}
