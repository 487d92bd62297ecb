#include "FontNumberStandIn.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

std::int16_t StandInFontNumber(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, std::int16_t>, 8> kFonts = {{
        {"geneva", 3},
        {"monaco", 4},
        {"times", 20},
        {"helvetica", 21},
        {"courier", 22},
        {"symbol", 23},
        {"palatino", 16},
        {"chicago", 0},
    }};
    const auto sameWord = [name](std::string_view known) {
        return std::equal(name.begin(), name.end(), known.begin(), known.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        });
    };
    for (const auto& [known, number] : kFonts) {
        if (sameWord(known))
            return number;
    }
    return 0;
}
