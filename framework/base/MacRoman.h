#pragma once

// The Mac Roman character set, as far as four-character codes need it.

#include <cstdint>
#include <optional>

// The Unicode code point of a Mac Roman byte.
char32_t MacRomanToUnicode(std::uint8_t byte);

// The Mac Roman byte of a code point, or none when the set has no such character.
std::optional<std::uint8_t> UnicodeToMacRoman(char32_t codePoint);
