#pragma once

// Big-endian byte access for picture data: a bounds-checked reading cursor and an appending sink.
// Every read past the end throws, so a lying length can never walk outside the buffer.

#include "Geometry.h"
#include "LException.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Status for picture data that is truncated, inconsistent or too large to draw.
constexpr std::int16_t kBadPictureData = -8969;

[[noreturn]] inline void throwBadPicture() {
    throw LException(kBadPictureData);
}

class PictCursor {
public:
    explicit PictCursor(std::span<const std::uint8_t> data) : mData(data) {}

    std::size_t position() const { return mPos; }
    std::size_t size() const { return mData.size(); }
    std::size_t remaining() const { return mData.size() - mPos; }
    bool atEnd() const { return mPos >= mData.size(); }

    void seek(std::size_t pos) {
        if (pos > mData.size())
            throwBadPicture();
        mPos = pos;
    }
    void skip(std::size_t n) {
        if (n > remaining())
            throwBadPicture();
        mPos += n;
    }
    // Opcodes start at even offsets; a trailing pad byte may be missing at the very end.
    void alignEven() {
        if ((mPos & 1U) != 0 && mPos < mData.size())
            ++mPos;
    }

    std::span<const std::uint8_t> take(std::size_t n) {
        if (n > remaining())
            throwBadPicture();
        const auto bytes = mData.subspan(mPos, n);
        mPos += n;
        return bytes;
    }
    std::span<const std::uint8_t> rest() const { return mData.subspan(mPos); }

    std::uint8_t u8() { return take(1)[0]; }
    std::uint16_t u16() {
        const auto b = take(2);
        return static_cast<std::uint16_t>((b[0] << 8) | b[1]);
    }
    std::uint32_t u32() {
        const auto b = take(4);
        return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) |
               (std::uint32_t{b[2]} << 8) | std::uint32_t{b[3]};
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    Rect rect() {
        Rect r;
        r.top = i16();
        r.left = i16();
        r.bottom = i16();
        r.right = i16();
        return r;
    }
    RGBColour rgb() {
        RGBColour c;
        c.red = u16();
        c.green = u16();
        c.blue = u16();
        return c;
    }

private:
    std::span<const std::uint8_t> mData;
    std::size_t mPos = 0;
};

class PictSink {
public:
    explicit PictSink(std::vector<std::uint8_t>& out) : mOut(out) {}

    std::size_t size() const { return mOut.size(); }
    void u8(std::uint8_t v) { mOut.push_back(v); }
    void u16(std::uint16_t v) {
        mOut.push_back(static_cast<std::uint8_t>(v >> 8));
        mOut.push_back(static_cast<std::uint8_t>(v));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v >> 16));
        u16(static_cast<std::uint16_t>(v));
    }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void rect(const Rect& r) {
        i16(r.top);
        i16(r.left);
        i16(r.bottom);
        i16(r.right);
    }
    void zeros(std::size_t n) { mOut.insert(mOut.end(), n, 0); }
    void padEven(std::size_t base = 0) {
        if (((mOut.size() - base) & 1U) != 0)
            mOut.push_back(0);
    }
    void patch16(std::size_t at, std::uint16_t v) {
        mOut[at] = static_cast<std::uint8_t>(v >> 8);
        mOut[at + 1] = static_cast<std::uint8_t>(v);
    }

private:
    std::vector<std::uint8_t>& mOut;
};
