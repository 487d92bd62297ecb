#include "ColourModel.h"

#include "HueCycling.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TEST(ColourModelTest, PrimariesSitAtSixthsOfTheTurnGreysHaveNoHue) {
    const std::pair<RGBColour, HSVColour> table[] = {
        {{0xFFFF, 0, 0}, {0, 0xFFFF, 0xFFFF}},      {{0xFFFF, 0xFFFF, 0}, {10923, 0xFFFF, 0xFFFF}},
        {{0, 0xFFFF, 0}, {21845, 0xFFFF, 0xFFFF}},  {{0, 0xFFFF, 0xFFFF}, {32768, 0xFFFF, 0xFFFF}},
        {{0, 0, 0xFFFF}, {43691, 0xFFFF, 0xFFFF}},  {{0xFFFF, 0, 0xFFFF}, {54613, 0xFFFF, 0xFFFF}},
        {{0x8000, 0x8000, 0x8000}, {0, 0, 0x8000}}, {{0, 0, 0}, {0, 0, 0}},
    };
    for (const auto& [rgb, hsv] : table) {
        EXPECT_EQ(RGB2HSV(rgb), hsv) << rgb.red << " " << rgb.green << " " << rgb.blue;
        EXPECT_TRUE(hsv.hue % 32768 != 0 || HSV2RGB(hsv) == rgb) << hsv.hue; // exact at 0 and 1/2
    }
    EXPECT_EQ(HSV2RGB({1234, 0, 0x4000}), (RGBColour{0x4000, 0x4000, 0x4000}));
}

TEST(ColourModelTest, AdvanceHueRotatesThePenColour) {
    PaintState state;
    // Steps move the hue by the step (give or take the rounding of the channels) and wrap
    // around from the last sixth back to red.
    state.penColour = {0xFFFF, 0, 0};
    std::uint16_t expected = 0;
    for (int i = 0; i < 400; ++i) {
        advanceHue(state, kHueStepPerTurtleLine);
        expected = std::uint16_t(expected + kHueStepPerTurtleLine);
        const int drift = std::abs(int(std::int16_t(RGB2HSV(state.penColour).hue - expected)));
        ASSERT_LE(drift, 8) << i;
    }
    EXPECT_EQ(RGB2HSV(state.penColour).value, 0xFFFF);
}

} // namespace
