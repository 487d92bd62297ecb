#include "CanvasTestSupport.h"
#include "OvalDrawing.h"
#include "PenDrawing.h"
#include "PolygonDrawing.h"
#include "RectDrawing.h"

#include <gtest/gtest.h>

using namespace canvas_test;

namespace {

class RasterTest : public CanvasTest {
protected:
    RasterTest() : CanvasTest(Rect{-20, -20, 60, 60}) {}

    std::string line(int h1, int v1, int h2, int v2, int penH, int penV) {
        eraseWhite(canvas);
        PenSize(penH, penV);
        MoveTo(h1, v1);
        LineTo(h2, v2);
        return describe(spansOf(canvas, kBlack));
    }
    std::string oval(int width, int height) {
        eraseWhite(canvas);
        PaintOval(Rect{0, 0, static_cast<std::int16_t>(height), static_cast<std::int16_t>(width)});
        return describe(spansOf(canvas, kBlack));
    }
};

TEST_F(RasterTest, PenLinesPaintTheDigitalHexagonRowByRow) {
    EXPECT_EQ(line(0, 0, 3, 1, 1, 1), "0:[0,2) 1:[2,4) ");
    EXPECT_EQ(line(0, 0, 1, 3, 1, 1), "0:[0,1) 1:[0,1) 2:[1,2) 3:[1,2) ");
    EXPECT_EQ(line(0, 0, 6, 6, 2, 2),
              "0:[0,2) 1:[0,3) 2:[1,4) 3:[2,5) 4:[3,6) 5:[4,7) 6:[5,8) 7:[6,8) ");
    EXPECT_EQ(line(0, 0, 10, 4, 3, 3),
              "0:[0,3) 1:[0,6) 2:[0,8) 3:[1,11) 4:[4,13) 5:[6,13) 6:[9,13) ");
    EXPECT_EQ(line(10, 0, 0, 4, 3, 3),
              "0:[10,13) 1:[7,13) 2:[5,13) 3:[2,12) 4:[0,9) 5:[0,7) 6:[0,4) ");
    // Drawing the same line backwards paints the same pixels.
    EXPECT_EQ(line(10, 4, 0, 0, 3, 3), line(0, 0, 10, 4, 3, 3));
}

TEST_F(RasterTest, StraightAndZeroLengthLinesPaintRectangles) {
    EXPECT_EQ(line(9, 9, 19, 9, 3, 3), "9:[9,22) 10:[9,22) 11:[9,22) ");
    EXPECT_EQ(line(5, 5, 5, 5, 4, 4), "5:[5,9) 6:[5,9) 7:[5,9) 8:[5,9) ");
    EXPECT_EQ(line(2, 8, 2, 3, 2, 1), "3:[2,4) 4:[2,4) 5:[2,4) 6:[2,4) 7:[2,4) 8:[2,4) ");
    EXPECT_EQ(line(0, 0, 5, 5, 0, 3), "");
    EXPECT_EQ(GetPort().penLocation, Point::at(5, 5));
}

TEST_F(RasterTest, OvalsFollowTheExactScanConversion) {
    EXPECT_EQ(oval(1, 1), "0:[0,1) ");
    EXPECT_EQ(oval(4, 4), "0:[1,3) 1:[0,4) 2:[0,4) 3:[1,3) ");
    EXPECT_EQ(oval(7, 7), "0:[2,5) 1:[1,6) 2:[0,7) 3:[0,7) 4:[0,7) 5:[1,6) 6:[2,5) ");
    EXPECT_EQ(oval(10, 10), "0:[3,7) 1:[1,9) 2:[1,9) 3:[0,10) 4:[0,10) 5:[0,10) 6:[0,10) "
                            "7:[1,9) 8:[1,9) 9:[3,7) ");
    EXPECT_EQ(oval(16, 3), "0:[2,14) 1:[0,16) 2:[1,15) ");
    EXPECT_EQ(oval(0, 5), "");
}

TEST_F(RasterTest, FramedOvalsAreRingsAsThickAsThePen) {
    eraseWhite(canvas);
    PenSize(2, 2);
    FrameOval(Rect{0, 0, 16, 16});
    const Spans ring = spansOf(canvas, kBlack);
    EXPECT_EQ(ring.at(0), (std::vector<std::pair<int, int>>{{5, 11}}));
    EXPECT_EQ(ring.at(8), (std::vector<std::pair<int, int>>{{0, 2}, {14, 16}}));
    EXPECT_EQ(canvas.pixel(8, 8), kWhite);
    // A pen that fills the oval paints it solid.
    eraseWhite(canvas);
    PenSize(3, 3);
    FrameOval(Rect{0, 0, 5, 5});
    EXPECT_EQ(describe(spansOf(canvas, kBlack)), oval(5, 5));
}

TEST_F(RasterTest, PolygonsFillByInversionPoints) {
    const std::pair<std::vector<Point>, std::string> cases[] = {
        {{Point::at(0, 0), Point::at(4, 4), Point::at(0, 4)}, "0:[0,1) 1:[0,2) 2:[0,3) 3:[0,4) "},
        {{Point::at(0, 0), Point::at(4, 0), Point::at(0, 4)}, "0:[0,4) 1:[0,3) 2:[0,2) 3:[0,1) "},
        {{Point::at(2, 3), Point::at(12, 3), Point::at(12, 9), Point::at(2, 9)},
         "3:[2,12) 4:[2,12) 5:[2,12) 6:[2,12) 7:[2,12) 8:[2,12) "},
        {{Point::at(0, 0), Point::at(10, 0)}, ""}, // empty bounding box
        {{Point::at(5, 5)}, ""},
    };
    for (const auto& [points, spans] : cases) {
        eraseWhite(canvas);
        PaintPoly(points);
        EXPECT_EQ(describe(spansOf(canvas, kBlack)), spans);
    }
}

TEST_F(RasterTest, NothingIsEverWrittenOutsideTheBufferOrTheClip) {
    // A buffer inside a larger image would show stray writes; here the sentinel is a clip
    // that leaves a frame of untouched pixels inside the buffer.
    ClipRect(Rect{0, 0, 40, 40});
    GetPort().takeDamage();
    PenSize(7, 9);
    MoveTo(-32768, -32768);
    LineTo(32767, 32767);
    MoveTo(32767, -32768);
    LineTo(-32768, 32767);
    MoveTo(-30000, 20);
    LineTo(30000, 25);
    PaintOval(Rect{-32768, -32768, 32767, 32767});
    PaintPoly({Point::at(-32768, -32768), Point::at(32767, 0), Point::at(-5, 32767)});
    PaintRect(Rect{-32768, -32768, 32767, 32767});
    FrameOval(Rect{-30000, -30000, 30000, 30000});
    EXPECT_EQ(extentOf(canvas, kBlack), (Rect{0, 0, 40, 40}));
    EXPECT_EQ(GetPort().damage, QRect(0, 0, 40, 40));
    // Even a full 16-bit oval extent comes back, row for row.
    int count = 0;
    forEachOvalRow(-32768, -32768, 32767, 32767, [&](int, int, int) { ++count; });
    EXPECT_EQ(count, 65535);
}

TEST_F(RasterTest, PenCoordinatesWrapToSixteenBits) {
    MoveTo(65536 + 3, 4);
    Move(-7, 0);
    EXPECT_EQ(GetPort().penLocation, Point::at(-4, 4));
    MoveTo(32767, 0);
    Move(1, 0);
    EXPECT_EQ(GetPort().penLocation.h, -32768);
}

TEST_F(RasterTest, RectanglesPaintEraseAndFrame) {
    PaintRect(Rect{2, 3, 6, 9});
    RGBBackColor(kRed);
    EraseRect(Rect{3, 4, 5, 6});
    EXPECT_EQ(describe(spansOf(canvas, kWhite, true)), "2:[3,9) 3:[3,9) 4:[3,9) 5:[3,9) ");
    EXPECT_EQ(describe(spansOf(canvas, kRed)), "3:[4,6) 4:[4,6) ");
    eraseWhite(canvas);
    PenSize(2, 1);
    FrameRect(Rect{0, 0, 3, 6});
    EXPECT_EQ(describe(spansOf(canvas, kBlack)), "0:[0,6) 1:[0,2) 1:[4,6) 2:[0,6) ");
}

TEST(RasterDepthTest, OneBitAndIndexedBuffersTakeTheNearestColour) {
    ResetCurrentPort();
    CGWorld mono(Rect{0, 0, 10, 20}, 1);
    CGWorld indexed(Rect{0, 0, 10, 20}, 8);
    for (CGWorld* world : {&mono, &indexed}) {
        StGWorldDraw draw(*world, kWhite);
        RGBForeColor(kBlack);
        PenSize(3, 3);
        MoveTo(2, 2);
        LineTo(12, 2);
        EXPECT_EQ(countOf(*world, kBlack), 39);
        EXPECT_EQ(countOf(*world, kWhite), 200 - 39);
    }
    StGWorldDraw draw(indexed);
    RGBForeColor(kRed);
    PaintRect(Rect{0, 0, 1, 1});
    EXPECT_EQ(indexed.pixel(0, 0), kRed);
    ResetCurrentPort();
}

} // namespace
