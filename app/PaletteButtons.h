#pragma once

// The palette buttons' command numbers and what each stands for.

#include "CommandNumbers.h"
#include "Geometry.h"

#include <array>
#include <cstdint>
#include <optional>

constexpr CommandT cmd_PenWidth2 = 2000;
constexpr CommandT cmd_PenWidth32 = 2004;
constexpr CommandT cmd_FillTool = 2010;
constexpr CommandT cmd_ColourBlack = 3000;
constexpr CommandT cmd_ColourYellow = 3007;
constexpr CommandT cmd_ColourCycling = 3008;
constexpr CommandT cmd_ColourPicker = 3009;
constexpr CommandT cmd_Symmetry1 = 4000;
constexpr CommandT cmd_Symmetry8 = 4004;
constexpr CommandT cmd_ClearPicture = 4005;

// The buttons of each group in the order the palette queries examine them.
constexpr std::array<CommandT, 6> kPenButtons{2000, 2001, 2002, 2003, 2004, 2010};
constexpr std::array<CommandT, 10> kColourButtons{3000, 3001, 3002, 3003, 3004,
                                                  3005, 3006, 3007, 3008, 3009};
constexpr std::array<CommandT, 5> kSymmetryButtons{4000, 4001, 4002, 4003, 4004};

// 2, 4, 8, 16, 32 for 2000..2004; none for any other command.
std::optional<std::int16_t> penWidthOfButton(CommandT button);
// 1, 2, 4, 6, 8 for 4000..4004.
std::optional<std::int32_t> symmetryOfButton(CommandT button);
// The colour of 3000..3007, and red for 3008 (where colour cycling starts).
std::optional<RGBColour> colourOfButton(CommandT button);
