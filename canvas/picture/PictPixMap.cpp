#include "PictPixMap.h"

#include "PackBits.h"
#include "PictOpcodes.h"
#include "PixelAccess.h"

#include <array>
#include <optional>
#include <vector>

namespace {

struct MapHeader {
    std::uint16_t rowBytes = 0;
    bool isPixMap = false;
    Rect bounds;
    std::int16_t packType = 0;
    std::int16_t pixelSize = 1;
    std::int16_t cmpCount = 1;
};

using Palette = std::array<QRgb, 256>;

MapHeader readMapHeader(PictCursor& c) {
    MapHeader m;
    const std::uint16_t raw = c.u16();
    m.isPixMap = (raw & 0x8000U) != 0;
    m.rowBytes = raw & 0x3FFFU;
    m.bounds = c.rect();
    if (!m.isPixMap)
        return m;
    c.skip(2); // pmVersion
    m.packType = c.i16();
    c.skip(4 + 4 + 4 + 2); // packSize, hRes, vRes, pixelType
    m.pixelSize = c.i16();
    m.cmpCount = c.i16();
    c.skip(2 + 4 + 4 + 4); // cmpSize, planeBytes, pmTable, pmReserved
    return m;
}

QRgb toPixel(const RGBColour& c) {
    return 0xFF000000U | packRGB24(c);
}

Palette readColourTable(PictCursor& c) {
    Palette palette;
    palette.fill(qRgb(0, 0, 0));
    c.skip(4); // ctSeed
    const bool deviceTable = (c.u16() & 0x8000U) != 0;
    const std::size_t entries = std::size_t{c.u16()} + 1;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint16_t value = c.u16();
        const QRgb colour = toPixel(c.rgb());
        const std::size_t index = deviceTable ? i : value;
        if (index < palette.size())
            palette[index] = colour;
    }
    return palette;
}

Palette bitMapPalette() {
    Palette palette;
    palette.fill(qRgb(0, 0, 0));
    palette[0] = qRgb(255, 255, 255);
    return palette;
}

enum class RowFraming : std::uint8_t { Raw, ByteCounts, WordCounts };
enum class Layout : std::uint8_t { Indexed, Planes, Pixels32, RGB24, Pixels16 };

struct Framing {
    RowFraming rows;
    Layout layout;
};

// What the rows of one pixel map look like once unpacked.
struct RowShape {
    int width = 0;
    int height = 0;
    std::size_t rowBytes = 0;
    int pixelSize = 1;
    int cmpCount = 3;
    const Palette* palette = nullptr;

    std::size_t needed(Layout layout) const {
        const auto w = static_cast<std::size_t>(width);
        switch (layout) {
        case Layout::Indexed:
            return (w * static_cast<std::size_t>(pixelSize) + 7) / 8;
        case Layout::Planes:
            return w * static_cast<std::size_t>(cmpCount);
        case Layout::Pixels32:
            return w * 4;
        case Layout::RGB24:
            return w * 3;
        case Layout::Pixels16:
            return w * 2;
        }
        return 0;
    }
    // Bytes a raw row occupies in the data.
    std::size_t rawLength(Layout layout) const {
        return layout == Layout::RGB24 || layout == Layout::Planes ? needed(layout) : rowBytes;
    }
    // Bytes a packed row unpacks to.
    std::size_t unpackedLength(Layout layout) const {
        return layout == Layout::Planes ? needed(layout) : std::max(rowBytes, needed(layout));
    }
};

std::uint8_t expand5(unsigned c) {
    return static_cast<std::uint8_t>((c << 3) | (c >> 2));
}

void storeRow(const RowShape& shape, Layout layout, const std::uint8_t* row, QRgb* out) {
    const int w = shape.width;
    switch (layout) {
    case Layout::Indexed: {
        const int bits = shape.pixelSize;
        const unsigned mask = (1U << bits) - 1U;
        for (int x = 0; x < w; ++x) {
            const int bit = x * bits;
            const unsigned shift =
                8U - static_cast<unsigned>(bits) - static_cast<unsigned>(bit & 7);
            out[x] = (*shape.palette)[(row[bit >> 3] >> shift) & mask];
        }
        return;
    }
    case Layout::Planes: {
        const std::uint8_t* red = row + (shape.cmpCount == 4 ? w : 0);
        const std::uint8_t* green = red + w;
        const std::uint8_t* blue = green + w;
        for (int x = 0; x < w; ++x)
            out[x] = qRgb(red[x], green[x], blue[x]);
        return;
    }
    case Layout::Pixels32:
        for (int x = 0; x < w; ++x)
            out[x] = qRgb(row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]);
        return;
    case Layout::RGB24:
        for (int x = 0; x < w; ++x)
            out[x] = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
        return;
    case Layout::Pixels16:
        for (int x = 0; x < w; ++x) {
            const unsigned word = (unsigned{row[2 * x]} << 8) | row[2 * x + 1];
            out[x] =
                qRgb(expand5((word >> 10) & 31U), expand5((word >> 5) & 31U), expand5(word & 31U));
        }
        return;
    }
}

