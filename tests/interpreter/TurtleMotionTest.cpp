// The turtle's motion as the paint view sees it, driven through the parser and the loop.

#include "InterpreterTestSupport.h"
#include "Turtle.h"
#include "TurtleClip.h"

#include <cmath>

// Each program runs from (100, 100) in a 768 by 1024 picture; the view's heading calls are
// listed before the strokes, and the run ends at its heading.
TEST_F(InterpreterTest, TheTurtleMovesAlongItsHeadingInScreenCoordinates) {
    const struct {
        std::int32_t heading;
        const char* program;
        const char* calls;
        std::int32_t endHeading;
    } cases[] = {
        {0, "forward 50", "line 100,50 h0", 0},
        {90, "forward 50", "line 150,100 h90", 90},
        {180, "forward 50", "line 100,150 h180", 180},
        {0, "forward 0", "line 100,100 h0", 0}, // still a dot at the turtle
        // Diagonal moves keep their fraction in single precision.
        {45, "forward 1 forward 1 forward 1", "line 100,99 h45 line 101,98 h45 line 102,97 h45",
         45},
        {-90, "forward 10", "line 90,100 h270", 270},
        {720, "forward 10", "line 100,90 h0", 0},
        {0, "right 370", "heading 10", 10},
        {0, "left 10", "heading 350", 350},
        {359, "right 2147483647", "heading 126", 126},
        // Every run starts with the pen down; home goes to the centre without a line.
        {0, "penup forward 10", "icon up move 100,90 h0", 0},
        {0, "pen up back 5 pendown back 5", "icon up move 100,105 h0 icon down line 100,110 h0", 0},
        {0, "right 30 home", "heading 30 heading 0 move 512,384 h0", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        view.calls.clear();
        view.turtle = Point::at(100, 100);
        const auto context = run(c.program, c.heading);
        std::string calls;
        for (const std::string& call : view.only({"heading", "icon", "line", "move"}))
            calls += (calls.empty() ? "" : " ") + call;
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(context->heading, c.endHeading);
    }
    EXPECT_EQ(NormalisedHeading(-2147483648LL), 232);
    view.turtle = Point::at(0, 0);
    const auto context = run("forward 10", 45);
    EXPECT_EQ(context->x, 7.0710678f);
    EXPECT_EQ(context->y, -7.0710678f);
}

// A 1024 by 768 picture centred on (512, 384): the square reaches 1088 from the centre.
TEST_F(InterpreterTest, FarMovesAreCutToTheSquareAroundThePicture) {
    view.turtle = Point::at(512, 384);
    const auto there = run("forward 100000", 90);
    EXPECT_EQ(there->x, 100512.0f) << "the turtle keeps its own position";
    view.turtle = Point::at(512, 384);
    const auto back = run("forward 3000000 right 90 forward 10 back 10 left 90 back 3000000", 90);
    EXPECT_EQ(back->x, 512.0f);
    EXPECT_EQ(strokes(), (Calls{
                             "line 1600,384 h90",
                             "line 1600,384 h90",
                             // moves wholly outside only move the view's turtle
                             "move 32767,394 h180",
                             "move 32767,384 h180",
                             // coming back from outside: jump to the entry, then draw
                             "move 1600,384 h90",
                             "line 512,384 h90",
                         }));
    // Back in sync: the next move is handed over exactly.
    run("forward 10", 90);
    EXPECT_EQ(strokes().back(), "line 522,384 h90");
    // The true diagonal line crosses the square at its top-right corner (1600, -704); the
    // double-precision cut may round a pixel inward. Far text and fill use clamped points.
    view.calls.clear();
    view.turtle = Point::at(512, 384);
    run("forward 2000000000 back 2000000000", 45);
    view.turtle = Point::at(0, 0);
    run("forward 50000 write \"x\" fill", 270);
    const Calls calls = view.only({"line", "move", "text", "fill"});
    ASSERT_EQ(calls.size(), 6u);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(calls[i]);
        EXPECT_EQ(calls[i].substr(0, 5), i ? "move " : "line ");
        const auto comma = calls[i].find(',');
        EXPECT_NEAR(std::stoi(calls[i].substr(5)), 1600, 1);
        EXPECT_NEAR(std::stoi(calls[i].substr(comma + 1)), -704, 1);
    }
    EXPECT_EQ(calls[2], "line 512,384 h45");
    EXPECT_EQ(calls[4] + ' ' + calls[5], "text 'x' -32768,0 fill -32768,0");
}

TEST(TurtleClip, SegmentsAcrossTheSquare) {
    const Rect frame{0, 0, 100, 100}; // centre (50, 50), square -114..214
    const ClippedMove across = ClipMoveToPicture(frame, -1000, 50, 1000, 50);
    EXPECT_TRUE(across.visible && across.startsOutside && across.endsOutside);
    EXPECT_EQ(across.entry, Point::at(-114, 50));
    EXPECT_EQ(across.exit, Point::at(214, 50));
    const ClippedMove inside = ClipMoveToPicture(frame, 10.9, 20.2, 30.5, -40.7);
    EXPECT_FALSE(inside.startsOutside || inside.endsOutside);
    EXPECT_EQ(inside.exit, Point::at(30, -40));
    EXPECT_FALSE(ClipMoveToPicture(frame, 300, -500, 300, 500).visible);
    EXPECT_FALSE(ClipMoveToPicture(frame, 1e30, 1e30, 1e30, 1e30).visible);
    EXPECT_EQ(ClampedCoordinate(-1e30), -32768);
    EXPECT_EQ(ClampedCoordinate(std::nan("")), -32768);
    EXPECT_EQ(ClampedCoordinate(-7.9), -7);
    EXPECT_FALSE(FitsPoint(32768.0, 0));
    EXPECT_TRUE(FitsPoint(32767.9, -32768.9));
}
