#include "CGWorld.h"

#include "CopyBits.h"
#include "LException.h"
#include "PixelAccess.h"

#include <new>

namespace {

// Larger buffers are refused up front: an allocation this size is a mistake, and an
// overcommitting system would only fail later, on the first write.
constexpr qsizetype kMaxBufferBytes = qsizetype{1} << 30;

QImage::Format formatForDepth(std::int16_t depth) {
    switch (depth) {
    case 1:
        return QImage::Format_Mono;
    case 2:
    case 4:
    case 8:
        return QImage::Format_Indexed8;
    case 16:
        return QImage::Format_RGB555;
    case 24:
        return QImage::Format_RGB888;
    default:
        return QImage::Format_RGB32;
    }
}

// Palettes of the indexed depths: a grey ramp for 2 bits, sixteen common colours for 4,
// a 6x6x6 cube with a grey ramp for 8.
QList<QRgb> colourTableForDepth(std::int16_t depth) {
    QList<QRgb> table;
    if (depth == 1) {
        table = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    } else if (depth == 2) {
        table = {qRgb(255, 255, 255), qRgb(170, 170, 170), qRgb(85, 85, 85), qRgb(0, 0, 0)};
    } else if (depth == 4) {
        table = {qRgb(255, 255, 255), qRgb(255, 255, 0),   qRgb(255, 102, 0), qRgb(221, 0, 0),
                 qRgb(255, 0, 153),   qRgb(51, 0, 153),    qRgb(0, 0, 204),   qRgb(0, 153, 255),
                 qRgb(0, 170, 0),     qRgb(0, 102, 0),     qRgb(102, 51, 0),  qRgb(153, 102, 51),
                 qRgb(187, 187, 187), qRgb(136, 136, 136), qRgb(68, 68, 68),  qRgb(0, 0, 0)};
    } else if (depth == 8) {
        for (int r = 5; r >= 0; --r)
            for (int g = 5; g >= 0; --g)
                for (int b = 5; b >= 0; --b)
                    table.append(qRgb(r * 51, g * 51, b * 51));
        for (int i = 0; i < 40; ++i) {
            const int grey = 255 - (i * 255) / 39;
            table.append(qRgb(grey, grey, grey));
        }
    }
    return table;
}

} // namespace

std::int16_t mapGWorldDepth(std::int16_t depth) {
    switch (depth) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 24:
        return depth;
    default:
        return 32;
    }
}

CGWorld::CGWorld(const Rect& bounds, std::int16_t depth) {
    allocate(bounds, depth);
}

CGWorld::~CGWorld() {
    dispose();
}

std::int16_t CGWorld::allocate(const Rect& bounds, std::int16_t depth) {
    dispose();
    if (bounds.isEmpty())
        return kParamError;
    const std::int16_t mapped = mapGWorldDepth(depth);
    const QImage::Format format = formatForDepth(mapped);
    const qsizetype bytesPerPixel = mapped == 1 ? 1 : (mapped <= 8 ? 1 : (mapped == 16 ? 2 : 4));
    if (qsizetype{bounds.width()} * bounds.height() * bytesPerPixel > kMaxBufferBytes)
        return kMemoryFull;
    try {
        auto world = std::make_unique<GWorld>();
        world->pixMap.image = QImage(bounds.width(), bounds.height(), format);
        if (world->pixMap.image.isNull())
            return kMemoryFull;
        if (format == QImage::Format_Mono || format == QImage::Format_Indexed8)
            world->pixMap.image.setColorTable(colourTableForDepth(mapped));
        world->pixMap.bounds = bounds;
        world->pixMap.depth = mapped;
        world->port.pixMap = &world->pixMap;
        world->port.clipRect = bounds;
        mWorld = std::move(world);
    } catch (const std::bad_alloc&) {
        return kMemoryFull;
    }
    return kNoError;
}

void CGWorld::dispose() {
    mWorld.reset();
}

Rect CGWorld::getBounds() const {
    return mWorld ? mWorld->pixMap.bounds : Rect{};
}

std::int16_t CGWorld::depth() const {
    return mWorld ? mWorld->pixMap.depth : std::int16_t{0};
}

RGBColour CGWorld::pixel(int h, int v) const {
    return mWorld ? readColour(mWorld->pixMap, h, v) : kWhite;
}

void CGWorld::copyToPort(GrafPort& port, const Rect& destination, std::int16_t mode) const {
    if (!mWorld)
        return;
    const RGBColour savedFore = port.foreColour;
    const RGBColour savedBack = port.backColour;
    port.foreColour = kBlack;
    port.backColour = kWhite;
    CopyBits(mWorld->pixMap, port, mWorld->pixMap.bounds, destination, mode);
    port.foreColour = savedFore;
    port.backColour = savedBack;
}
