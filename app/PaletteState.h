#pragma once

// The values of the palette buttons (1 selected, 0 not) and the queries and marks the paint
// view, the interpreter and the settings use. A group whose palette window is absent answers
// with the defaults.

#include "PaletteButtons.h"

#include <functional>
#include <map>

struct PaletteColourChoice {
    RGBColour colour = kBlack;
    bool cycling = false; // set only for 3008
};

class PaletteState {
public:
    // 2000, 3000 and 4000 selected, both palettes present.
    PaletteState();

    int buttonValue(CommandT button) const;
    void setButtonValue(CommandT button, int value);

    void setToolPalettePresent(bool present) { mToolPalette = present; }
    void setColourPalettePresent(bool present) { mColourPalette = present; }

    CommandT SelectedPenButton() const;
    std::int16_t PalettePenWidth() const;
    CommandT SelectedSymmetryButton() const;
    std::int32_t PaletteSymmetry() const;
    CommandT SelectedColourButton() const;
    PaletteColourChoice PaletteColour() const;

    // Each turns the given button on and the others of its group off.
    void MarkPenSize(CommandT button);
    void MarkColour(CommandT button);
    void MarkSymmetry(CommandT button);

    // Told of every value that changes, so palette windows can show it.
    std::function<void(CommandT button, int value)> onChange;

private:
    template <std::size_t N> void markOneOf(const std::array<CommandT, N>& group, CommandT button);
    template <std::size_t N>
    std::optional<CommandT> firstSelected(const std::array<CommandT, N>& group,
                                          std::size_t count) const;

    std::map<CommandT, int> mValues;
    bool mToolPalette = true;
    bool mColourPalette = true;
};
