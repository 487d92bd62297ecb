#pragma once

// --translate-to: prints the program translated to another keyword set or language.

#include "RenderOptions.h"

#include <string>

// A translation the target refuses.
constexpr int kExitTranslationRefused = 3;

// The process-wide vocabulary must be loaded. Returns the exit status.
int TranslateForRender(const RenderOptions& options, const std::string& text);