// How well a framing fits the data: rows that do not come out whole rule it out; packed rows
// that each fill their row to the byte are the strongest evidence, since data framed some
// other way hardly ever does that by chance.
enum class Fit : std::uint8_t { None, Loose, Exact };

Fit decodeRows(PictCursor& c, const RowShape& shape, Framing framing, QImage* image) {
    std::vector<std::uint8_t> row(shape.unpackedLength(framing.layout));
    const std::size_t needed = shape.needed(framing.layout);
    const bool words = framing.layout == Layout::Pixels16;
    bool exact = framing.rows != RowFraming::Raw;
    try {
        for (int y = 0; y < shape.height; ++y) {
            const std::uint8_t* pixels = nullptr;
            if (framing.rows == RowFraming::Raw) {
                if (shape.rawLength(framing.layout) < needed)
                    return Fit::None;
                pixels = c.take(shape.rawLength(framing.layout)).data();
            } else {
                const std::size_t count = framing.rows == RowFraming::WordCounts ? c.u16() : c.u8();
                const auto result = unpackBits(c.take(count), row, words);
                if (result.malformed || result.produced < needed)
                    return Fit::None;
                exact = exact && result.exact(count, row.size());
                pixels = row.data();
            }
            if (image != nullptr && shape.width > 0)
                storeRow(shape, framing.layout, pixels,
                         reinterpret_cast<QRgb*>(image->scanLine(y)));
        }
    } catch (const LException&) {
        return Fit::None;
    }
    return exact ? Fit::Exact : Fit::Loose;
}

RowFraming countRule(std::size_t rowBytes) {
    return rowBytes > 250 ? RowFraming::WordCounts : RowFraming::ByteCounts;
}

RowFraming otherCounts(RowFraming rule) {
    return rule == RowFraming::WordCounts ? RowFraming::ByteCounts : RowFraming::WordCounts;
}

// Candidate framings, the documented one first.
std::vector<Framing> framingsFor(const MapHeader& m, bool unpackedOpcode) {
    const RowFraming rule = countRule(m.rowBytes);
    const RowFraming other = otherCounts(rule);
    const bool narrow = m.rowBytes < 8;
    const bool direct = m.isPixMap && m.pixelSize >= 16;
    if (!direct) {
        if (narrow || unpackedOpcode)
            return {{RowFraming::Raw, Layout::Indexed},
                    {rule, Layout::Indexed},
                    {other, Layout::Indexed}};
        return {{rule, Layout::Indexed}, {other, Layout::Indexed}};
    }
    if (m.pixelSize == 16) {
        if (m.packType == 1)
            return {{RowFraming::Raw, Layout::Pixels16}};
        if (narrow)
            return {{RowFraming::Raw, Layout::Pixels16},
                    {rule, Layout::Pixels16},
                    {other, Layout::Pixels16}};
        return {{rule, Layout::Pixels16},
                {other, Layout::Pixels16},
                {RowFraming::Raw, Layout::Pixels16}};
    }
    switch (m.packType) {
    case 1:
        return {{RowFraming::Raw, Layout::Pixels32}};
    case 2:
        return {{RowFraming::Raw, Layout::RGB24}};
    case 4:
        if (narrow)
            return {{RowFraming::Raw, Layout::Pixels32},
                    {rule, Layout::Planes},
                    {other, Layout::Planes}};
        return {{rule, Layout::Planes}, {other, Layout::Planes}};
    default:
        return {{RowFraming::Raw, Layout::RGB24},
                {rule, Layout::Planes},
                {other, Layout::Planes},
                {RowFraming::Raw, Layout::Pixels32}};
    }
}

void checkShape(const MapHeader& m, RowShape& shape, const PictLimits& limits) {
    shape.width = m.bounds.width();
    shape.height = m.bounds.height();
    shape.rowBytes = m.rowBytes;
    if (shape.width < 0 || shape.height < 0 || shape.width > limits.maxSide ||
        shape.height > limits.maxSide)
        throwBadPicture();
    if (std::int64_t{shape.width} * shape.height * 4 > limits.maxPixelBytes)
        throwBadPicture();
    const bool direct = m.isPixMap && m.pixelSize >= 16;
    if (direct) {
        if (m.pixelSize != 16 && m.pixelSize != 32)
            throwBadPicture();
        const bool mayUsePlanes = m.packType != 1 && m.packType != 2;
        if (m.pixelSize == 32 && mayUsePlanes && m.cmpCount != 3 && m.cmpCount != 4)
            throwBadPicture();
        shape.cmpCount = m.cmpCount;
    } else {
        shape.pixelSize = m.isPixMap ? m.pixelSize : 1;
        if (shape.pixelSize != 1 && shape.pixelSize != 2 && shape.pixelSize != 4 &&
            shape.pixelSize != 8)
            throwBadPicture();
        if (shape.needed(Layout::Indexed) > shape.rowBytes)
            throwBadPicture();
    }
}

