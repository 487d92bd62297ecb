#pragma once

// Four-character codes (file types, creators, resource types): 32-bit values whose first
// character is the most significant byte. Written as text they are four Mac Roman characters
// or "0x" and eight hex digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using FourCharCode = std::uint32_t;
using ResType = FourCharCode;
using OSType = FourCharCode;

// The code of four ASCII characters, usable in constant expressions: FourCC("STR#").
consteval FourCharCode FourCC(const char (&text)[5]) {
    return (FourCharCode(static_cast<unsigned char>(text[0])) << 24) |
           (FourCharCode(static_cast<unsigned char>(text[1])) << 16) |
           (FourCharCode(static_cast<unsigned char>(text[2])) << 8) |
           FourCharCode(static_cast<unsigned char>(text[3]));
}

constexpr FourCharCode FourCCFromBytes(std::uint8_t a, std::uint8_t b, std::uint8_t c,
                                       std::uint8_t d) {
    return (FourCharCode(a) << 24) | (FourCharCode(b) << 16) | (FourCharCode(c) << 8) |
           FourCharCode(d);
}

// Parses UTF-8 text: exactly four characters of the Mac Roman set, or "0x" + 8 hex digits.
std::optional<FourCharCode> ParseFourCharCode(std::string_view utf8);

// The text form: Mac Roman characters when all four bytes are printable, else "0x" + hex.
std::string FormatFourCharCode(FourCharCode code);
