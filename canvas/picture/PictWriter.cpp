#include "PictWriter.h"

#include "PackBits.h"
#include "PictBytes.h"

#include <algorithm>

namespace {

constexpr std::uint32_t k72Dpi = 0x00480000;
constexpr std::uint16_t kDitherCopy = 64;
constexpr int kMaxCoordinate = 0x7FFF;

Rect bandRect(int left, int right, int height) {
    return Rect{0, static_cast<std::int16_t>(left), static_cast<std::int16_t>(height),
                static_cast<std::int16_t>(right)};
}

void writeDirectBitsHeader(PictSink& sink, const Rect& bounds, std::uint16_t rowBytes,
                           std::uint16_t packType) {
    sink.u16(0x009A);
    sink.u32(0x000000FF); // base address placeholder
    sink.u16(static_cast<std::uint16_t>(0x8000U | rowBytes));
    sink.rect(bounds);
    sink.u16(0); // pmVersion
    sink.u16(packType);
    sink.u32(0); // packSize
    sink.u32(k72Dpi);
    sink.u32(k72Dpi);
    sink.u16(16);      // RGBDirect
    sink.u16(32);      // pixelSize
    sink.u16(3);       // cmpCount
    sink.u16(8);       // cmpSize
    sink.zeros(12);    // planeBytes, pmTable, pmReserved
    sink.rect(bounds); // srcRect
    sink.rect(bounds); // dstRect
    sink.u16(kDitherCopy);
}

// One band's rows: R, G and B planes of a row packed as one stream behind its byte count.
void writePackedRows(std::vector<std::uint8_t>& out, const QImage& image, int left, int width,
                     std::uint16_t rowBytes) {
    const bool wideCounts = rowBytes > 250;
    std::vector<std::uint8_t> planes(static_cast<std::size_t>(width) * 3);
    std::vector<std::uint8_t> packed;
    packed.reserve(planes.size() + planes.size() / 64 + 8);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + left;
        auto* red = planes.data();
        auto* green = red + width;
        auto* blue = green + width;
        for (int x = 0; x < width; ++x) {
            red[x] = static_cast<std::uint8_t>(qRed(row[x]));
            green[x] = static_cast<std::uint8_t>(qGreen(row[x]));
            blue[x] = static_cast<std::uint8_t>(qBlue(row[x]));
        }
        packed.clear();
        packBits(planes, packed);
        PictSink sink(out);
        if (wideCounts)
            sink.u16(static_cast<std::uint16_t>(packed.size()));
        else
            sink.u8(static_cast<std::uint8_t>(packed.size()));
        out.insert(out.end(), packed.begin(), packed.end());
    }
}

// Rows shorter than 8 bytes are stored unpacked: one 32-bit pixel, pad byte first.
void writeRawRows(std::vector<std::uint8_t>& out, const QImage& image, int left) {
    PictSink sink(out);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb pixel = reinterpret_cast<const QRgb*>(image.constScanLine(y))[left];
        sink.u32(pixel & 0x00FFFFFFU);
    }
}

} // namespace

std::vector<std::uint8_t> recordPicture(const QImage& source) {
    if (source.isNull() || source.width() > kMaxCoordinate || source.height() > kMaxCoordinate)
        throw LException(kParamError);
    const QImage image = source.format() == QImage::Format_RGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const Rect frame = bandRect(0, width, height);

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3 / 2 + 256);
    PictSink sink(out);
    sink.u16(0); // size word, patched at the end
    sink.rect(frame);
    sink.u16(0x0011);
    sink.u16(0x02FF);
    sink.u16(0x0C00);
    sink.i16(-2);
    sink.u16(0);
    sink.u32(k72Dpi);
    sink.u32(k72Dpi);
    sink.rect(frame);
    sink.u32(0);
    // No DefHilite: it is optional, no reader needs it, and leaving it out keeps our files no
    // larger than other writers' for the same pixels.
    sink.u16(0x0001); // clip = frame
    sink.u16(10);
    sink.rect(frame);

    for (int left = 0; left < width; left += kMaxPictBandWidth) {
        const int bandWidth = std::min(kMaxPictBandWidth, width - left);
        const auto rowBytes = static_cast<std::uint16_t>(bandWidth * 4);
        const bool packed = rowBytes >= 8;
        writeDirectBitsHeader(sink, bandRect(left, left + bandWidth, height), rowBytes,
                              packed ? 4 : 1);
        if (packed)
            writePackedRows(out, image, left, bandWidth, rowBytes);
        else
            writeRawRows(out, image, left);
        sink.padEven();
    }
    sink.u16(0x00FF);
    sink.patch16(0, static_cast<std::uint16_t>(out.size() & 0xFFFFU));
    return out;
}
