// Painting with the mouse on a real paint view.

#include "ColourModel.h"
#include "PaintViewTestSupport.h"

using namespace paint_view_test;

namespace {

class PaintViewPainting : public PaintViewTest {};

// Connected samples (the default): one continuous stroke.
TEST_F(PaintViewPainting, DragPaintsAStrokeAndLeavesTheTurtleAtItsEnd) {
    view->setPenSize(8);
    view->setHeading(90.0f);
    press({100, 100});
    drag({150, 100});
    drag({200, 100});
    release({200, 100});

    for (int h = 100; h <= 200; h += 10)
        EXPECT_TRUE(isInk(h, 100)) << h;
    EXPECT_TRUE(isInk(150, 103));
    EXPECT_FALSE(isInk(150, 106));
    EXPECT_FALSE(isInk(150, 94));
    EXPECT_FALSE(isInk(90, 100));
    EXPECT_EQ(view->turtlePoint(), Point::at(200, 100));
    EXPECT_EQ(view->heading(), 0.0f);
}

TEST_F(PaintViewPainting, ShiftKeepsTheStrokeOnTheLineOfTheLongerMove) {
    press({100, 100});
    drag({150, 120}, Qt::ShiftModifier);
    release({150, 120}, Qt::ShiftModifier);

    for (int h = 100; h <= 150; ++h)
        EXPECT_TRUE(isInk(h, 100)) << h;
    EXPECT_FALSE(isInk(150, 120));
    EXPECT_FALSE(isInk(125, 110));
    EXPECT_EQ(view->turtlePoint(), Point::at(150, 100));
}

TEST_F(PaintViewPainting, ShiftWithTheLongerVerticalMoveGoesDown) {
    press({100, 100});
    drag({110, 160}, Qt::ShiftModifier);
    release({110, 160}, Qt::ShiftModifier);

    EXPECT_TRUE(isInk(100, 160));
    EXPECT_TRUE(isInk(100, 130));
    EXPECT_FALSE(isInk(110, 160));
}

TEST_F(PaintViewPainting, WithoutShiftTheAnchorFollowsThePointer) {
    press({100, 100});
    drag({150, 100});
    // Shift now constrains to lines through (150, 100), not through the click.
    drag({160, 140}, Qt::ShiftModifier);
    release({160, 140}, Qt::ShiftModifier);

    EXPECT_TRUE(isInk(150, 140));
    EXPECT_TRUE(isInk(150, 120));
    EXPECT_FALSE(isInk(100, 140));
}

TEST_F(PaintViewPainting, AClickWithoutDragLeavesOneDotOfHalfThePenWidth) {
    view->setPenSize(16);
    view->setHeading(135.0f);
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));

    EXPECT_TRUE(isInk(200, 150));
    EXPECT_TRUE(isInk(207, 150));
    EXPECT_TRUE(isInk(193, 150));
    EXPECT_TRUE(isInk(200, 143));
    EXPECT_TRUE(isInk(200, 157));
    EXPECT_FALSE(isInk(209, 150));
    EXPECT_FALSE(isInk(190, 150));
    EXPECT_FALSE(isInk(200, 159));
    EXPECT_FALSE(isInk(200, 140));
    EXPECT_FALSE(isInk(207, 157)); // round, not square
    EXPECT_EQ(view->turtlePoint(), Point::at(200, 150));
    EXPECT_EQ(view->heading(), 0.0f);
}

TEST_F(PaintViewPainting, DotsOnlyWhenNotConnecting) {
    testModes().connectMode = false;
    view->setPenSize(8);
    press({50, 50});
    drag({150, 50});
    release({150, 50});

    EXPECT_TRUE(isInk(50, 50));
    EXPECT_TRUE(isInk(150, 50));
    EXPECT_FALSE(isInk(100, 50));
}

TEST_F(PaintViewPainting, ReleaseModeStartsAtReleaseAndTheNextClickEndsAndIsConsumed) {
    testModes().mouseMode = true;
    view->setPenSize(4);
    const QImage before = picture();

    press({50, 50});
    EXPECT_FALSE(isInk(50, 50)); // nothing until the button goes up
    release({50, 50});
    EXPECT_TRUE(isInk(50, 50));

    hover({150, 50});
    for (int h = 50; h <= 150; h += 10)
        EXPECT_TRUE(isInk(h, 50)) << h;

    press({150, 150});
    release({150, 150});
    EXPECT_FALSE(isInk(150, 150)) << "the ending click paints nothing";
    EXPECT_FALSE(isInk(150, 100));

    hover({250, 250});
    EXPECT_FALSE(isInk(250, 250)) << "painting has stopped";

    // The ending click posted no action of its own: undo goes back to before the first click.
    EXPECT_TRUE(undo());
    EXPECT_EQ(picture(), before);
}

TEST_F(PaintViewPainting, AFillClickFillsWithoutMovingTheTurtleAndCanBeUndone) {
    view->setPenSize(2);
    press({-10, 100});
    drag({410, 100});
    release({410, 100});
    const QImage stroked = picture();
    view->setPenColor(kRed, 3001);
    view->setFillMode(true);
    const Point turtle = view->turtlePoint();

    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 50));

    EXPECT_EQ(at(200, 50), kRed);
    EXPECT_EQ(at(5, 5), kRed);
    EXPECT_EQ(at(200, 100), kBlack); // the stroke bounds the fill
    EXPECT_EQ(at(200, 200), kWhite);
    EXPECT_EQ(view->turtlePoint(), turtle);

    EXPECT_TRUE(undo());
    EXPECT_EQ(picture(), stroked);
}

TEST_F(PaintViewPainting, ColourCyclingMovesTheHueOnWithEverySample) {
    view->setColorCycling(true);
    view->setPenSize(2);
    press({50, 50});
    drag({100, 50});
    drag({150, 50});
    release({150, 50});

    EXPECT_EQ(at(50, 50), kRed);
    // One sample at the click and one per move.
    EXPECT_NEAR(int(RGB2HSV(view->getPenColor()).hue), 3 * 15, 1);
}

TEST_F(PaintViewPainting, PointsFarOutsideTheViewPaintOnlyInside) {
    view->setPenSize(32);
    view->setSymmetry(8);
    press({200, 150});
    drag({30000, -30000});
    drag({-30000, 30000});
    release({-30000, 30000});

    EXPECT_EQ(view->canvas().getBounds(), (Rect{0, 0, kHeight, kWidth}));
    EXPECT_TRUE(isInk(200, 150));
    EXPECT_TRUE(isInk(3, 3)); // the line h + v = 0 passes the corner
}

} // namespace
