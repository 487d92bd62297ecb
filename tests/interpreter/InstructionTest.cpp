// What each instruction does to the view, the palettes and the variables, and the turtle's motion
// as the paint view sees it.

#include "InterpreterTestSupport.h"
#include "Turtle.h"

#include <regex>

// Each palette instruction sets its command and asks the view; from a variable the pen width is
// cut to 16 bits and the command taken from the full value, the symmetry level is used unmapped
// and a colour is the remainder by nine. The turtle is erased to be redrawn in a new colour.
TEST_F(InterpreterTest, PaletteAndSpeedInstructionsSetTheRunAndTheView) {
    // The program, the field of the run it sets and the value, the calls the view saw.
    const std::tuple<const char*, std::int32_t RunContext::*, std::int32_t, const char*> cases[] = {
        {"pensize 3", &RunContext::penSizeCommand, 2001, "pensize 3"},
        {"pensize 8", &RunContext::penSizeCommand, 2002, "pensize 8"},
        {"pensize 16", &RunContext::penSizeCommand, 2003, "pensize 16"},
        {"w = 65539\npensize w", &RunContext::penSizeCommand, 2004, "pensize 3"},
        {"s = 3\nsymmetry s", &RunContext::symmetryCommand, 4002, "symmetry 3 invalidate"},
        // A symmetry level of 4 stands for eight images.
        {"symmetry 4", &RunContext::symmetryCommand, 4004, "symmetry 8 invalidate"},
        {"cc = 12\ncolor cc", &RunContext::colourCommand, 3003, "command 3003 erase"},
        {"cc = 0 - 1\ncolor cc", &RunContext::colourCommand, 2999, "command 2999 erase"},
        {"s = 150\nspeed s", &RunContext::slowness, 0, "erase"},
        {"s = 0 - 3\ndelay s", &RunContext::slowness, -3, ""},
    };
    for (const auto& [program, field, value, effects] : cases) {
        SCOPED_TRACE(program);
        view = {};
        EXPECT_EQ(run(program).get()->*field, value);
        EXPECT_EQ(view.only({"pensize", "symmetry", "invalidate", "command", "erase"}), effects);
    }
}

// Shapes run only when called and share the variables; a repeat's count is fixed when it begins;
// a zero divisor at statement level stops the run, inside a group it only zeroes the group; the
// top of each list wraps as the expression evaluator does; self-calls stop at the depth bound.
TEST_F(InterpreterTest, RunsLeaveTheirVariablesStrokesAndStop) {
    // The program, its variables, strokes and whether it stopped.
    const std::tuple<const char*, const char*, int, bool> cases[] = {
        {"shape sq [ n = n + 5\nforward n ]\nforward 1\nsq sq\nforward n", "n=10", 4, false},
        {"n = 3\nrepeat n [ n = n + 1\nforward 1 ]", "n=6", 3, false},
        {"n = 0 - 5\nrepeat n [ forward 1 ]", "n=-5", 0, false},
        {"n = 5\nn = 10 / 0\nforward 1", "n=5", 0, true},
        {"n = 5\nrepeat 3 [ forward 1 n = n % 0\n]\nforward 9", "n=5", 1, true},
        {"n = 5\nn = (10 / 0) + 2\nm = 3 + 4 / 0\nforward 1", "n=2 m=3", 1, false},
        {"m = 2147483647 + 1\nk = 0 - 1\nq = m / k\nr = m % k\ng = (m / k) + (m % k)\n"
         "w = 2147483647 * 2 + 10 - 2 - 3",
         "m=-2147483648 k=-1 q=-2147483648 r=0 g=-2147483648 w=9", 0, false},
        // The program's list and the shape's body, one list per level.
        {"shape r [ forward 1 r ]\nr\nforward 5", "", kMaxRunDepth - 1, true},
    };
    for (const auto& [program, variables, lines, stopped] : cases) {
        SCOPED_TRACE(program);
        view = {};
        const auto context = run(program);
        EXPECT_EQ(
            std::tuple(Variables(*context), view.strokes, context->stopped, context->runDepth),
            std::tuple(std::string(variables), lines, stopped, 0));
    }
}

// At level 1 the palettes wait for the end of the run, which shows the run's final state; slow
// levels mark them as the program goes.
TEST_F(InterpreterTest, PaletteMarksFollowTheRun) {
    penButton = 2003;
    colourButton = 3005;
    auto context = run("pensize 1 symmetry 3\nforward 10");
    EXPECT_EQ(context->colourCommand, 3005) << "copied from the palette";
    EXPECT_TRUE(marks.empty());
    context.reset();
    EXPECT_EQ(marks, (Calls{"pen 2000", "colour 3005", "symmetry 4003"}));
    EXPECT_EQ(std::tuple(view.calls.back(), sleepTime, editor.calls.back()),
              std::tuple("hide", 6u, "align"));
    marks.clear();
    RunContext slow("delay 10 pensize 5 colour blue symmetry 2", 0, &view, nullptr);
    ExecuteRun(slow);
    EXPECT_EQ(marks, (Calls{"pen 2002", "colour 3003", "symmetry 4002"}));
}

