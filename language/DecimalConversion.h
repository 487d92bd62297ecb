#pragma once

// Decimal text to number and back, for numbers in program text and the text of Write.

#include <cstdint>
#include <string>
#include <string_view>

// The value of a run of digits. Digits beyond the 32-bit range wrap around: the result is the
// value modulo 2^32, read as a signed number. Bytes other than digits count as 0.
std::int32_t StringToNum(std::string_view digits);

// The decimal form: a minus sign for negative numbers, no leading zeros.
std::string NumToString(std::int32_t number);
