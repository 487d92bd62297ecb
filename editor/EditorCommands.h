#pragma once

// The commands the program editor answers. In a namespace of their own, so that the
// application may keep its own names for the same numbers.

#include "CommandNumbers.h"

namespace EditorCommand {
constexpr CommandT kNewProgram = 504;
constexpr CommandT kRunProgram = 505;
constexpr CommandT kOpenProgram = 506;
constexpr CommandT kSaveProgram = 507;
// Inserts the title of the most recently clicked command-palette button.
constexpr CommandT kInsertPaletteWord = 1000;
constexpr CommandT kShowCommandPalette = 1001;
} // namespace EditorCommand
