#include "FloodFill.h"

#include "CanvasTestSupport.h"
#include "PenDrawing.h"
#include "RectDrawing.h"
#include "SeedFill.h"

#include <gtest/gtest.h>

using namespace canvas_test;

namespace {

class FloodFillTest : public CanvasTest {
protected:
    FloodFillTest() : CanvasTest(Rect{0, 0, 100, 200}) { state.penColour = kRed; }

    void drawBox(const Rect& box) {
        RGBForeColor(kBlack);
        PenSize(1, 1);
        FrameRect(box);
    }

    PaintState state;
    const Point centre = Point::at(100, 50);
};

TEST_F(FloodFillTest, FillStopsAtAClosedLine) {
    drawBox(Rect{10, 10, 30, 40});
    floodFill(state, canvas, Point::at(20, 20), centre);
    EXPECT_EQ(countOf(canvas, kRed), 28 * 18);
    EXPECT_EQ(extentOf(canvas, kRed), (Rect{11, 11, 29, 39}));
    EXPECT_EQ(countOf(canvas, kBlack), 2 * 30 + 2 * 18);
    // Filling an area of the pen colour changes nothing.
    const QImage before = canvas.image().copy();
    floodFill(state, canvas, Point::at(20, 20), centre);
    EXPECT_EQ(canvas.image(), before);
    // The seed on the line fills just the line.
    floodFill(state, canvas, Point::at(10, 10), centre);
    EXPECT_EQ(countOf(canvas, kBlack), 0);
}

TEST_F(FloodFillTest, ADiagonalLineHoldsThePaintIn) {
    PenSize(1, 1);
    MoveTo(0, 50);
    LineTo(50, 0); // one pixel per row: only diagonal neighbours across it
    floodFill(state, canvas, Point::at(0, 0), centre);
    EXPECT_EQ(countOf(canvas, kRed), 50 * 51 / 2);
    EXPECT_EQ(canvas.pixel(60, 60), kWhite);
}

TEST_F(FloodFillTest, EachImageSeesTheEarlierImagesPaint) {
    // A box straddling the mirror line: the first image fills it, and the mirror image's
    // seed, inside the same box, then finds red and fills only red.
    drawBox(Rect{10, 80, 40, 130});
    state.symmetry = 2;
    floodFill(state, canvas, Point::at(90, 20), centre);
    EXPECT_EQ(countOf(canvas, kRed), 48 * 28);
    // With a new colour both images fill the same area once more, nothing beyond it.
    state.penColour = kBlue;
    floodFill(state, canvas, Point::at(90, 20), centre);
    EXPECT_EQ(countOf(canvas, kBlue), 48 * 28);
    EXPECT_EQ(countOf(canvas, kRed), 0);
    // Two separate boxes mirrored onto each other: both are filled.
    eraseWhite(canvas);
    drawBox(Rect{10, 10, 30, 40});
    drawBox(Rect{10, 160, 30, 190});
    state.penColour = kGreen;
    floodFill(state, canvas, Point::at(20, 20), centre);
    EXPECT_EQ(countOf(canvas, kGreen), 2 * 28 * 18);
}

TEST_F(FloodFillTest, SeedsOutsideTheCanvasFillNothing) {
    state.symmetry = 2; // the mirror image of (-300, 20) is (500, 20): also outside
    floodFill(state, canvas, Point::at(-300, 20), centre);
    floodFill(state, canvas, Point::at(20, 100), centre);
    EXPECT_EQ(countOf(canvas, kWhite), 200 * 100);
    CGWorld empty;
    floodFill(state, empty, Point::at(1, 1), centre); // no canvas: nothing, no crash
}

TEST_F(FloodFillTest, SeedCFillMarksConnectedPixelsOfTheSeedColourOnly) {
    CGWorld source(Rect{0, 0, 8, 16}, 32);
    eraseWhite(source);
    {
        StGWorldDraw draw(source);
        RGBForeColor(kBlack);
        PaintRect(Rect{0, 5, 8, 6});                     // a wall at h = 5
        RGBForeColor(RGBColour{0xFFFF, 0xFFFF, 0xFEFE}); // white to the eye, not exactly
        PaintRect(Rect{3, 1, 4, 2});
    }
    // The mask may stand elsewhere: its rectangle says where the source's pixels go.
    for (const Rect& where : {Rect{0, 0, 8, 16}, Rect{2, 0, 10, 16}}) {
        CGWorld mask(where, 1);
        mask.image().fill(1); // stale bits must not survive
        ASSERT_EQ(
            SeedCFill(*source.getPixMap(), *mask.getPixMap(), source.getBounds(), where, 0, 0), 0);
        EXPECT_EQ(countOf(mask, kBlack), 8 * 5 - 1) << where.top;
        EXPECT_TRUE(mask.pixel(1, where.top + 3) == kWhite && mask.pixel(6, where.top) == kWhite);
    }
    CGWorld shortMask(Rect{0, 0, 8, 15}, 1), deepMask(Rect{0, 0, 8, 16}, 32);
    for (CGWorld* wrong : {&shortMask, &deepMask})
        EXPECT_NE(SeedCFill(*source.getPixMap(), *wrong->getPixMap(), source.getBounds(),
                            wrong->getBounds(), 0, 0),
                  0);
}

} // namespace
