// The turtle's motion as the paint view sees it, driven through the parser and the loop.

#include "InterpreterTestSupport.h"
#include "Turtle.h"
#include "TurtleClip.h"

#include <cmath>
#include <cstdio>

using Strokes = std::vector<std::string>;

TEST_F(InterpreterTest, ForwardFollowsTheHeadingInScreenCoordinates) {
    run("forward 50", 0);
    run("forward 50", 90);
    run("forward 50", 180);
    EXPECT_EQ(strokes(), (Strokes{"line 100,50 h0", "line 150,50 h90", "line 150,100 h180"}));
}

TEST_F(InterpreterTest, DiagonalMovesKeepTheirFractionInSinglePrecision) {
    view.turtle = Point::at(0, 0);
    const auto context = run("forward 10", 45);
    EXPECT_EQ(context->x, 7.0710678f);
    EXPECT_EQ(context->y, -7.0710678f);
    view.turtle = Point::at(0, 0);
    const auto twice = run("forward 10 forward 10", 45);
    EXPECT_EQ(strokes(), (Strokes{"line 7,-7 h45", "line 7,-7 h45", "line 14,-14 h45"}));
}

TEST_F(InterpreterTest, HeadingsFoldIntoWholeTurns) {
    EXPECT_EQ(run("forward 10", -90)->heading, 270);
    EXPECT_EQ(run("forward 10", 720)->heading, 0);
    EXPECT_EQ(run("right 370")->heading, 10);
    EXPECT_EQ(run("left 10")->heading, 350);
    EXPECT_EQ(run("right 2147483647", 359)->heading, (359 + 2147483647LL) % 360);
    EXPECT_EQ(NormalisedHeading(-2147483648LL), 232);
    EXPECT_EQ(view.only({"heading"}),
              (Strokes{"heading 10", "heading 350",
                       "heading " + std::to_string((359 + 2147483647LL) % 360)}));
}

TEST_F(InterpreterTest, ForwardZeroStillDrawsADotAtTheTurtle) {
    run("forward 0");
    EXPECT_EQ(strokes(), (Strokes{"line 100,100 h0"}));
}

TEST_F(InterpreterTest, EveryRunStartsWithThePenDown) {
    run("penup forward 10");
    run("forward 10");
    run("pen up back 5 pendown back 5");
    EXPECT_EQ(strokes(),
              (Strokes{"move 100,90 h0", "line 100,80 h0", "move 100,85 h0", "line 100,90 h0"}));
    EXPECT_EQ(view.only({"icon"}), (Strokes{"icon up", "icon up", "icon down"}));
}

TEST_F(InterpreterTest, HomeGoesToTheCentreWithoutALine) {
    view.frame = Rect{0, 0, 101, 201};
    const auto context = run("right 30 home");
    EXPECT_EQ(strokes(), (Strokes{"move 100,50 h0"}));
    EXPECT_EQ(context->heading, 0);
}

// A 1024 by 768 picture centred on (512, 384): the square reaches 1088 from the centre.
TEST_F(InterpreterTest, FarMovesAreCutToTheSquareAroundThePicture) {
    view.turtle = Point::at(512, 384);
    const auto there = run("forward 100000", 90);
    EXPECT_EQ(there->x, 100512.0f) << "the turtle keeps its own position";
    view.turtle = Point::at(512, 384);
    const auto back = run("forward 3000000 right 90 forward 10 back 10 left 90 back 3000000", 90);
    EXPECT_EQ(back->x, 512.0f);
    EXPECT_EQ(strokes(), (Strokes{
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
}

TEST_F(InterpreterTest, FarDiagonalEntersWhereTheTrueLineCrossesTheSquare) {
    view.turtle = Point::at(512, 384);
    run("forward 2000000000 back 2000000000", 45);
    const Strokes calls = strokes();
    ASSERT_EQ(calls.size(), 3u);
    // The square's top-right corner is (1600, -704); the double-precision cut may round a
    // pixel inward.
    for (const std::string& call : {calls[0], calls[1]}) {
        int h = 0;
        int v = 0;
        ASSERT_EQ(std::sscanf(call.c_str() + 5, "%d,%d", &h, &v), 2) << call;
        EXPECT_NEAR(h, 1600, 1) << call;
        EXPECT_NEAR(v, -704, 1) << call;
    }
    EXPECT_EQ(calls[0].substr(0, 5), "line ");
    EXPECT_EQ(calls[1].substr(0, 5), "move ");
    EXPECT_EQ(calls[2], "line 512,384 h45");
}

TEST_F(InterpreterTest, FarTextAndFillUseClampedPoints) {
    view.turtle = Point::at(0, 0);
    run("forward 50000 write \"x\" fill", 270);
    EXPECT_EQ(view.only({"text", "fill"}), (Strokes{"text 'x' -32768,0", "fill -32768,0"}));
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
