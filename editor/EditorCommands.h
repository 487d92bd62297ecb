#pragma once

// The commands the program editor answers. In a namespace of their own, so that the
// application may keep its own names for the same numbers.

#include "CommandNumbers.h"

namespace EditorCommand {
constexpr CommandT kNewProgram = 504;
constexpr CommandT kRunProgram = 505;
constexpr CommandT kOpenProgram = 506;
constexpr CommandT kSaveProgram = 507;
// Opens the variables window of the program window.
constexpr CommandT kShowVariables = 510;
// The level runs start at: set it (ioParam: const std::int32_t*), or ask whoever keeps it
// (ioParam: std::int32_t*, left alone when nobody does).
constexpr CommandT kSetStartingPace = 511;
constexpr CommandT kStartingPace = 512;
// Inserts the title of the most recently clicked command-palette button.
constexpr CommandT kInsertPaletteWord = 1000;
constexpr CommandT kShowCommandPalette = 1001;
} // namespace EditorCommand

// Program ▸ Translate To: item 1 the first keyword set, item 2 the second, then the languages.
constexpr MenuIDT kTranslateMenuID = 140;
