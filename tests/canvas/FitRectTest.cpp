#include "FitRect.h"

#include <gtest/gtest.h>

namespace {

constexpr Rect kCanvas{0, 0, 300, 400};

TEST(FitRect, FitsKeepingTheAspectThenCentres) {
    struct Case {
        Rect image;
        Rect into;
        Rect fitted;  // after fitRect alone: the top-left corner stays
        Rect centred; // after centreRect too
    };
    const Case cases[] = {
        // Wide: fills the width; square: fills the height.
        {{0, 0, 100, 200}, kCanvas, {0, 0, 200, 400}, {50, 0, 250, 400}},
        {{0, 0, 100, 100}, kCanvas, {0, 0, 300, 300}, {0, 50, 300, 350}},
        // 3 wide, 7 high scales up: width 300 * 3 / 7 truncated; large ones scale down.
        {{10, 20, 17, 23}, kCanvas, {10, 20, 310, 148}, {0, 136, 300, 264}},
        {{0, 0, 3000, 8000}, kCanvas, {0, 0, 150, 400}, {75, 0, 225, 400}},
        {kCanvas, kCanvas, kCanvas, kCanvas},
        // A thin image keeps one pixel.
        {{0, 0, 1, 1000}, kCanvas, {0, 0, 1, 400}, {150, 0, 151, 400}},
        // Empty images and canvases give an empty rectangle at the corner.
        {{5, 6, 5, 100}, kCanvas, {5, 6, 5, 6}, {150, 200, 150, 200}},
        {{0, 0, 10, 10}, {0, 0, 0, 400}, {0, 0, 0, 0}, {0, 200, 0, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.image.top << "," << c.image.left << ","
                                        << c.image.bottom << "," << c.image.right);
        Rect r = c.image;
        fitRect(r, c.into);
        EXPECT_EQ(r, c.fitted);
        centreRect(r, c.into);
        EXPECT_EQ(r, c.centred);
    }
    // Centring halves by arithmetic shifts: the centre of (-10, -10, -4, -5) is (-8, -7).
    Rect small{0, 0, 3, 3};
    centreRect(small, Rect{-10, -10, -4, -5});
    EXPECT_EQ(small, (Rect{-8, -9, -5, -6}));
    // Sides beyond 16-bit coordinates fit too.
    EXPECT_EQ(fittedSize(1, 2'000'000'000, kCanvas).width, 1);
}

} // namespace
