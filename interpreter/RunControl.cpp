#include "RunControl.h"

#include "Instruction.h"
#include "LPeriodical.h"
#include "PollUserAbort.h"
#include "RunContext.h"
#include "RunEditor.h"
#include "RunHost.h"
#include "StepTimer.h"
#include "TurtleView.h"

#include <chrono>
#include <string>

namespace {

std::uint8_t gRunning = 0;
// Set for the whole run command, the parse included, so that a run command dispatched while
// the parse takes events does not start a second run inside the first.
bool gRunCommandActive = false;

// Sets a flag for as long as it lives, then puts back what it held.
template <typename Flag> class StFlagSetter {
public:
    StFlagSetter(Flag& flag, Flag value) : mFlag(flag), mSaved(flag) { mFlag = value; }
    ~StFlagSetter() { mFlag = mSaved; }
    StFlagSetter(const StFlagSetter&) = delete;
    StFlagSetter& operator=(const StFlagSetter&) = delete;

private:
    Flag& mFlag;
    const Flag mSaved;
};

// For the duration of a run the host sends the run's commands to the run's paint view.
class StRunPaintView {
public:
    explicit StRunPaintView(TurtleView* view) : mHost(RunHost::Current()) {
        if (mHost)
            mHost->SetRunPaintView(view);
    }
    ~StRunPaintView() {
        if (mHost)
            mHost->SetRunPaintView(nullptr);
    }
    StRunPaintView(const StRunPaintView&) = delete;
    StRunPaintView& operator=(const StRunPaintView&) = delete;

private:
    RunHost* const mHost;
};

// One poll, timed for the run's statistics. True when the run must stop.
bool pollAndCheck(RunContext& context) {
    const auto began = std::chrono::steady_clock::now();
    const bool pressed = PollUserAbort(0);
    const auto spent = std::chrono::steady_clock::now() - began;
    ++context.pollStatistics.polls;
    context.pollStatistics.nanoseconds += static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(spent).count());
    const bool viewKept = context.checkSeams();
    return pressed || !viewKept;
}

} // namespace

bool RunInProgress() {
    return gRunning != 0;
}

void RunProgram(RunEditor& editor) {
    if (gRunning || gRunCommandActive)
        return;
    const std::string_view editorText = editor.programText();
    if (editorText.empty())
        return;
    const StFlagSetter<bool> commandActive(gRunCommandActive, true);
    const LPeriodical::StIdleHold noIdleTime;
    editor.scrollToOrigin();
    // A copy: events dispatched during the parse and the run may change the editor's text.
    const std::string text(editorText);
    RunHost* const host = RunHost::Current();
    TurtleView* const view = host ? host->FrontPaintView() : nullptr;

    RunContext context(text, editor.runHeading(), view, &editor);
    if (context.parseSucceeded) {
        context.slowness = editor.startingLevel();
        if (context.paintView) {
            context.paintView->markDocumentModified();
            if (context.editor && !RunInProgress())
                context.editor->runStarting(*context.paintView);
        }
        if (context.editor)
            context.editor->showVariables(context, VariablesMoment::kRunStarts);
        ExecuteRun(context);
        context.checkSeams();
        if (context.editor) {
            context.editor->setRunHeading(context.heading);
            context.editor->showVariables(context, VariablesMoment::kRunEnded);
        }
    } else if (context.editor) {
        context.editor->reportParseError(context);
    }
}

void ExecuteRun(RunContext& context) {
    if (gRunning)
        return;
    const StFlagSetter<std::uint8_t> running(gRunning, 1);
    if (!context.parseSucceeded || !context.firstInstruction)
        return;
    const LPeriodical::StIdleHold noIdleTime;
    const StRunPaintView runView(context.paintView);
    TheStepTimer().start(static_cast<std::uint32_t>(context.refreshInterval));
    std::int32_t accumulator = 0;
    context.stopped = context.firstInstruction->RunList(context, accumulator) != 0;
    if (context.checkSeams())
        context.paintView->markDocumentModified();
}

bool PaceRun(RunContext& context, std::int32_t level) {
    StepTimer& timer = TheStepTimer();
    if (level == 0) {
        if (!timer.expiredSparingly())
            return false;
        timer.start(static_cast<std::uint32_t>(context.refreshInterval));
        return pollAndCheck(context);
    }
    if (level == 1) {
        if (!timer.expiredSparingly())
            return false;
        if (pollAndCheck(context))
            return true;
        timer.start(1);
        return false;
    }
    // Negative levels (from a variable) wait nothing but still poll once.
    timer.start(level > 2 ? static_cast<std::uint32_t>(level - 2) : 0);
    for (;;) {
        if (pollAndCheck(context))
            return true;
        if (timer.expired())
            return false;
        RestBetweenPolls();
    }
}

void SelectRunningInstruction(RunContext& context, std::int32_t start, std::int32_t end) {
    RunEditor* const editor = context.editor;
    if (!editor)
        return;
    editor->selectRange(start, end);
    if (start == 0)
        editor->scrollToOrigin();
    editor->showVariables(context, VariablesMoment::kBeforeInstruction);
    editor->redrawNow();
}
