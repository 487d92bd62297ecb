#pragma once

// The state of one run: the parse (tree, variables, offsets, error) plus the turtle, the pace
// and the palette commands the run ends with. Created for one run command and destroyed after
// it; creating it parses the program, destroying it ends the run.

#include "ParseContext.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

class RunEditor;
class TurtleView;

// Time spent taking events during a run, for measuring what the pace costs.
struct PollStatistics {
    std::uint64_t polls = 0;
    std::uint64_t nanoseconds = 0;
};

struct RunContext : ParseContext {
    // Parses text (length bytes). Without a paint view the host is asked for a new picture.
    RunContext(const char* text, std::size_t length, std::int32_t heading, TurtleView* view,
               RunEditor* runEditor);
    RunContext(std::string_view text, std::int32_t heading, TurtleView* view, RunEditor* runEditor)
        : RunContext(text.data(), text.size(), heading, view, runEditor) {}
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;
    ~RunContext();

    TurtleView* paintView = nullptr;
    RunEditor* editor = nullptr;
    std::uint8_t penUp = 0;
    std::int32_t heading = 0;
    std::int32_t slowness = 1;
    std::int32_t penSizeCommand = 2000;
    std::int32_t colourCommand = 3000;
    std::int32_t symmetryCommand = 4000;
    std::int32_t refreshInterval = 4;
    float x = 0;
    float y = 0;

    // The variable whose value an assignment changed last; none before the first change.
    const CVariable* lastChanged = nullptr;
    // Whether the run ended before its last instruction (a press, a zero divisor, too deep).
    bool stopped = false;
    // Nested instruction lists now running; bounded so a shape that runs itself cannot exhaust
    // the stack.
    int runDepth = 0;
    // True while the view's turtle stands at the truncated (x, y); false after a move that had
    // to be clipped left it elsewhere.
    bool viewAtTurtle = true;
    PollStatistics pollStatistics;

    // After events were dispatched: forgets a view or editor that has been destroyed meanwhile.
    // Returns false when the paint view is gone.
    bool checkSeams();

private:
    std::weak_ptr<const void> mViewLifetime;
    std::weak_ptr<const void> mEditorLifetime;
};

// Deepest nesting of running instruction lists; a run that reaches it stops as on a user stop.
constexpr int kMaxRunDepth = 1000;
