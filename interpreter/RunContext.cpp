#include "RunContext.h"

#include "FontTable.h"
#include "LanguageTables.h"
#include "Parser.h"
#include "PollUserAbort.h"
#include "RunControl.h"
#include "RunEditor.h"
#include "RunHost.h"
#include "Ticks.h"
#include "TurtleView.h"

namespace {

constexpr std::uint32_t kSleepTicksAfterRun = 6;

// A press during a long parse cancels it. Events are taken at most once per tick, so a parse
// of many statements does not spend its time polling.
ParseHooks runParseHooks() {
    ParseHooks hooks;
    hooks.runInProgress = [] { return RunInProgress(); };
    hooks.inputPending = [lastPoll = TickCount()]() mutable {
        const std::uint32_t now = TickCount();
        if (now == lastPoll)
            return false;
        lastPoll = now;
        return PollUserAbort(0);
    };
    hooks.fontNumber = [](std::string_view name) { return GetFNum(name); };
    return hooks;
}

} // namespace

RunContext::RunContext(const char* text, std::size_t length, std::int32_t startHeading,
                       TurtleView* view, RunEditor* runEditor)
    : ParseContext(runParseHooks()) {
    InitLanguageTables();
    heading = startHeading;

    RunHost* const host = RunHost::Current();
    if (host) {
        penSizeCommand = host->SelectedPenButton();
        colourCommand = host->SelectedColourButton();
        symmetryCommand = host->SelectedSymmetryButton();
    }

    editor = runEditor;
    if (editor)
        mEditorLifetime = editor->lifetime();
    paintView = view;
    if (!paintView && host) {
        host->ObeyHostCommand(cmd_New, nullptr);
        paintView = host->FrontPaintView();
    }
    if (paintView)
        mViewLifetime = paintView->lifetime();

    // Before the turtle is read: what the flush dispatches (a resize) may move it.
    DiscardPendingInput();
    if (checkSeams()) {
        const Point start = paintView->turtlePoint();
        x = start.h;
        y = start.v;
    }
    // Polls during the parse may dispatch events that close a window.
    ParseProgram(*this, std::string_view(text ? text : "", text ? length : 0));
    checkSeams();
}

RunContext::~RunContext() {
    RunHost* const host = RunHost::Current();
    if (host)
        host->SetSleepTime(kSleepTicksAfterRun);
    lastInstruction = nullptr;
    firstInstruction.reset();
    if (checkSeams())
        paintView->showTurtle(false);
    if (host) {
        host->MarkPenSize(penSizeCommand);
        host->MarkColour(colourCommand);
        host->MarkSymmetry(symmetryCommand);
    }
    if (editor)
        editor->alignWithFrame();
    // A title-bar close that stopped the run is carried out now that the run is over.
    if (!RunInProgress())
        CarryOutHeldWindowRequests();
    // The variables go with the parse context.
}

bool RunContext::checkSeams() {
    if (paintView && mViewLifetime.expired())
        paintView = nullptr;
    if (editor && mEditorLifetime.expired())
        editor = nullptr;
    return paintView != nullptr;
}
