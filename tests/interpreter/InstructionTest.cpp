// What each instruction does to the view, the palettes and the variables.

#include "InterpreterTestSupport.h"

// Each palette instruction sets its command and asks the view; from a variable the pen width is
// cut to 16 bits and the command taken from the full value, the symmetry level is used unmapped
// and a colour is the remainder by nine. The turtle is erased to be redrawn in a new colour.
TEST_F(InterpreterTest, PaletteAndSpeedInstructionsSetTheRunAndTheView) {
    using C = RunContext;
    const struct {
        const char* program;
        std::int32_t C::*field;
        std::int32_t value;
        const char* effects; // the view's calls but turtle showing and strokes
    } cases[] = {
        {"pensize 3", &C::penSizeCommand, 2001, "pensize 3"},
        {"pensize 100", &C::penSizeCommand, 2004, "pensize 100"},
        {"pensize 0", &C::penSizeCommand, 2000, "pensize 0"},
        {"pensize 8", &C::penSizeCommand, 2002, "pensize 8"},
        {"pensize 16", &C::penSizeCommand, 2003, "pensize 16"},
        {"w = 65539\npensize w", &C::penSizeCommand, 2004, "pensize 3"},
        {"s = 3\nsymmetry s", &C::symmetryCommand, 4002, "symmetry 3, invalidate"},
        {"symmetry 4", &C::symmetryCommand, 4004, "symmetry 8, invalidate"}, // eight images
        {"symmetry 1", &C::symmetryCommand, 4001, "symmetry 2, invalidate"},
        {"symmetry 0", &C::symmetryCommand, 4000, "symmetry 1, invalidate"},
        {"cc = 12\ncolor cc", &C::colourCommand, 3003, "command 3003, erase"},
        {"cc = 8\ncolor cc", &C::colourCommand, 3008, "command 3008, erase"},
        {"cc = 0 - 1\ncolor cc", &C::colourCommand, 2999, "command 2999, erase"},
        {"cc = 2147483647 + 1\ncolour cc", &C::colourCommand, 2998, "command 2998, erase"},
        {"color red", &C::colourCommand, 3001, "command 3001, erase"},
        {"speed 100", &C::slowness, 0, "erase"},
        {"s = 150\nspeed s", &C::slowness, 0, "erase"},
        {"s = 0 - 2147483647\nspeed s", &C::slowness, 0, "erase"}, // 100 - s wraps below 0
        {"s = 0 - 3\ndelay s", &C::slowness, -3, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        view.calls.clear();
        EXPECT_EQ(run(c.program).get()->*c.field, c.value);
        std::string effects;
        for (const std::string& call : view.calls)
            if (call != "show" && call != "hide" && call != "draw")
                effects += (effects.empty() ? "" : ", ") + call;
        EXPECT_EQ(effects, c.effects);
    }
}

// Shapes run only when called and share the variables; a repeat's count is fixed when it begins;
// a zero divisor at statement level stops the run, inside a group it only zeroes the group; the
// top of each list wraps as the expression evaluator does; self-calls stop at the depth bound.
TEST_F(InterpreterTest, RunsLeaveTheirVariablesStrokesAndStop) {
    const struct {
        const char* program;
        const char* variables;
        std::size_t strokes;
        bool stopped;
    } cases[] = {
        {"shape sq [ n = n + 5\nforward n ]\nforward 1\nsq sq\nforward n", "n=10", 4, false},
        {"n = 3\nrepeat n [ n = n + 1\nforward 1 ]", "n=6", 3, false},
        {"b = 1\na = 2\nB = 3", "b=3 a=2", 0, false}, // each name once, in order
        {"n = 0 - 5\nrepeat n [ forward 1 ]", "n=-5", 0, false},
        {"n = 5\nn = 10 / 0\nforward 1", "n=5", 0, true},
        {"n = 5\nrepeat 3 [ forward 1 n = n % 0\n]\nforward 9", "n=5", 1, true},
        {"n = 5\nn = (10 / 0) + 2\nm = 3 + 4 / 0\nforward 1", "n=2 m=3", 1, false},
        {"m = 2147483647 + 1\nk = 0 - 1\nq = m / k\nr = m % k\ng = (m / k) + (m % k)\n"
         "w = 2147483647 * 2 + 10 - 2 - 3",
         "m=-2147483648 k=-1 q=-2147483648 r=0 g=-2147483648 w=9", 0, false},
        // The program's list and the shape's body, one list per level.
        {"shape r [ forward 1 r ]\nr\nforward 5", "", kMaxRunDepth - 1, true},
        {"shape a [ shape b [ a ]\nforward 1 b ]\na", "", kMaxRunDepth / 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        view.calls.clear();
        const auto context = run(c.program);
        EXPECT_EQ(Variables(*context), c.variables);
        EXPECT_EQ(strokes().size(), c.strokes);
        EXPECT_EQ(context->stopped, c.stopped);
        EXPECT_EQ(context->runDepth, 0);
    }
}

TEST_F(InterpreterTest, PaletteMarksFollowTheProgramOnlyWhenHighlighting) {
    const auto context = run("pensize 5 colour blue symmetry 2");
    EXPECT_TRUE(host.marks.empty()) << "at level 1 the palettes wait for the end of the run";
    RunContext slow("delay 10 pensize 5 colour blue symmetry 2", 0, &view, nullptr);
    ExecuteRun(slow);
    EXPECT_EQ(host.marks, (Calls{"pen 2002", "colour 3003", "symmetry 4002"}));
}

TEST_F(InterpreterTest, TheEndOfARunShowsTheFinalPaletteState) {
    host.penButton = 2003;
    host.colourButton = 3005;
    auto context = run("pensize 1 symmetry 3\nforward 10");
    EXPECT_EQ(context->colourCommand, 3005) << "copied from the palette";
    view.calls.clear();
    context.reset();
    EXPECT_EQ(host.marks, (Calls{"pen 2000", "colour 3005", "symmetry 4003"}));
    EXPECT_EQ(view.calls, (Calls{"hide"}));
    EXPECT_EQ(host.sleepTime, 6u);
    EXPECT_EQ(editor.calls.back(), "align");
}

TEST_F(InterpreterTest, DrawingInstructionsReachTheView) {
    view.frame = Rect{0, 0, 200, 300};
    run("clear erase fill font 22 textsize 18 textstyle bold write \"hi\"\n"
        "n = 0 - 42\nwrite n write 007 n = 2147483647 + 1\nwrite n");
    EXPECT_EQ(
        view.only({"command", "clearPicture", "fill", "font", "size", "style", "text", "draw"}),
        (Calls{"command 4005", "draw", "clearPicture", "draw", "fill 100,100", "font 22", "size 18",
               "style 1", "text 'hi' 100,100", "text '-42' 100,100", "text '7' 100,100",
               "text '-2147483648' 100,100"}));
}

TEST_F(InterpreterTest, SpeedChangesTheRestOfItsOwnListOnly) {
    run("repeat 2 [ home speed 100 ] home");
    EXPECT_EQ(view.only({"show", "hide", "erase", "draw"}),
              (Calls{"show",                  // the program at level 1
                     "show", "erase", "draw", // first pass: home at level 1
                     "hide", "erase",         // speed 100
                     "hide", "hide", "erase", // second pass at level 0: home unmarked
                     "erase", "draw",         // after the repeat: level 1 again
                     "hide"}));               // the end of the run
}

TEST_F(InterpreterTest, WithoutAPaintViewNothingIsDrawnButTheParseHappens) {
    host.front = nullptr;
    const auto context = std::make_unique<RunContext>("forward 10 n = 4", 0, nullptr, nullptr);
    EXPECT_EQ(host.commands, (std::vector<CommandT>{cmd_New}));
    EXPECT_TRUE(context->parseSucceeded);
    ExecuteRun(*context);
    EXPECT_EQ(Variables(*context), "n=0") << "the parser writes no value; no list runs";
    EXPECT_TRUE(view.calls.empty());
}
