#pragma once

// Scoped guards that redirect drawing. Guards nest strictly: the last opened is the first
// closed, and every way out of a scope, exceptions included, puts the previous port back.

#include "CGWorld.h"

#include <optional>

// Makes a buffer the current port for a scope, optionally erasing it first.
class StGWorldDraw {
public:
    explicit StGWorldDraw(CGWorld& world, std::optional<RGBColour> eraseColour = std::nullopt);
    explicit StGWorldDraw(GWorld* world, std::optional<RGBColour> eraseColour = std::nullopt);
    virtual ~StGWorldDraw();
    StGWorldDraw(const StGWorldDraw&) = delete;
    StGWorldDraw& operator=(const StGWorldDraw&) = delete;

    // False when there was no buffer: the guard changed nothing.
    bool isActive() const { return mLocked; }

private:
    void open(GWorld* world, std::optional<RGBColour> eraseColour);

    GrafPort* mSavedPort = nullptr;
    bool mLocked = false;
};

// Saves the current port and puts it back at the end of the scope.
class StGWorldRestorer {
public:
    StGWorldRestorer();
    virtual ~StGWorldRestorer();
    StGWorldRestorer(const StGWorldRestorer&) = delete;
    StGWorldRestorer& operator=(const StGWorldRestorer&) = delete;

private:
    GrafPort* mSavedPort;
    bool mRestore = true;
};
