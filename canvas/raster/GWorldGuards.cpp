#include "GWorldGuards.h"

#include "RectDrawing.h"

StGWorldDraw::StGWorldDraw(CGWorld& world, std::optional<RGBColour> eraseColour) {
    open(world.getWorld(), eraseColour);
}

StGWorldDraw::StGWorldDraw(GWorld* world, std::optional<RGBColour> eraseColour) {
    open(world, eraseColour);
}

void StGWorldDraw::open(GWorld* world, std::optional<RGBColour> eraseColour) {
    if (world == nullptr)
        return;
    mSavedPort = &GetPort();
    mLocked = true;
    SetPort(world->port);
    if (eraseColour) {
        GrafPort& port = world->port;
        const RGBColour savedFore = port.foreColour;
        const RGBColour savedBack = port.backColour;
        port.backColour = *eraseColour;
        EraseRect(world->pixMap.bounds);
        port.foreColour = savedFore;
        port.backColour = savedBack;
    }
}

StGWorldDraw::~StGWorldDraw() {
    if (mLocked)
        SetPort(*mSavedPort);
}

StGWorldRestorer::StGWorldRestorer() : mSavedPort(&GetPort()) {}

StGWorldRestorer::~StGWorldRestorer() {
    if (mRestore)
        SetPort(*mSavedPort);
}
