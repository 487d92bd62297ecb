#pragma once

// Font numbers of a few classic font names, until the canvas library's font table is wired in.
// Names compare without regard to ASCII case; any other name is font 0.

#include <cstdint>
#include <string_view>

std::int16_t StandInFontNumber(std::string_view name);
