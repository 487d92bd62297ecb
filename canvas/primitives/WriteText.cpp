#include "WriteText.h"

#include "PenDrawing.h"
#include "TextDrawing.h"

void writeText(const PaintState& state, const LStr255& text, std::int16_t h, std::int16_t v,
               const TextSettings& settings) {
    MoveTo(h, v);
    TextFont(settings.font);
    TextSize(settings.size);
    TextFace(settings.face);
    RGBForeColor(state.penColour);
    DrawString(text);
}
