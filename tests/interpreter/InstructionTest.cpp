// What each instruction does to the view, the palettes and the variables.

#include "InterpreterTestSupport.h"

using Calls = std::vector<std::string>;

TEST_F(InterpreterTest, PenSizeSetsTheWidthAndItsPaletteCommand) {
    // From a variable the width is cut to 16 bits, the command is taken from the full value.
    const std::pair<const char*, std::int32_t> cases[] = {
        {"pensize 3", 2001}, {"pensize 100", 2004}, {"pensize 0", 2000},
        {"pensize 8", 2002}, {"pensize 16", 2003},  {"w = 65539\npensize w", 2004}};
    for (const auto& [program, command] : cases)
        EXPECT_EQ(run(program)->penSizeCommand, command) << program;
    EXPECT_EQ(view.only({"pensize"}), (Calls{"pensize 3", "pensize 100", "pensize 0", "pensize 8",
                                             "pensize 16", "pensize 3"}));
}

TEST_F(InterpreterTest, SymmetryFromAVariableIsUsedUnmappedAndRedrawsTheView) {
    const auto context = run("s = 3\nsymmetry s");
    EXPECT_EQ(context->symmetryCommand, 4002);
    EXPECT_EQ(view.only({"symmetry", "invalidate"}), (Calls{"symmetry 3", "invalidate"}));
    EXPECT_EQ(run("symmetry 4")->symmetryCommand, 4004) << "level 4 is eight images";
    EXPECT_EQ(run("symmetry 1")->symmetryCommand, 4001);
    EXPECT_EQ(run("symmetry 0")->symmetryCommand, 4000);
}

TEST_F(InterpreterTest, ColourFromAVariableTakesTheRemainderByNine) {
    const auto context =
        run("cc = 12\ncolor cc\ncc = 8\ncolor cc\ncc = 0 - 1\ncolor cc\ncolor red");
    EXPECT_EQ(view.only({"command"}),
              (Calls{"command 3003", "command 3008", "command 2999", "command 3001"}));
    EXPECT_EQ(context->colourCommand, 3001);
    EXPECT_EQ(view.only({"erase"}).size(), 4u) << "the turtle is redrawn in the new colour";
    const auto lowest = run("cc = 2147483647 + 1\ncolour cc");
    EXPECT_EQ(view.only({"command"}).back(), "command 2998");
}

TEST_F(InterpreterTest, PaletteMarksFollowTheProgramOnlyWhenHighlighting) {
    const auto context = run("pensize 5 colour blue symmetry 2");
    EXPECT_TRUE(host.marks.empty()) << "at level 1 the palettes wait for the end of the run";
    const auto slow = std::make_unique<RunContext>("delay 10 pensize 5 colour blue symmetry 2", 0,
                                                   &view, nullptr);
    ExecuteRun(*slow);
    EXPECT_EQ(host.marks, (Calls{"pen 2002", "colour 3003", "symmetry 4002"}));
}

TEST_F(InterpreterTest, TheEndOfARunShowsTheFinalPaletteState) {
    host.penButton = 2003;
    host.colourButton = 3005;
    auto context = run("pensize 1 symmetry 3\nforward 10");
    EXPECT_EQ(context->colourCommand, 3005) << "copied from the palette";
    host.marks.clear();
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
        "n = 0 - 42\nwrite n write 007");
    EXPECT_EQ(
        view.only({"command", "clearPicture", "fill", "font", "size", "style", "text", "draw"}),
        (Calls{"command 4005", "draw", "clearPicture", "draw", "fill 100,100", "font 22", "size 18",
               "style 1", "text 'hi' 100,100", "text '-42' 100,100", "text '7' 100,100"}));
}

TEST_F(InterpreterTest, ShapesRunOnlyWhenCalledAndShareVariables) {
    const auto context = run("shape sq [ n = n + 5\nforward n ]\nforward 1\nsq sq\nforward n");
    EXPECT_EQ(strokes(),
              (Calls{"line 100,99 h0", "line 100,94 h0", "line 100,84 h0", "line 100,74 h0"}));
    EXPECT_EQ(VariableValue(*context, "n"), 10);
    EXPECT_FALSE(context->stopped);
}

