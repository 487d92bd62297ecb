#pragma once

// Transfer modes: how a copied source pixel combines with the destination pixel under it.

#include <cstdint>

enum TransferMode : std::int16_t {
    kSrcCopy = 0,
    kSrcOr = 1,
    kSrcXor = 2,
    kSrcBic = 3,
    kNotSrcCopy = 4,
    kNotSrcOr = 5,
    kNotSrcXor = 6,
    kNotSrcBic = 7,
    kDitherCopy = 64, // a copy; dithering only matters when reducing depth
};

// The colours a copy is drawn in, as 0xRRGGBB: black source pixels take the foreground,
// white ones the background. Black on white copies plainly.
struct TransferColours {
    std::uint32_t fore = 0x000000u;
    std::uint32_t back = 0xFFFFFFu;

    constexpr bool isPlain() const { return fore == 0x000000u && back == 0xFFFFFFu; }
};

// One destination pixel d after source pixel s arrives, all 0xRRGGBB. The modes work
// bitwise, so a black-and-white source gives exactly the foreground, the background, the
// destination or its inverse, and a colour source is colourised. The Not modes are their
// plain modes on the inverted source. `mode` is one of kSrcCopy .. kNotSrcBic.
constexpr std::uint32_t combine(TransferMode mode, std::uint32_t s, std::uint32_t d,
                                const TransferColours& colours) {
    constexpr std::uint32_t kRGB = 0xFFFFFFu;
    if (mode >= kNotSrcCopy) {
        s = ~s;
        mode = static_cast<TransferMode>(mode - kNotSrcCopy);
    }
    s &= kRGB;
    const std::uint32_t notS = ~s & kRGB;
    switch (mode) {
    case kSrcOr:
        return (notS & colours.fore) | (s & d);
    case kSrcXor:
        return (d ^ notS) & kRGB;
    case kSrcBic:
        return (notS & colours.back) | (s & d);
    default:
        return (s & colours.back) | (notS & colours.fore);
    }
}
