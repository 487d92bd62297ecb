// Painting with the mouse on a real paint view.

#include "CanvasTestSupport.h"
#include "ColourModel.h"
#include "HueCycling.h"
#include "PaintViewTestSupport.h"

#include <QPushButton>

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

    // A band 8 high from dot to dot (radius 4).
    EXPECT_EQ(canvas_test::spansOf(view->canvas(), kWhite, true).at(100),
              (std::vector<std::pair<int, int>>{{96, 204}}));
    EXPECT_EQ(canvas_test::extentOf(view->canvas(), kWhite, true), (Rect{96, 96, 104, 204}));
    EXPECT_EQ(view->turtlePoint(), Point::at(200, 100));
    EXPECT_EQ(view->heading(), 0.0f);
}

// Shift keeps the stroke on the line through the anchor along which the pointer moved further;
// without Shift the anchor follows the pointer.
TEST_F(PaintViewPainting, ShiftKeepsTheStrokeOnTheLineOfTheLongerMove) {
    constexpr auto shift = Qt::ShiftModifier;
    const struct {
        std::vector<std::pair<QPoint, Qt::KeyboardModifiers>> drags;
        std::vector<QPoint> probes;
        std::string ink;
    } cases[] = {
        {{{{150, 120}, shift}}, {{125, 100}, {150, 100}, {150, 120}, {125, 110}}, "1100"},
        {{{{110, 160}, shift}}, {{100, 160}, {100, 130}, {110, 160}}, "110"},
        {{{{150, 100}, {}}, {{160, 140}, shift}}, {{150, 140}, {150, 120}, {100, 140}}, "110"},
    };
    for (const auto& c : cases) {
        view->clearPicture();
        press({100, 100});
        for (const auto& [to, modifiers] : c.drags)
            drag(to, modifiers);
        release(c.drags.back().first, c.drags.back().second);
        EXPECT_EQ(inkAt(c.probes), c.ink) << &c - cases;
    }
    EXPECT_EQ(view->turtlePoint(), Point::at(150, 140));
}

TEST_F(PaintViewPainting, AClickWithoutDragLeavesOneDotOfHalfThePenWidth) {
    view->setPenSize(16);
    view->setHeading(135.0f);
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));

    // The 16 x 16 disc around the click has 208 pixels (round, not square).
    EXPECT_EQ(canvas_test::extentOf(view->canvas(), kWhite, true), (Rect{142, 192, 158, 208}));
    EXPECT_EQ(canvas_test::countOf(view->canvas(), kWhite), kWidth * kHeight - 208);
    EXPECT_EQ(view->turtlePoint(), Point::at(200, 150));
    EXPECT_EQ(view->heading(), 0.0f);
}

// Release-to-start mode: painting starts when the button comes up, with a stroke from the click
// to where it came up; the next press, of any button, anywhere, ends it and goes nowhere else.
TEST_F(PaintViewPainting, ReleaseModeStartsAtReleaseAndAnyPressEndsItAndIsConsumed) {
    testModes().mouseMode = true;
    QPushButton elsewhere("elsewhere");
    elsewhere.show();
    int clicks = 0;
    QObject::connect(&elsewhere, &QPushButton::clicked, [&] { ++clicks; });
    const QPoint end(150, 150);
    const std::vector<std::pair<bool, std::function<void()>>> endings{
        {true, [&] { QTest::mouseClick(view.get(), Qt::LeftButton, {}, end); }},
        {false, [&] { QTest::mouseClick(view.get(), Qt::RightButton, {}, end); }},
        {true, [&] { QTest::mouseClick(&elsewhere, Qt::LeftButton); }},
    };
    for (std::size_t i = 0; i < endings.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& [connect, endingClick] = endings[i];
        testModes().connectMode = connect;
        view->clearPicture();
        const QImage before = picture();
        press({50, 50});
        EXPECT_FALSE(isInk(50, 50)) << "nothing until the button goes up";
        release({150, 50});
        EXPECT_EQ(view->turtlePoint(), Point::at(150, 50));
        hover({150, 100});
        EXPECT_EQ(inkAt({{50, 50}, {100, 50}, {150, 50}, {150, 100}}), connect ? "1111" : "1011");
        endingClick();
        hover({250, 250});
        EXPECT_EQ(inkAt({end, {250, 250}}), "00") << "the ending click paints nothing, then none";
        EXPECT_TRUE(undo()) << "the ending click posted no action of its own";
        EXPECT_EQ(picture(), before);
    }
    EXPECT_EQ(clicks, 0);
}