TEST_F(InterpreterTest, RepeatCountIsFixedWhenTheRepeatBegins) {
    const auto context = run("n = 3\nrepeat n [ n = n + 1\nforward 1 ]");
    EXPECT_EQ(strokes().size(), 3u);
    EXPECT_EQ(VariableValue(*context, "n"), 6);
    const auto none = run("n = 0 - 5\nrepeat n [ forward 1 ]");
    EXPECT_EQ(strokes().size(), 3u);
}

TEST_F(InterpreterTest, ZeroDivisorAtStatementLevelStopsTheRun) {
    const auto context = run("n = 5\nn = 10 / 0\nforward 1");
    EXPECT_TRUE(context->stopped);
    EXPECT_EQ(VariableValue(*context, "n"), 5) << "the variable keeps its value";
    EXPECT_TRUE(strokes().empty());
    const auto modulo = run("n = 5\nrepeat 3 [ forward 1 n = n % 0\n]\nforward 9");
    EXPECT_TRUE(modulo->stopped);
    EXPECT_EQ(strokes().size(), 1u);
}

// A run evaluates the top of each list itself, wrapping as the expression evaluator does.
TEST_F(InterpreterTest, TheMostNegativeQuotientDoesNotTrap) {
    const auto context = run("m = 2147483647 + 1\nk = 0 - 1\nq = m / k\nr = m % k\n"
                             "g = (m / k) + (m % k)\nw = 2147483647 * 2 + 10 - 2 - 3");
    EXPECT_FALSE(context->stopped);
    const std::pair<const char*, std::int32_t> values[] = {
        {"m", INT32_MIN}, {"q", INT32_MIN}, {"r", 0}, {"g", INT32_MIN}, {"w", -2 + 11}};
    for (const auto& [name, value] : values)
        EXPECT_EQ(VariableValue(*context, name), value) << name;
}

TEST_F(InterpreterTest, ZeroDivisorInsideAGroupOnlyZeroesTheGroup) {
    const auto context = run("n = 5\nn = (10 / 0) + 2\nm = 3 + 4 / 0\nforward 1");
    EXPECT_FALSE(context->stopped);
    EXPECT_EQ(VariableValue(*context, "n"), 2);
    EXPECT_EQ(VariableValue(*context, "m"), 3);
    EXPECT_EQ(strokes().size(), 1u);
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

TEST_F(InterpreterTest, SpeedAndDelayLevels) {
    EXPECT_EQ(run("speed 100")->slowness, 0);
    EXPECT_EQ(run("s = 150\nspeed s")->slowness, 0);
    EXPECT_EQ(run("s = 0 - 2147483647\nspeed s")->slowness, 0) << "100 - s wraps below 0";
    EXPECT_EQ(run("s = 0 - 3\ndelay s")->slowness, -3);
}

TEST_F(InterpreterTest, ShapesThatRunThemselvesStopAtTheDepthBound) {
    const auto direct = run("shape r [ forward 1 r ]\nr\nforward 5");
    EXPECT_TRUE(direct->stopped);
    EXPECT_EQ(direct->runDepth, 0);
    // The program's list and the shape's body, one list per level.
    EXPECT_EQ(strokes().size(), static_cast<std::size_t>(kMaxRunDepth - 1));
    view.calls.clear();
    const auto mutual = run("shape a [ shape b [ a ]\nforward 1 b ]\na");
    EXPECT_TRUE(mutual->stopped);
    EXPECT_GT(strokes().size(), 100u);
}

TEST_F(InterpreterTest, WithoutAPaintViewNothingIsDrawnButTheParseHappens) {
    host.front = nullptr;
    const auto context = std::make_unique<RunContext>("forward 10 n = 4", 0, nullptr, nullptr);
    EXPECT_EQ(host.commands, (std::vector<CommandT>{cmd_New}));
    EXPECT_TRUE(context->parseSucceeded);
    ExecuteRun(*context);
    EXPECT_EQ(VariableValue(*context, "n"), 0) << "no list runs without a view";
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(InterpreterTest, AParseErrorLeavesTheRangeAndRunsNothing) {
    const auto context = std::make_unique<RunContext>("forward 1 bogus", 0, &view, &editor);
    EXPECT_FALSE(context->parseSucceeded);
    EXPECT_EQ(context->messageNumber, 2);
    ExecuteRun(*context);
    EXPECT_TRUE(strokes().empty());
}
