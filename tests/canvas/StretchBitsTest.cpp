#include "StretchBits.h"

#include "CGWorld.h"
#include "CopyBits.h"
#include "PictTestSupport.h"
#include "PixelAccess.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using picttest::rowOf;
using Px = std::vector<QRgb>;
constexpr QRgb kBlackPx = 0xFF000000u, kWhitePx = 0xFFFFFFFFu, W = kWhitePx;

QImage filled(int width, int height, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

// Every pixel a different colour: red from x, green from y.
QImage gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 10, y * 10, 99));
    return image;
}

Stretch wholeOnto(const QImage& source, const PixelBox& destination) {
    return Stretch{PixelBox::of(source), destination, PixelBox{-100000, -100000, 100000, 100000}};
}

TEST(StretchBits, EveryModeOnBlackAndWhiteSourcePixels) {
    constexpr QRgb d = 0xFF336699u;
    constexpr QRgb inverted = 0xFFCC9966u;
    constexpr QRgb fore = 0xFFFF0000u;
    constexpr QRgb back = 0xFF0000FFu;
    struct Expected {
        TransferMode mode;
        QRgb one;
        QRgb zero;
    };
    const Expected table[] = {
        {kSrcCopy, fore, back},    {kSrcOr, fore, d},         {kSrcXor, inverted, d},
        {kSrcBic, back, d},        {kNotSrcCopy, back, fore}, {kNotSrcOr, d, fore},
        {kNotSrcXor, d, inverted}, {kNotSrcBic, d, back},
    };
    const TransferColours colours{fore & 0xFFFFFFu, back & 0xFFFFFFu};
    QImage mono(2, 1, QImage::Format_Mono); // bits 1 0
    mono.fill(0);
    setMonoBits(mono.scanLine(0), 0, 1, true);
    QImage blackWhite = filled(2, 1, kWhitePx); // black, white
    blackWhite.setPixel(0, 0, kBlackPx);
    for (const Expected& e : table) {
        // Same size and doubled, from 1-bit and from 32-bit pixels: all one rule.
        for (const QImage* source : {&mono, &blackWhite}) {
            for (int scale : {1, 2}) {
                QImage dest = filled(2 * scale, 1, d);
                stretchBits(dest, *source, wholeOnto(*source, PixelBox{0, 0, 1, 2 * scale}), e.mode,
                            colours);
                EXPECT_EQ(rowOf(dest, 0),
                          scale == 1 ? (Px{e.one, e.zero}) : (Px{e.one, e.one, e.zero, e.zero}))
                    << "mode " << e.mode << " scale " << scale;
            }
        }
    }
}

TEST(StretchBits, OnlyPixelsWithASourceInsideTheImageAreWritten) {
    const QImage source = gradient(4, 4);
    // The source box reaches two pixels past each side of the 4-wide image.
    const PixelBox overhanging{0, -2, 4, 6};
    QImage same = filled(8, 4, kWhitePx);
    const Stretch sameSize{overhanging, PixelBox{0, 0, 4, 8}, PixelBox::of(same)};
    EXPECT_EQ(stretchedArea(same, source, sameSize), (PixelBox{0, 2, 4, 6}));
    EXPECT_EQ(stretchBits(same, source, sameSize, kSrcCopy, {}), (PixelBox{0, 2, 4, 6}));
    EXPECT_EQ(rowOf(same, 3), (Px{W, W, source.pixel(0, 3), source.pixel(1, 3), source.pixel(2, 3),
                                  source.pixel(3, 3), W, W}));

    QImage doubled = filled(16, 8, kWhitePx);
    const Stretch twice{overhanging, PixelBox{0, 0, 8, 16}, PixelBox{0, 5, 8, 16}};
    EXPECT_EQ(stretchBits(doubled, source, twice, kSrcCopy, {}), (PixelBox{0, 5, 8, 12}))
        << "clipped on the left, uncovered on the right";
    const QRgb a = source.pixel(0, 3), b = source.pixel(1, 3), c = source.pixel(2, 3),
               d = source.pixel(3, 3);
    EXPECT_EQ(rowOf(doubled, 7), (Px{W, W, W, W, W, a, b, b, c, c, d, d, W, W, W, W}));

    // An empty source and a clip off the image write nothing.
    QImage untouched = filled(4, 4, kWhitePx);
    for (const Stretch& none : {Stretch{{}, {0, 0, 4, 4}, {0, 0, 4, 4}},
                                Stretch{{0, 0, 4, 4}, {0, 0, 4, 4}, {4, 4, 9, 9}}})
        EXPECT_TRUE(stretchBits(untouched, source, none, kSrcCopy, {}).isEmpty());
    EXPECT_EQ(untouched, filled(4, 4, kWhitePx));
}

