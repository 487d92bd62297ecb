#pragma once

// Starting, pacing and stopping runs. One run at a time: a process-wide running flag keeps a
// second run from starting while events are taken in the middle of the first.

#include <cstdint>

class RunEditor;
struct RunContext;

// The run command of a program editor: parse its text, run it or report the parse error.
void RunProgram(RunEditor& editor);

// Runs a parsed context once; does nothing while another run is in progress. Sets the
// context's stopped flag.
void ExecuteRun(RunContext& context);

// The running flag.
bool RunInProgress();

// The step before each instruction at level S: waits and takes events as the level says.
// True when the run must stop (a press, or the paint view has gone).
bool PaceRun(RunContext& context, std::int32_t level);

// Shows the running instruction's text selected in the editor, at once.
void SelectRunningInstruction(RunContext& context, std::int32_t start, std::int32_t end);