// The pointer leaves the view and comes back: the stroke follows it outside instead of cutting
// a straight chord across the picture.
TEST_F(PaintViewPainting, ReleaseModePaintingFollowsThePointerOutsideTheView) {
    testModes().mouseMode = true;
    QWidget outside;
    outside.setGeometry(view->geometry().right() + 41, view->geometry().top(), 100, kHeight);
    outside.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&outside));
    press({380, 50});
    release({380, 50});
    QTest::mouseMove(outside.windowHandle(), QPoint(20, 100)); // (460, 100) in the view
    hover({380, 250});
    press({380, 250});
    release({380, 250});
    EXPECT_FALSE(isInk(380, 150)) << "no chord";
    EXPECT_NE(inkAt({{399, 61}, {399, 62}, {399, 63}}), "000");
    EXPECT_NE(inkAt({{399, 213}, {399, 214}, {399, 215}}), "000");
}

// Keys wait for the end of a held stroke (then act), and are dropped in release mode.
TEST_F(PaintViewPainting, KeysDoNotActInTheMiddleOfAStroke) {
    for (const bool releaseMode : {false, true}) {
        SCOPED_TRACE(releaseMode);
        testModes().mouseMode = releaseMode;
        view->clearPicture();
        const auto moveTo = [&](QPoint p) { releaseMode ? hover(p) : drag(p); };
        press({50, 50});
        if (releaseMode)
            release({50, 50});
        moveTo({100, 50});
        QTest::keyClick(view.get(), Qt::Key_Backspace);
        EXPECT_TRUE(isInk(75, 50)) << "nothing cleared in the middle of the stroke";
        moveTo({150, 50});
        if (releaseMode)
            press({150, 50});
        release({150, 50});
        QCoreApplication::processEvents();
        EXPECT_EQ(inkAt({{75, 50}, {125, 50}}), releaseMode ? "11" : "00");
        // The held Backspace cleared after the stroke: Undo brings the whole stroke back.
        EXPECT_TRUE(releaseMode || (undo() && inkAt({{75, 50}, {125, 50}}) == "11"));
    }
}

// The second press of a double-click comes as a double-click event; it is a press like any other.
TEST_F(PaintViewPainting, TheSecondClickOfADoubleClickIsAPress) {
    const auto doubleClick = [&] {
        QTest::mouseDClick(view->windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
    };
    doubleClick();
    EXPECT_TRUE(undo());
    EXPECT_TRUE(isInk(100, 100)) << "the undo took only the second click's dot";

    testModes().mouseMode = true;
    view->clearPicture();
    doubleClick();
    hover({200, 200});
    EXPECT_FALSE(isInk(200, 200)) << "the second click ended release-mode painting";
}

// A click in fill mode fills up to the stroke without moving the turtle; the second click of a
// double-click fills again with the next colour, and undo takes back that fill only.
TEST_F(PaintViewPainting, FillClicksFillWithoutMovingTheTurtleEachUndoable) {
    press({-10, 100});
    drag({410, 100});
    release({410, 100});
    view->setColorCycling(true);
    view->setFillMode(true);
    const Point turtle = view->turtlePoint();
    QTest::mouseDClick(view->windowHandle(), Qt::LeftButton, {}, QPoint(200, 50));
    const RGBColour second = at(200, 50);
    EXPECT_FALSE(second == kRed) << "the second fill took the next colour";
    EXPECT_EQ(at(5, 5), second);
    EXPECT_EQ(at(200, 100), kBlack);
    EXPECT_EQ(at(200, 200), kWhite);
    EXPECT_EQ(view->turtlePoint(), turtle);
    EXPECT_TRUE(undo());
    EXPECT_EQ(at(200, 50), kRed);
}

// One sample at the click and one per move; while the pointer rests, one every tick (a tick may
// also fall between the moves on a busy machine: the hue counts whole samples either way).
TEST_F(PaintViewPainting, ColourCyclingMovesTheHueOnWithEverySample) {
    const auto samples = [&] {
        const int hue = RGB2HSV(view->getPenColor()).hue;
        const int n = (hue + kHueStepPerMouseSample / 2) / kHueStepPerMouseSample;
        EXPECT_NEAR(hue, n * kHueStepPerMouseSample, 1);
        return n;
    };
    view->setColorCycling(true);
    press({50, 50});
    drag({100, 50});
    drag({150, 50});
    EXPECT_EQ(at(50, 50), kRed);
    const int moved = samples();
    EXPECT_GE(moved, 3);
    QTest::qWait(150);
    release({150, 50});
    EXPECT_GT(samples(), moved);
}

} // namespace