TEST(StretchBits, FastPathsMatchTheGeneralPath) {
    // A 32-bit ARGB destination never takes a fast path; the results must agree.
    const QImage colour = gradient(23, 5);
    QImage noiseMask(23, 5, QImage::Format_Mono);
    std::uint32_t s = 7;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 23; ++x) {
            s = s * 1664525u + 1013904223u;
            noiseMask.setPixel(x, y, (s >> 28) & 1u);
        }
    setMonoBits(noiseMask.scanLine(2), 0, 23, true); // whole bytes of ones too
    const TransferColours red{0xFF0000u, 0xFFFFFFu};
    struct Case {
        const QImage* source;
        TransferMode mode;
        TransferColours colours;
    };
    for (const Case& c : {Case{&colour, kSrcCopy, {}}, Case{&noiseMask, kSrcOr, red}}) {
        for (int shift : {0, 3, 9}) {
            const Stretch stretch{PixelBox::of(*c.source),
                                  PixelBox::of(*c.source).translated(shift, 1),
                                  PixelBox{0, 0, 8, 30}};
            QImage fast = gradient(30, 8);
            QImage general = fast.convertToFormat(QImage::Format_ARGB32);
            stretchBits(fast, *c.source, stretch, c.mode, c.colours);
            stretchBits(general, *c.source, stretch, c.mode, c.colours);
            EXPECT_EQ(fast, general.convertToFormat(QImage::Format_RGB32)) << "shift " << shift;
        }
    }
}

TEST(CopyBits, DeepSourcesAreColourisedAndShallowTargetsTakeTheNearestValue) {
    CGWorld source(Rect{0, 0, 1, 4}, 32);
    const QRgb pixels[] = {qRgb(0x33, 0x66, 0x99), qRgb(20, 20, 20), qRgb(230, 230, 230),
                           qRgb(250, 10, 10)};
    for (int x = 0; x < 4; ++x)
        source.image().setPixel(x, 0, pixels[x]);

    const auto copied = [&](int depth, RGBColour fore = kBlack, RGBColour back = kWhite) {
        auto world = std::make_unique<CGWorld>(source.getBounds(), depth);
        world->getPort()->foreColour = fore;
        world->getPort()->backColour = back;
        CopyBits(*source.getPixMap(), *world->getPort(), source.getBounds(), source.getBounds(),
                 kSrcCopy);
        return world;
    };
    EXPECT_EQ(copied(32, {0xFFFF, 0, 0}, {0, 0, 0xFFFF})->image().pixel(0, 0), qRgb(0xCC, 0, 0x99))
        << "(s & back) | (~s & fore)";
    EXPECT_EQ(copied(1)->pixel(1, 0), kBlack);
    EXPECT_EQ(copied(8)->pixel(3, 0), (RGBColour{0xFFFF, 0, 0})) << "nearest entry of the cube";
}

TEST(CopyBits, DamageCoversOnlyWhatWasWritten) {
    CGWorld source(Rect{0, 0, 4, 4}, 32);
    source.image().fill(kBlackPx);
    CGWorld screen(Rect{10, 10, 30, 30}, 32);
    GrafPort& port = *screen.getPort();
    port.clipRect = Rect{10, 10, 30, 18};
    // Source rectangle twice the buffer, doubled: only its first quarter has pixels.
    CopyBits(*source.getPixMap(), port, Rect{0, 0, 8, 8}, Rect{12, 12, 28, 28}, kSrcCopy);
    EXPECT_EQ(port.takeDamage(), QRect(12, 12, 6, 8));
    CopyBits(*source.getPixMap(), port, Rect{0, 0, 4, 4}, Rect{40, 40, 44, 44}, kSrcCopy);
    EXPECT_TRUE(port.takeDamage().isNull()) << "nothing visible, nothing damaged";
}

} // namespace
