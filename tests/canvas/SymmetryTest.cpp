#include "Brush.h"
#include "CanvasTestSupport.h"
#include "Guides.h"
#include "LanguageTables.h"
#include "PenDrawing.h"
#include "Reflection.h"
#include "Segments.h"

#include <gtest/gtest.h>

using namespace canvas_test;

namespace {

std::vector<Point> imagesOf(Point p, Point c, int m) {
    const SymmetryImages images = symmetryImages(p, c, m);
    return {images.begin(), images.end()};
}

constexpr Point kCentre = Point::at(100, 100);

// Mirror modes give the square's images in order; six-fold ones the truncated hexagon corners;
// other modes repeat the point, at most eight times.
TEST(ReflectionTest, EveryModeGivesItsImagesInOrder) {
    using P = std::vector<std::pair<int, int>>;
    const struct {
        std::pair<int, int> p;
        int m;
        P images;
    } cases[] = {
        {{90, 50}, 1, {{90, 50}}},
        {{90, 50}, 2, {{110, 50}, {90, 50}}},
        {{90, 50}, 4, {{110, 50}, {90, 50}, {90, 150}, {110, 150}}},
        {{110, 120},
         8,
         {{90, 120}, {110, 120}, {110, 80}, {90, 80}, {80, 90}, {120, 90}, {120, 110}, {80, 110}}},
        {{150, 100}, 6, {{150, 100}, {50, 100}, {125, 143}, {75, 56}, {74, 143}, {124, 55}}},
        {{100, 50}, 6, {{100, 50}, {100, 50}, {56, 125}, {56, 125}, {143, 125}, {143, 124}}},
        {{1, 2}, 0, {}},
        {{1, 2}, 3, P(3, {1, 2})},
        {{1, 2}, 1000000, P(8, {1, 2})},
    };
    for (const auto& c : cases) {
        P got;
        for (const Point q : imagesOf(Point::at(c.p.first, c.p.second), kCentre, c.m))
            got.push_back({q.h, q.v});
        EXPECT_EQ(got, c.images) << c.m;
    }
}

TEST(ReflectionTest, IntegerReflectionsWrapInSixteenBits) {
    const Point c = Point::at(30000, -30000);
    EXPECT_EQ(reflectPoint(Point::at(-30000, 0), c, 0, 2), Point::at(90000 - 65536, 0));
    EXPECT_EQ(reflectPoint(Point::at(0, 30000), c, 2, 4), Point::at(0, -90000 + 65536));
    EXPECT_EQ(reflectPoint(Point::at(-32768, 32767), c, 4, 8),
              Point::at(30000 + 62767 - 65536, -30000 - 62768 + 65536));
    // Six-fold reflections of far-off points stay defined (the sanitizer run watches).
    reflectPoint(Point::at(32767, -32768), Point::at(-32768, 32767), 3, 6);
    EXPECT_EQ(reflectPoint(Point::at(5, 6), kCentre, 1, 7), Point::at(5, 6));
}

TEST(PenShapeTest, PensTurnAcrossTheSegment) {
    InitLanguageTables();
    struct Case {
        int dh, dv, width, penH, penV;
    };
    // The 45-degree pen of width 32 is 22 x 23: the angle comes out as 44. Thin pens never
    // shrink below a pixel.
    const Case cases[] = {
        {20, 0, 8, 1, 8},    {0, -20, 8, 8, 1},   {50, 50, 32, 22, 23}, {-7, 7, 8, 5, 5},
        {20, 10, 16, 7, 14}, {10, 20, 16, 14, 7}, {100, 1, 3, 1, 3},    {-32768, 32767, 2, 1, 1},
    };
    for (const Case& c : cases) {
        const PenShape pen = penShapeAcross(c.dh, c.dv, c.width);
        EXPECT_EQ(Point::at(pen.penH, pen.penV), Point::at(c.penH, c.penV))
            << c.dh << "," << c.dv << " width " << c.width;
    }
}

class BrushTest : public CanvasTest {
protected:
    BrushTest() : CanvasTest(Rect{0, 0, 200, 200}) { InitLanguageTables(); }
    PaintState state;
};

TEST_F(BrushTest, StrokesHaveEndDotsAndATurnedPenThinOnesNoDots) {
    struct Case {
        Point from, to;
        std::int16_t width;
        bool strokeStart;
        int symmetry;
        Rect extent;
        int count; // unchecked when negative
    };
    // A 1 x 16 pen centred on v = 100 from h = 20 to 80, capped by the end dot and, at a
    // stroke's start, by a first dot; a short stroke only stamps the 16 x 16 end dot. A thin
    // pen paints a plain band. Six-fold images turn their own pens, eight-fold ones exchange it.
    const Case cases[] = {
        {Point::at(40, 60), Point::at(70, 75), 12, false, 6, {55, 32, 173, 167}, 2609},
        {Point::at(20, 60), Point::at(70, 60), 12, false, 8, {20, 20, 181, 181}, 4720},
        {Point::at(10, 10), Point::at(20, 10), 3, true, 1, {9, 9, 12, 22}, 3 * 13},
        {Point::at(20, 100), Point::at(80, 100), 16, false, 1, {92, 20, 108, 88}, -1},
        {Point::at(20, 100), Point::at(80, 100), 16, true, 1, {92, 12, 108, 88}, -1},
        {Point::at(50, 50), Point::at(52, 50), 16, true, 1, {42, 44, 58, 60}, 208},
    };
    for (const Case& c : cases) {
        eraseWhite(canvas);
        state.penWidth = c.width;
        state.turtlePoint = c.from;
        state.strokeStart = c.strokeStart;
        state.symmetry = c.symmetry;
        drawStroke(state, c.to, kCentre);
        EXPECT_EQ(extentOf(canvas, kBlack), c.extent) << c.from.h;
        EXPECT_TRUE(c.count < 0 || countOf(canvas, kBlack) == c.count) << c.from.h;
    }
    EXPECT_EQ(GetPort().penSize, Point::at(1, 16));
}

// Guides of a 400 x 300 frame through its centre (200, 150): mirror lines across the frame for 2
// and 4, diagonals as long as the larger side for 8; for six-fold, from v = -250 to 550 (800 long)
// and diagonals +-692 by +-400, on a screen big enough to show them whole.
TEST(GuidesTest, GuidesFollowTheModeAndReachTheLargerSideFromTheCentre) {
    ResetCurrentPort();
    constexpr RGBColour grey{0xDDDD, 0xDDDD, 0xDDDD};
    CGWorld screen(Rect{-500, -500, 900, 900}, 32);
    GrafPort& port = *screen.getPort();
    port.foreColour = kRed;
    const auto guides = [&](int mode) {
        eraseWhite(screen);
        drawGuides(port, Rect{0, 0, 300, 400}, mode);
        return std::pair{countOf(screen, grey), extentOf(screen, grey)};
    };
    EXPECT_EQ(guides(1).first + guides(3).first, 0);
    EXPECT_EQ(guides(2), (std::pair{301, Rect{0, 200, 301, 201}}));
    EXPECT_EQ(guides(4), (std::pair{701, Rect{0, 0, 301, 401}}));
    EXPECT_EQ(guides(8).second, (Rect{-250, -200, 551, 601}));
    EXPECT_TRUE(screen.pixel(50, 0) == grey && screen.pixel(0, 0) == kWhite);
    EXPECT_EQ(guides(6).second, (Rect{-250, 200 - 692, 551, 200 + 693}));
    for (const int dh : {-692, 692})
        for (const int dv : {-400, 400})
            EXPECT_EQ(screen.pixel(200 + dh, 150 + dv), grey) << dh << "," << dv;
    EXPECT_EQ(screen.pixel(200, 549), grey);
    EXPECT_EQ(port.foreColour, kRed);
}

} // namespace
