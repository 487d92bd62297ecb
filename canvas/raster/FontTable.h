#pragma once

// Font numbers: the small numbers programs use for fonts, mapped to installed families.

#include "LString.h"

#include <QString>
#include <cstdint>
#include <string_view>

// Installed families without a fixed number get kFirstInstalledFontNumber + their place in
// the sorted family list.
constexpr std::int16_t kFirstInstalledFontNumber = 1024;

// The family drawn for a font number: 0 the system font, 1 the application font, 3 and 21
// sans serif, 20 serif, 4 and 22 monospace; unknown numbers draw in the application font.
QString fontFamilyForNumber(std::int16_t number);

// The number of a font name (ASCII case ignored), 0 for a name it does not know. Without a
// running GUI application only the fixed names are known.
std::int16_t GetFNum(std::string_view name);
inline std::int16_t GetFNum(const LStr255& name) {
    return GetFNum(name.view());
}
