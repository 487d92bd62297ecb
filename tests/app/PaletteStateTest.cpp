// The palette selections: what the queries answer and what marking changes.

#include "PaletteState.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(PaletteState, MarkingTurnsOneButtonOnAndTheRestOfItsGroupOff) {
    PaletteState palettes;
    std::vector<std::pair<CommandT, int>> changes;
    palettes.onChange = [&](CommandT button, int value) { changes.emplace_back(button, value); };
    palettes.MarkPenSize(2003);
    EXPECT_EQ(changes, (std::vector<std::pair<CommandT, int>>{{2000, 0}, {2003, 1}}));
    palettes.MarkColour(3007);
    EXPECT_EQ(palettes.PaletteColour().colour, (RGBColour{0xFFFF, 0xFFFF, 0}));
    palettes.MarkColour(3004);
    EXPECT_EQ(palettes.PaletteColour().colour, kWhite);
    palettes.MarkColour(3009); // the picker starts black and does not cycle
    EXPECT_EQ(palettes.PaletteColour().colour, kBlack);
    EXPECT_FALSE(palettes.PaletteColour().cycling);

    // A run may end with the colour command 2999 (a negative colour value); the palette keeps
    // showing a selection instead of going blank.
    palettes.MarkColour(3002);
    palettes.MarkColour(2999);
    palettes.MarkPenSize(4000);
    EXPECT_EQ(palettes.SelectedColourButton(), 3002);
    EXPECT_EQ(palettes.buttonValue(3002), 1);
    EXPECT_EQ(palettes.SelectedPenButton(), 2003);
    EXPECT_FALSE(penWidthOfButton(2010));
    EXPECT_FALSE(symmetryOfButton(4005));
}

} // namespace
