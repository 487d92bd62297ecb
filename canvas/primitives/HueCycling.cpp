#include "HueCycling.h"

#include "ColourModel.h"

void advanceHue(PaintState& state, std::uint16_t step) {
    HSVColour hsv = RGB2HSV(state.penColour);
    hsv.hue = static_cast<std::uint16_t>(hsv.hue + step);
    state.penColour = HSV2RGB(hsv);
}