// Decodes the rows at the cursor and leaves the cursor after them.
void readPixelData(PictCursor& c, const RowShape& shape, const std::vector<Framing>& framings,
                   int version, QImage* image) {
    // Even packed rows take a byte each: refuse heights the data cannot hold before allocating.
    if (static_cast<std::size_t>(shape.height) > c.remaining())
        throwBadPicture();
    // Best: rows whole and the opcode stream goes on after them, exact packing first; then
    // rows that are merely whole.
    std::optional<std::size_t> best;
    Fit bestFit = Fit::None;
    std::optional<std::size_t> fallback;
    std::optional<std::size_t> lastDecoded; // whose pixels the image holds now
    PictCursor lastEnd = c;
    for (std::size_t i = 0; i < framings.size() && bestFit != Fit::Exact; ++i) {
        PictCursor trial = c;
        const Fit fit = decodeRows(trial, shape, framings[i], image);
        if (fit == Fit::None)
            continue;
        lastDecoded = i;
        lastEnd = trial;
        if (framings.size() == 1) {
            c = trial;
            return;
        }
        if (!fallback)
            fallback = i;
        if (fit > bestFit && opcodeStreamContinues(trial, version)) {
            best = i;
            bestFit = fit;
        }
    }
    const std::optional<std::size_t> chosen = best ? best : fallback;
    if (!chosen)
        throwBadPicture();
    if (chosen == lastDecoded) {
        c = lastEnd;
        return;
    }
    if (decodeRows(c, shape, framings[*chosen], image) == Fit::None)
        throwBadPicture();
}

void allocatePixels(PictBits& bits, const RowShape& shape) {
    if (shape.width == 0 || shape.height == 0)
        return;
    bits.pixels = QImage(shape.width, shape.height, QImage::Format_RGB32);
    if (bits.pixels.isNull())
        throw LException(kMemoryFull);
}

} // namespace

bool isBitsOpcode(std::uint16_t op) {
    return op == 0x0090 || op == 0x0091 || (op >= 0x0098 && op <= 0x009B);
}

PictBits readBits(PictCursor& c, std::uint16_t op, int version, const PictLimits& limits) {
    const bool direct = op == 0x009A || op == 0x009B;
    if (direct)
        c.skip(4); // base address
    const MapHeader m = readMapHeader(c);
    if (direct && (!m.isPixMap || m.pixelSize < 16))
        throwBadPicture();
    if (!direct && m.isPixMap && m.pixelSize > 8)
        throwBadPicture();

    Palette palette = bitMapPalette();
    if (!direct && m.isPixMap)
        palette = readColourTable(c);

    PictBits bits;
    bits.bounds = m.bounds;
    bits.isBitMap = !m.isPixMap;
    bits.srcRect = c.rect();
    bits.dstRect = c.rect();
    bits.mode = c.u16();
    if ((op & 1U) != 0) {
        bits.hasMask = true;
        bits.maskBox = readRegion(c);
    }

    RowShape shape;
    shape.palette = &palette;
    checkShape(m, shape, limits);
    allocatePixels(bits, shape);
    readPixelData(c, shape, framingsFor(m, op == 0x0090 || op == 0x0091), version,
                  bits.pixels.isNull() ? nullptr : &bits.pixels);
    return bits;
}

void skipPixPat(PictCursor& c) {
    const std::uint16_t patType = c.u16();
    c.skip(8); // one-bit pattern
    if (patType == 2) {
        c.skip(6);
        return;
    }
    if (patType != 1)
        throwBadPicture();
    const MapHeader m = readMapHeader(c);
    if (!m.isPixMap || m.pixelSize > 8)
        throwBadPicture();
    const Palette palette = readColourTable(c);
    RowShape shape;
    shape.palette = &palette;
    checkShape(m, shape, PictLimits{});
    readPixelData(c, shape, {framingsFor(m, false).front()}, 2, nullptr);
}

bool opcodeStreamContinues(PictCursor c, int version) {
    constexpr int kLookahead = 64;
    try {
        for (int i = 0; i < kLookahead; ++i) {
            const std::uint16_t op = readOpcode(c, version);
            if (op == kOpEndPicture || isBitsOpcode(op))
                return true;
            skipOperands(c, op, version);
        }
        return true;
    } catch (const LException&) {
        return false;
    }
}
