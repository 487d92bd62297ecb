#include "DecimalConversion.h"

#include "CharacterClasses.h"
#include "WrappingArithmetic.h"

std::int32_t StringToNum(std::string_view digits) {
    std::uint32_t value = 0;
    for (const char c : digits) {
        const auto byte = static_cast<unsigned char>(c);
        const std::uint32_t digit = IsDigit(byte) ? std::uint32_t(byte - '0') : 0u;
        value = value * 10u + digit;
    }
    return wrapping::fromBits(value);
}

std::string NumToString(std::int32_t number) {
    return std::to_string(number);
}
