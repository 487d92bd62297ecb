#pragma once

// Line and column of a byte offset, for diagnostics: both 1-based, the column counted in bytes.
// CR, LF and CRLF each end one line.

#include <cstdint>
#include <string_view>

struct TextPosition {
    std::int64_t line = 1;
    std::int64_t column = 1;
};

TextPosition PositionOfOffset(std::string_view text, std::int64_t offset);
