#pragma once

// Font numbers: the small numbers programs use for fonts, mapped to installed families.

#include "LString.h"

#include <QString>
#include <cstdint>
#include <string_view>

// Installed families without a fixed number get kFirstInstalledFontNumber + their place in
// the sorted family list.
constexpr std::int16_t kFirstInstalledFontNumber = 1024;

// The family drawn for a font number: 0 the system font, 1 the application font; the classic
// numbers draw in an installed family of the kind they name: serif for 2, 14, 16, 20 and 34,
// monospaced for 4 and 22, sans serif for 3, 15, 21 and 33 (DejaVu where it is installed).
// Unknown numbers draw in the application font.
QString fontFamilyForNumber(std::int16_t number);

// The number of a font name (ASCII case ignored), 0 for a name it does not know. A family's
// plain name finds it when Qt lists it with its foundry ("P052" finds "P052 [urw]"). Without a
// running GUI application only the fixed names are known.
std::int16_t GetFNum(std::string_view name);
inline std::int16_t GetFNum(const LStr255& name) {
    return GetFNum(name.view());
}
