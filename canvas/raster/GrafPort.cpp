#include "GrafPort.h"

namespace {

// The process-wide current port, as the platform keeps it; null means the default port.
// A plain pointer, so that ports destroyed at exit never touch a destroyed holder.
constinit GrafPort* gCurrentPort = nullptr;

GrafPort& defaultPort() {
    static GrafPort port;
    return port;
}

} // namespace

GrafPort::~GrafPort() {
    if (gCurrentPort == this)
        gCurrentPort = nullptr;
}

PenColourState capturePenColourState(const GrafPort& port) {
    return {port.penLocation, port.penSize, port.foreColour, port.backColour};
}

void restorePenColourState(GrafPort& port, const PenColourState& state) {
    port.penLocation = state.penLocation;
    port.penSize = state.penSize;
    port.foreColour = state.foreColour;
    port.backColour = state.backColour;
}

GrafPort& GetPort() {
    return gCurrentPort != nullptr ? *gCurrentPort : defaultPort();
}

void SetPort(GrafPort& port) {
    gCurrentPort = &port;
}

void ResetCurrentPort() {
    defaultPort() = GrafPort();
    gCurrentPort = nullptr;
}

void RGBForeColor(const RGBColour& colour) {
    GetPort().foreColour = colour;
}

void RGBBackColor(const RGBColour& colour) {
    GetPort().backColour = colour;
}

RGBColour GetForeColor() {
    return GetPort().foreColour;
}

RGBColour GetBackColor() {
    return GetPort().backColour;
}

void ClipRect(const Rect& clip) {
    GetPort().clipRect = clip;
}
