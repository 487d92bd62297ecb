// The block-copy engine with arbitrary boxes, pixel formats, modes and colours, the source
// sometimes the destination itself: nothing may be read or written outside the images (the
// sanitizers watch), the area reported is inside the clip, the destination box and the image,
// and every pixel outside that area keeps its value.

#include "FuzzInput.h"
#include "StretchBits.h"

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Mostly near the images, sometimes as far as a picture's scaled coordinates reach.
int coordinate(FuzzInput& in) {
    return in.nearOr(220, [&in] { return static_cast<int>(in.word() % (1u << 31)) - (1 << 30); });
}

PixelBox box(FuzzInput& in) {
    return {coordinate(in), coordinate(in), coordinate(in), coordinate(in)}; // in this order
}

QImage makeImage(FuzzInput& in) {
    constexpr QImage::Format kFormats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                           QImage::Format_Mono, QImage::Format_Indexed8,
                                           QImage::Format_RGB888};
    const QImage::Format format = kFormats[in.byte() % 5];
    const int width = 1 + in.byte() % 40;
    QImage image(width, 1 + in.byte() % 40, format);
    // Indexed pixels take the top bits of the random value: two colours or four.
    const int indexBits = format == QImage::Format_Mono       ? 1
                          : format == QImage::Format_Indexed8 ? 2
                                                              : 0;
    if (indexBits == 1)
        image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    if (indexBits == 2)
        image.setColorTable({qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)});
    std::uint32_t s = in.word();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            s = s * 1664525u + 1013904223u;
            image.setPixel(x, y, indexBits != 0 ? s >> (32 - indexBits) : 0xFF000000u | (s >> 8));
        }
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    QImage dest = makeImage(in);
    const bool ontoItself = (in.byte() & 3) == 0;
    const QImage other = makeImage(in);
    const QImage& source = ontoItself ? dest : other;
    const Stretch stretch{box(in), box(in), box(in)};
    const auto mode = static_cast<TransferMode>(in.byte() % 8);
    TransferColours colours;
    if ((in.byte() & 1) == 0)
        colours = TransferColours{in.word() & 0xFFFFFFu, in.word() & 0xFFFFFFu};

    const QImage before = dest.copy();
    const PixelBox expected = stretchedArea(dest, source, stretch);
    const PixelBox written = stretchBits(dest, source, stretch, mode, colours);
    const PixelBox allowed =
        stretch.clip.intersected(stretch.destination).intersected(PixelBox::of(dest));
    if (!(written == expected) ||
        (!written.isEmpty() && !(written.intersected(allowed) == written)))
        std::abort();
    for (int y = 0; y < dest.height(); ++y)
        for (int x = 0; x < dest.width(); ++x)
            if (!(x >= written.left && x < written.right && y >= written.top &&
                  y < written.bottom) &&
                dest.pixel(x, y) != before.pixel(x, y))
                std::abort();
    return 0;
}
