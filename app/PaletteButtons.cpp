#include "PaletteButtons.h"

std::optional<std::int16_t> penWidthOfButton(CommandT button) {
    if (button < cmd_PenWidth2 || button > cmd_PenWidth32)
        return std::nullopt;
    return static_cast<std::int16_t>(2 << (button - cmd_PenWidth2));
}

std::optional<std::int32_t> symmetryOfButton(CommandT button) {
    static constexpr std::array<std::int32_t, 5> kModes{1, 2, 4, 6, 8};
    if (button < cmd_Symmetry1 || button > cmd_Symmetry8)
        return std::nullopt;
    return kModes[static_cast<std::size_t>(button - cmd_Symmetry1)];
}

std::optional<RGBColour> colourOfButton(CommandT button) {
    static constexpr std::array<RGBColour, 9> kColours{{
        {0, 0, 0},
        {0xFFFF, 0, 0},
        {0, 0xFFFF, 0},
        {0, 0, 0xFFFF},
        {0xFFFF, 0xFFFF, 0xFFFF},
        {0, 0xFFFF, 0xFFFF},
        {0xFFFF, 0, 0xFFFF},
        {0xFFFF, 0xFFFF, 0},
        {0xFFFF, 0, 0}, // colour cycling starts at red
    }};
    if (button < cmd_ColourBlack || button > cmd_ColourCycling)
        return std::nullopt;
    return kColours[static_cast<std::size_t>(button - cmd_ColourBlack)];
}