// The turtle is drawn again after a clear at the slow levels; speed changes the rest of its own
// list only.
TEST_F(InterpreterTest, DrawingInstructionsReachTheViewAtTheirPace) {
    run("clear erase fill font 22 textsize 18 textstyle bold write \"hi\"\n"
        "n = 0 - 42\nwrite n write 007 n = 2147483647 + 1\nwrite n");
    EXPECT_EQ(view.only({"command", "clear", "fill", "font", "size", "style", "text", "draw"}),
              "command 4005 draw clearPicture draw fill 100,100 font 22 size 18 style 1 text 'hi' "
              "100,100 text '-42' 100,100 text '7' 100,100 text '-2147483648' 100,100");
    view = {};
    run("repeat 2 [ home speed 100 ] home");
    // The program at level 1; first pass: home at level 1; speed 100; second pass at level 0:
    // home unmarked; after the repeat: level 1 again; the end of the run.
    EXPECT_EQ(view.only({"show", "hide", "erase", "draw"}),
              "show show erase draw hide erase hide hide erase erase draw hide");
}

TEST_F(InterpreterTest, WithoutAPaintViewNothingIsDrawnButTheParseHappens) {
    front = nullptr;
    RunContext context("forward 10 n = 4", 0, nullptr, nullptr);
    EXPECT_EQ(commands, (std::vector<CommandT>{cmd_New}));
    ExecuteRun(context);
    EXPECT_EQ(Variables(context), "n=0") << "parsed, but the parser writes no value; no list runs";
    EXPECT_TRUE(view.calls.empty());
}

// Each program runs from (100, 100) in a 768 by 1024 picture: the view's heading, pen icon and
// stroke calls.
TEST_F(InterpreterTest, TheTurtleMovesAlongItsHeadingInScreenCoordinates) {
    const std::tuple<std::int32_t, const char*, const char*> cases[] = {
        {90, "forward 50", "line 150,100 h90"},
        {180, "forward 50", "line 100,150 h180"},
        {0, "forward 0", "line 100,100 h0"}, // still a dot at the turtle
        // Diagonal moves keep their fraction in single precision.
        {45, "forward 1 forward 1 forward 1", "line 100,99 h45 line 101,98 h45 line 102,97 h45"},
        {0, "right 370", "heading 10"},
        {0, "left 10", "heading 350"},
        {359, "right 2147483647", "heading 126"},
        // Every run starts with the pen down; home goes to the centre without a line.
        {0, "pen up back 5 pendown back 5", "icon up move 100,105 h0 icon down line 100,110 h0"},
        {0, "right 30 home", "heading 30 heading 0 move 512,384 h0"},
    };
    for (const auto& [heading, program, calls] : cases) {
        SCOPED_TRACE(program);
        view = {};
        run(program, heading);
        EXPECT_EQ(view.only({"heading", "icon", "line", "move"}), calls);
    }
    EXPECT_EQ(NormalisedHeading(-2147483648LL), 232);
    view.placeTurtle(0, 0);
    const auto context = run("right 400 forward 10", 5);
    EXPECT_EQ(std::tuple(context->heading, context->x, context->y),
              std::tuple(45, 7.0710678f, -7.0710678f));
}

// A 1024 by 768 picture centred on (512, 384): the square reaches 1088 from the centre.
TEST_F(InterpreterTest, FarMovesAreCutToTheSquareAroundThePicture) {
    view.placeTurtle(512, 384);
    EXPECT_EQ(run("forward 100000", 90)->x, 100512.0f) << "the turtle keeps its own position";
    view.placeTurtle(512, 384);
    EXPECT_EQ(run("forward 3000000 right 90 forward 10 back 10 left 90 back 3000000", 90)->x,
              512.0f);
    // Moves wholly outside only move the view's turtle; coming back from outside jumps to the
    // entry, then draws; back in sync, the next move is handed over exactly.
    run("forward 10", 90);
    EXPECT_EQ(view.only({"line", "move"}),
              "line 1600,384 h90 line 1600,384 h90 move 32767,394 h180 move 32767,384 h180 "
              "move 1600,384 h90 line 512,384 h90 line 522,384 h90");
    // The true diagonal line crosses the square at its top-right corner (1600, -704); the
    // double-precision cut may round a pixel inward. Far text and fill use clamped points.
    view.calls.clear();
    view.placeTurtle(512, 384);
    run("forward 2000000000 back 2000000000", 45);
    view.placeTurtle(0, 0);
    run("forward 50000 write \"x\" fill", 270);
    const std::string calls = view.only({"line", "move", "text", "fill"});
    EXPECT_TRUE(std::regex_match(calls, std::regex("line 1(599|600),-70[34] h45 move 1(599|600),"
                                                   "-70[34] h45 line 512,384 h45 line -576,0 h270 "
                                                   "text 'x' -32768,0 fill -32768,0")))
        << calls;
}
