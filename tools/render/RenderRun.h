#pragma once

// Runs a program headless in the real application, paint view and interpreter, then writes
// the picture and the final state.

#include "RenderOptions.h"

#include <string>

// Exit statuses of turtlescope-render.
constexpr int kExitSuccess = 0;
constexpr int kExitParseError = 1;
constexpr int kExitUsage = 2;

// Reports problems on standard error; returns the exit status.
int RenderProgram(const RenderOptions& options, const std::string& text);

void PrintRenderError(const QString& text);

struct ParseContext;
// PROGRAM:LINE:COLUMN: error: MESSAGE
void PrintParseError(const RenderOptions& options, const std::string& text,
                     const ParseContext& context);
