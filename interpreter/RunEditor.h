#pragma once

// What a run needs of the program editor: its text, the heading the next run starts with,
// the selection for showing the running instruction, and the report of a parse error.

#include <cstdint>
#include <memory>
#include <string_view>

struct RunContext;
class TurtleView;

// The moments at which a run shows its variables.
enum class VariablesMoment : std::uint8_t {
    kRunStarts,         // a parsed program is about to run: the last run's values go
    kBeforeInstruction, // only at the levels that select the running instruction
    kRunEnded,
};

class RunEditor {
public:
    virtual ~RunEditor() = default;

    // The program's bytes; empty when the editor has no text.
    virtual std::string_view programText() const = 0;
    virtual std::int32_t runHeading() const = 0;
    virtual void setRunHeading(std::int32_t heading) = 0;

    // Scroll back to the origin (0, 0).
    virtual void scrollToOrigin() = 0;
    // Select the byte range [start, end) of the text.
    virtual void selectRange(std::int32_t start, std::int32_t end) = 0;
    // Redraw at once, so the selection is visible before the next instruction runs.
    virtual void redrawNow() = 0;
    // After a run: bring the text back into line with the frame, selection in view.
    virtual void alignWithFrame() = 0;
    // A failed parse: select the error's range and show its message.
    virtual void reportParseError(const RunContext& context) = 0;
    // A parsed program is about to run into the view (the moment to keep the picture for undo).
    virtual void runStarting(TurtleView& /*view*/) {}
    // The level a run starts at (the pace chosen in the program window).
    virtual std::int32_t startingLevel() const { return 1; }
    // The run's variables in the order the program introduces them, and the one changed last.
    virtual void showVariables(const RunContext& /*context*/, VariablesMoment /*moment*/) {}

    // Expires when the editor is destroyed: a run dispatches events, and one of them may close
    // the program's window in the middle of the run.
    std::weak_ptr<const void> lifetime() const { return mLifetime; }

private:
    std::shared_ptr<const char> mLifetime = std::make_shared<const char>('\0');
};
