#include "PictReader.h"

#include "PictOpcodes.h"
#include "PixelAccess.h"
#include "StretchBits.h"

namespace {

constexpr std::size_t kVersionOffset = 10;

// Floor division for the coordinate mapping; the divisor is positive.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// One-bit pixels take the picture's colours by their mode; colour pixels are copied.
TransferMode transferFor(std::uint16_t mode, bool isBitMap) {
    const unsigned base = mode & ~64U; // the dither flag makes no difference on 32 bits
    if (!isBitMap || base > kNotSrcBic)
        return kSrcCopy;
    return static_cast<TransferMode>(base);
}

class PictPlayer {
public:
    PictPlayer(std::span<const std::uint8_t> picture, const PictLimits& limits)
        : mCursor(picture), mLimits(limits) {}

    PictDecodeResult play() {
        PictDecodeResult result;
        try {
            readHeader(result.frame);
            playOpcodes();
        } catch (const LException& e) {
            return PictDecodeResult{static_cast<std::int16_t>(e.code()), result.frame, {}};
        }
        if (!mFrameIsEmpty)
            result.image = std::move(mCanvas);
        return result;
    }

private:
    void readHeader(Rect& frame) {
        mCursor.skip(2); // size word: meaningless beyond 32 KB
        mFrame = mCursor.rect();
        frame = mFrame;
        const int width = mFrame.width();
        const int height = mFrame.height();
        if (width < 0 || height < 0 || width > mLimits.maxSide || height > mLimits.maxSide ||
            std::int64_t{width} * height * 4 > mLimits.maxPixelBytes)
            throwBadPicture();
        readVersion();
        mSpace = mFrame;
        if (mVersion == 2)
            readExtendedHeader();
        mFrameIsEmpty = width == 0 || height == 0;
        if (mFrameIsEmpty)
            return;
        mCanvas = QImage(width, height, QImage::Format_RGB32);
        if (mCanvas.isNull())
            throw LException(kMemoryFull);
        mCanvas.fill(qRgb(255, 255, 255));
        mClip = PixelBox::of(mCanvas);
        // Enough for many full-frame copies, too little for a small file to keep us busy for long.
        mBudget = 16 * std::int64_t{width} * height + (std::int64_t{1} << 24);
    }

    void readVersion() {
        const std::uint8_t first = mCursor.u8();
        const std::uint8_t second = mCursor.u8();
        if (first == 0x11 && second == 0x01) {
            mVersion = 1;
            return;
        }
        if (first != 0x00 || second != 0x11 || mCursor.u16() != 0x02FF)
            throwBadPicture();
        mVersion = 2;
    }

    // An extended header's source rectangle is the coordinate space of the opcodes.
    void readExtendedHeader() {
        PictCursor peek = mCursor;
        if (peek.u16() != kOpHeader)
            return;
        mCursor = peek;
        const std::int16_t headerVersion = mCursor.i16();
        mCursor.skip(2 + 4 + 4); // reserved, hRes, vRes (or the fixed-point box)
        const Rect source = mCursor.rect();
        mCursor.skip(4);
        if (headerVersion == -2 && !source.isEmpty())
            mSpace = source;
    }

    void playOpcodes() {
        for (;;) {
            const std::uint16_t op = readOpcode(mCursor, mVersion);
            if (op == kOpEndPicture)
                return;
            if (isBitsOpcode(op)) {
                drawBits(readBits(mCursor, op, mVersion, mLimits));
                continue;
            }
            switch (op) {
            case kOpClip:
                mClip = toCanvas(readRegion(mCursor)).intersected(PixelBox::of(mCanvas));
                break;
            case kOpForeColour:
                mColours.fore = packRGB24(classicColour(mCursor.u32()));
                break;
            case kOpBackColour:
                mColours.back = packRGB24(classicColour(mCursor.u32()));
                break;
            case kOpRGBForeColour:
                mColours.fore = packRGB24(mCursor.rgb());
                break;
            case kOpRGBBackColour:
                mColours.back = packRGB24(mCursor.rgb());
                break;
            default:
                skipOperands(mCursor, op, mVersion);
                break;
            }
        }
    }

    // Picture coordinates to canvas pixels; the opcodes' space may be finer than the frame.
    static int mapCoordinate(int value, int spaceStart, int spaceExtent, int canvasExtent) {
        if (spaceExtent <= 0)
            return 0;
        return static_cast<int>(
            floorDiv((std::int64_t{value} - spaceStart) * canvasExtent, spaceExtent));
    }
    PixelBox toCanvas(const Rect& r) const {
        const int w = mCanvas.width();
        const int h = mCanvas.height();
        return PixelBox{.top = mapCoordinate(r.top, mSpace.top, mSpace.height(), h),
                        .left = mapCoordinate(r.left, mSpace.left, mSpace.width(), w),
                        .bottom = mapCoordinate(r.bottom, mSpace.top, mSpace.height(), h),
                        .right = mapCoordinate(r.right, mSpace.left, mSpace.width(), w)};
    }

    void drawBits(const PictBits& bits) {
        if (mFrameIsEmpty || bits.pixels.isNull())
            return;
        PixelBox clip = mClip;
        if (bits.hasMask)
            clip = clip.intersected(toCanvas(bits.maskBox));
        const Stretch stretch{
            PixelBox::of(bits.srcRect).translated(-bits.bounds.left, -bits.bounds.top),
            toCanvas(bits.dstRect), clip};
        if (stretch.source.isEmpty())
            return;
        mBudget -= stretch.destination.intersected(clip).intersected(PixelBox::of(mCanvas)).area();
        if (mBudget < 0)
            throwBadPicture();
        // Colour pixels are copied as they are, whatever the picture's colours.
        stretchBits(mCanvas, bits.pixels, stretch, transferFor(bits.mode, bits.isBitMap),
                    bits.isBitMap ? mColours : TransferColours{});
    }

    PictCursor mCursor;
    PictLimits mLimits;
    int mVersion = 2;
    Rect mFrame;
    Rect mSpace;
    bool mFrameIsEmpty = false;
    QImage mCanvas;
    PixelBox mClip;
    TransferColours mColours;
    std::int64_t mBudget = 0;
};

bool hasVersionAt(std::span<const std::uint8_t> file, std::size_t at) {
    if (file.size() < at + 2)
        return false;
    if (file[at] == 0x11 && file[at + 1] == 0x01)
        return true;
    return file.size() >= at + 4 && file[at] == 0x00 && file[at + 1] == 0x11 &&
           file[at + 2] == 0x02 && file[at + 3] == 0xFF;
}

} // namespace

PictDecodeResult decodePicture(std::span<const std::uint8_t> picture, const PictLimits& limits) {
    return PictPlayer(picture, limits).play();
}

int pictureOffset(std::span<const std::uint8_t> file) {
    if (hasVersionAt(file, kPictureFileHeaderSize + kVersionOffset))
        return static_cast<int>(kPictureFileHeaderSize);
    if (hasVersionAt(file, kVersionOffset))
        return 0;
    return -1;
}

PictDecodeResult decodePictureFileData(std::span<const std::uint8_t> file,
                                       const PictLimits& limits) {
    const int offset = pictureOffset(file);
    if (offset < 0)
        return PictDecodeResult{kBadPictureData, {}, {}};
    return decodePicture(file.subspan(static_cast<std::size_t>(offset)), limits);
}
