#pragma once

// An offscreen pixel buffer with its own port: the canvas, undo snapshots and fill masks.

#include "GrafPort.h"

#include <cstdint>
#include <memory>

// The offscreen world: pixels plus the port that draws into them.
struct GWorld {
    PixMap pixMap;
    GrafPort port;
};

class CGWorld {
public:
    CGWorld() = default;
    CGWorld(const Rect& bounds, std::int16_t depth);
    virtual ~CGWorld();
    CGWorld(const CGWorld&) = delete;
    CGWorld& operator=(const CGWorld&) = delete;

    // Makes a new buffer in place of any old one. Depths 1, 2, 4, 8, 16 and 24 are kept, any
    // other becomes 32. Returns 0, kParamError for empty bounds, or kMemoryFull; on failure
    // the object is empty. The pixels of a new buffer are not cleared.
    std::int16_t allocate(const Rect& bounds, std::int16_t depth);
    void dispose();

    bool isValid() const { return mWorld != nullptr; }
    GWorld* getWorld() const { return mWorld.get(); }
    PixMap* getPixMap() const { return mWorld ? &mWorld->pixMap : nullptr; }
    GrafPort* getPort() const { return mWorld ? &mWorld->port : nullptr; }
    // (0, 0, 0, 0) when empty.
    Rect getBounds() const;
    // 0 when empty.
    std::int16_t depth() const;

    // Direct pixel access for other canvas code; the image's pixel (0, 0) is the bounds'
    // top-left corner. Only valid while isValid().
    QImage& image() { return mWorld->pixMap.image; }
    const QImage& image() const { return mWorld->pixMap.image; }
    // Colour at port coordinates; white outside the buffer or when empty.
    RGBColour pixel(int h, int v) const;

    // Copies the whole buffer into the port's pixels at destination (scaled when the sizes
    // differ) with a transfer mode, in black and white so that nothing is tinted. The port's
    // colours are put back afterwards.
    void copyToPort(GrafPort& port, const Rect& destination, std::int16_t mode) const;

private:
    std::unique_ptr<GWorld> mWorld;
};

// The buffer depth that a requested depth maps to.
std::int16_t mapGWorldDepth(std::int16_t depth);
