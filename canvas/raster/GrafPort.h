#pragma once

// The drawing port: where the raster operations draw and with what pen, colours and text
// settings. Exactly one port is current at a time; the raster calls draw into it.

#include "Geometry.h"

#include <QImage>
#include <QRect>
#include <cstdint>

// The pixels of one buffer and the coordinates they cover: image pixel (0, 0) is the
// point (bounds.left, bounds.top).
struct PixMap {
    QImage image;
    Rect bounds;
    std::int16_t depth = 32; // the depth the buffer was asked for, after mapping
};

constexpr Rect kWideOpenRect{-32768, -32768, 32767, 32767};

// Text face bits.
enum TextFaceBit : std::uint8_t {
    kBoldFace = 1,
    kItalicFace = 2,
    kUnderlineFace = 4,
    kOutlineFace = 8,
    kShadowFace = 16,
    kCondenseFace = 32,
    kExtendFace = 64,
};

struct GrafPort {
    GrafPort() = default;
    explicit GrafPort(PixMap* target) : pixMap(target) {}
    GrafPort(const GrafPort&) = default;
    GrafPort& operator=(const GrafPort&) = default;
    // A port that goes away while current leaves the default port current.
    ~GrafPort();

    PixMap* pixMap = nullptr; // not owned; null draws nothing
    Point penLocation{};
    Point penSize{1, 1}; // h wide, v tall
    RGBColour foreColour = kBlack;
    RGBColour backColour = kWhite;
    std::int16_t textFont = 0;
    std::int16_t textSize = 0; // 0: the default size
    std::uint8_t textFace = 0;
    Rect clipRect = kWideOpenRect;
    // Bounding box of everything painted since the last takeDamage, in port coordinates;
    // lets a view repaint just what changed.
    QRect damage;

    QRect takeDamage() {
        const QRect taken = damage;
        damage = QRect();
        return taken;
    }
};

// The pen and colour settings that drawing code saves and puts back around overlays.
struct PenColourState {
    Point penLocation;
    Point penSize;
    RGBColour foreColour;
    RGBColour backColour;
};
PenColourState capturePenColourState(const GrafPort& port);
void restorePenColourState(GrafPort& port, const PenColourState& state);

// The current port. Without any SetPort it is a default port that has no pixels.
GrafPort& GetPort();
void SetPort(GrafPort& port);
// Makes the default port current and gives it fresh settings (for tests and shutdown).
void ResetCurrentPort();

// Settings of the current port.
void RGBForeColor(const RGBColour& colour);
void RGBBackColor(const RGBColour& colour);
RGBColour GetForeColor();
RGBColour GetBackColor();
void ClipRect(const Rect& clip);
