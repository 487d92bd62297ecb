#include "ColourModel.h"

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
        // Back again within the rounding of the hue, exact at 0 and 1/2.
        const RGBColour back = HSV2RGB(hsv);
        EXPECT_LE(std::abs(back.red - rgb.red) + std::abs(back.green - rgb.green) +
                      std::abs(back.blue - rgb.blue),
                  hsv.hue % 32768 ? 2 : 0)
            << hsv.hue;
    }
    EXPECT_EQ(HSV2RGB({1234, 0, 0x4000}), (RGBColour{0x4000, 0x4000, 0x4000}));
}

} // namespace
