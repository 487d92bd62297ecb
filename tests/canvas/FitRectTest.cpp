#include "FitRect.h"

#include <gtest/gtest.h>

namespace {

Rect fitted(Rect r, const Rect& into) {
    fitRect(r, into);
    centreRect(r, into);
    return r;
}

constexpr Rect kCanvas{0, 0, 300, 400};

TEST(FitRect, WideImageFillsTheWidthAndIsCentredVertically) {
    EXPECT_EQ(fitted(Rect{0, 0, 100, 200}, kCanvas), (Rect{50, 0, 250, 400}));
}

TEST(FitRect, SquareImageFillsTheHeightAndIsCentredHorizontally) {
    EXPECT_EQ(fitted(Rect{0, 0, 100, 100}, kCanvas), (Rect{0, 50, 300, 350}));
}

TEST(FitRect, ScalesUpOrDownKeepingTheTopLeftCorner) {
    Rect r{10, 20, 17, 23}; // 3 wide, 7 high: height fills, width 300 * 3 / 7 truncated
    fitRect(r, kCanvas);
    EXPECT_EQ(r, (Rect{10, 20, 310, 148}));
    Rect big{0, 0, 3000, 8000};
    fitRect(big, kCanvas);
    EXPECT_EQ(big, (Rect{0, 0, 150, 400}));
    EXPECT_EQ(fitted(Rect{0, 0, 300, 400}, kCanvas), kCanvas);
}

TEST(FitRect, AThinImageKeepsAtLeastOnePixel) {
    EXPECT_EQ(fitted(Rect{0, 0, 1, 1000}, kCanvas), (Rect{150, 0, 151, 400}));
    // Sides beyond 16-bit coordinates fit too.
    const FittedSize band = fittedSize(20000, 100, kCanvas);
    EXPECT_EQ(band.width, 400);
    EXPECT_EQ(band.height, 2);
    EXPECT_EQ(fittedSize(1, 2'000'000'000, kCanvas).width, 1);
}

TEST(FitRect, EmptyImagesAndCanvasesGiveAnEmptyRectangle) {
    Rect noHeight{5, 6, 5, 100};
    fitRect(noHeight, kCanvas);
    EXPECT_TRUE(noHeight.isEmpty());
    EXPECT_EQ(noHeight, (Rect{5, 6, 5, 6}));
    Rect r{0, 0, 10, 10};
    fitRect(r, Rect{0, 0, 0, 400});
    EXPECT_TRUE(r.isEmpty());
}

TEST(FitRect, CentringUsesTheArithmeticHalf) {
    Rect r{0, 0, 3, 3};
    centreRect(r, Rect{-10, -10, -4, -5}); // centre (-8, -7) by arithmetic shifts
    EXPECT_EQ(r, (Rect{-8, -9, -5, -6}));
}

} // namespace
