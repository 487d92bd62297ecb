#pragma once

// Text in the current port: font, size and face settings, and strings drawn with their
// baseline starting at the pen location.

#include "GrafPort.h"
#include "LString.h"

#include <QFont>
#include <cstdint>
#include <string_view>

constexpr std::int16_t kDefaultTextSize = 12;
constexpr std::int16_t kMaxTextSize = 2048;

void TextFont(std::int16_t font);
void TextSize(std::int16_t size);
void TextFace(std::uint8_t face);

// The font the port's text settings stand for: size in pixels (0 or less means the default
// size); bold, italic, underline, condense and extend are honoured, outline and shadow are
// drawn plain.
QFont fontForTextSettings(std::int16_t font, std::int16_t size, std::uint8_t face);

// Draws the UTF-8 text in the foreground colour and moves the pen past it. Needs a running
// GUI application for fonts; without one it draws nothing and leaves the pen.
void DrawString(std::string_view text);
inline void DrawString(const LStr255& text) {
    DrawString(text.view());
}
// The pen advance the text would give in the current port's settings.
int StringWidth(std::string_view text);
