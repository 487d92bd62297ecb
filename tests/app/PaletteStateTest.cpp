// The palette selections: what the queries answer and what marking changes.

#include "PaletteState.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A fresh palette, and one whose windows are absent whatever was marked, answer the defaults.
TEST(PaletteState, FreshOrAbsentPalettesAnswerTheFirstButtonOfEachGroup) {
    for (const bool absent : {false, true}) {
        SCOPED_TRACE(absent);
        PaletteState palettes;
        if (absent) {
            palettes.MarkPenSize(2004);
            palettes.MarkSymmetry(4004);
            palettes.MarkColour(3008);
            palettes.setToolPalettePresent(false);
            palettes.setColourPalettePresent(false);
        }
        EXPECT_EQ(palettes.SelectedPenButton(), 2000);
        EXPECT_EQ(palettes.PalettePenWidth(), absent ? 1 : 2);
        EXPECT_EQ(palettes.SelectedColourButton(), 3000);
        EXPECT_EQ(palettes.SelectedSymmetryButton(), 4000);
        EXPECT_EQ(palettes.PaletteSymmetry(), 1);
        EXPECT_EQ(palettes.PaletteColour().colour, kBlack);
        EXPECT_FALSE(palettes.PaletteColour().cycling);
    }
}

TEST(PaletteState, MarkingTurnsOneButtonOnAndTheRestOfItsGroupOff) {
    PaletteState palettes;
    std::vector<std::pair<CommandT, int>> changes;
    palettes.onChange = [&](CommandT button, int value) { changes.emplace_back(button, value); };
    palettes.MarkPenSize(2003);
    EXPECT_EQ(palettes.SelectedPenButton(), 2003);
    EXPECT_EQ(palettes.PalettePenWidth(), 16);
    EXPECT_EQ(palettes.buttonValue(2000), 0);
    EXPECT_EQ(changes, (std::vector<std::pair<CommandT, int>>{{2000, 0}, {2003, 1}}));

    palettes.MarkSymmetry(4003);
    EXPECT_EQ(palettes.PaletteSymmetry(), 6);
    palettes.MarkColour(3005);
    EXPECT_EQ(palettes.PaletteColour().colour, (RGBColour{0, 0xFFFF, 0xFFFF}));
    palettes.MarkColour(3008);
    EXPECT_TRUE(palettes.PaletteColour().cycling);
    palettes.MarkColour(3009); // the picker starts black and does not cycle
    EXPECT_EQ(palettes.SelectedColourButton(), 3009);
    EXPECT_EQ(palettes.PaletteColour().colour, kBlack);
    EXPECT_FALSE(palettes.PaletteColour().cycling);
    EXPECT_EQ(palettes.SelectedPenButton(), 2003) << "groups are independent";

    // A run may end with the colour command 2999 (a negative colour value); the palette keeps
    // showing a selection instead of going blank.
    palettes.MarkColour(3002);
    palettes.MarkColour(2999);
    palettes.MarkPenSize(4000);
    EXPECT_EQ(palettes.SelectedColourButton(), 3002);
    EXPECT_EQ(palettes.buttonValue(3002), 1);
    EXPECT_EQ(palettes.SelectedPenButton(), 2003);
}

// The widths and modes in use: the palette and application tests.
TEST(PaletteButtons, ColoursAndTheEndsOfEachGroup) {
    EXPECT_FALSE(penWidthOfButton(2010));
    EXPECT_FALSE(symmetryOfButton(4005));
    EXPECT_EQ(colourOfButton(3007), (RGBColour{0xFFFF, 0xFFFF, 0}));
    EXPECT_EQ(colourOfButton(3004), kWhite);
    EXPECT_FALSE(colourOfButton(3009));
    EXPECT_FALSE(colourOfButton(2999));
}

} // namespace
