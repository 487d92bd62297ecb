#include "PictReader.h"

#include "PictTestSupport.h"
#include "PictWriter.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<Bytes>;
using picttest::PictBuilder;
using picttest::rect;

constexpr QRgb kWhitePx = 0xFFFFFFFFU;
constexpr QRgb kBlackPx = 0xFF000000U;

// An indexed PixMap copy (0098 / 0099) with source and destination the bounds.
void addIndexed(PictBuilder& b, const Rect& bounds, int pixelSize, std::uint16_t rowBytes,
                const std::vector<QRgb>& colours, const Rows& rows, bool deviceTable = false,
                std::uint16_t firstValue = 0) {
    b.op(0x0098).u16(static_cast<std::uint16_t>(0x8000 | rowBytes)).rect(bounds);
    b.pixMapFields(0, 0, static_cast<std::int16_t>(pixelSize), 1,
                   static_cast<std::int16_t>(pixelSize));
    b.colourTable(colours, deviceTable, firstValue).rect(bounds).rect(bounds).u16(0);
    b.packedRows(rows, false);
}

// A 32-bit direct copy with packType 4 and three planes.
void addDirect(PictBuilder& b, const Rect& bounds, const Rows& planeRows, const Rect& src,
               const Rect& dst, std::int16_t cmpCount = 3) {
    b.op(0x009A).u32(0xFF).u16(static_cast<std::uint16_t>(0x8000 | (bounds.width() * 4)));
    b.rect(bounds).pixMapFields(4, 16, 32, cmpCount, 8).rect(src).rect(dst).u16(64);
    b.packedRows(planeRows, false);
}

Bytes planesOf(const std::vector<QRgb>& pixels) {
    Bytes row;
    for (const int shift : {16, 8, 0})
        for (const QRgb p : pixels)
            row.push_back(static_cast<std::uint8_t>(p >> shift));
    return row;
}

PictDecodeResult decode(const Bytes& pict) {
    return decodePicture(pict);
}

TEST(PictReader, IndexedPixMapsAtEveryDepthUseTheirColourTables) {
    const std::vector<QRgb> colours{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                    qRgb(9, 9, 9)};
    struct Case {
        int pixelSize;
        Bytes row; // pixels 0, 1, 2, 3, 0, 1, 2, 3
    };
    const std::vector<Case> cases{
        {1, {0b01010101, 0, 0, 0, 0, 0, 0, 0}},
        {2, {0b00011011, 0b00011011, 0, 0, 0, 0, 0, 0}},
        {4, {0x01, 0x23, 0x01, 0x23, 0, 0, 0, 0}},
        {8, {0, 1, 2, 3, 0, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        PictBuilder b(rect(0, 0, 2, 8));
        addIndexed(b, rect(0, 0, 2, 8), c.pixelSize, 8, colours, {c.row, c.row});
        const PictDecodeResult r = decode(b.end());
        ASSERT_EQ(r.status, 0) << c.pixelSize;
        const int levels = 1 << c.pixelSize;
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(r.image.pixel(x, 1),
                      colours[static_cast<std::size_t>(x % std::min(levels, 4))])
                << "depth " << c.pixelSize << " x " << x;
    }
}

TEST(PictReader, ColourTableValuesAndDeviceTablesMapPixelsTheirWay) {
    const std::vector<QRgb> colours{qRgb(1, 2, 3), qRgb(4, 5, 6)};
    // Entry values 5 and 6: pixel 5 is the first colour, pixel 0 is missing (black).
    PictBuilder b(rect(0, 0, 1, 8));
    addIndexed(b, rect(0, 0, 1, 8), 8, 8, colours, {{5, 6, 0, 5, 5, 5, 5, 5}}, false, 5);
    const PictDecodeResult r = decode(b.end());
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.image.pixel(0, 0), colours[0]);
    EXPECT_EQ(r.image.pixel(1, 0), colours[1]);
    EXPECT_EQ(r.image.pixel(2, 0), kBlackPx);

    PictBuilder d(rect(0, 0, 1, 8));
    addIndexed(d, rect(0, 0, 1, 8), 8, 8, colours, {{1, 0, 1, 0, 1, 0, 1, 0}}, true);
    const PictDecodeResult device = decode(d.end());
    ASSERT_EQ(device.status, 0);
    EXPECT_EQ(device.image.pixel(0, 0), colours[1]) << "a device table maps by position";
    EXPECT_EQ(device.image.pixel(1, 0), colours[0]);
}

TEST(PictReader, BitMapsDrawBlackOnesInTheForegroundColourByMode) {
    // 0090 with rowBytes 2: unpacked rows; 1 = foreground, 0 = background.
    auto picture = [](std::uint16_t mode, bool colours) {
        PictBuilder b(rect(0, 0, 2, 16));
        if (colours) {
            b.op(0x001A).u16(0xFFFF).u16(0).u16(0); // red foreground
            b.op(0x001B).u16(0).u16(0).u16(0xFFFF); // blue background
        }
        b.op(0x0090).u16(2).rect(rect(0, 0, 2, 16)).rect(rect(0, 0, 2, 16)).rect(rect(0, 0, 2, 16));
        b.u16(mode).bytes({0xF0, 0x0F, 0xF0, 0x0F});
        return decode(b.end());
    };
    const PictDecodeResult copy = picture(0, false);
    ASSERT_EQ(copy.status, 0);
    EXPECT_EQ(copy.image.pixel(0, 0), kBlackPx);
    EXPECT_EQ(copy.image.pixel(4, 0), kWhitePx);
    EXPECT_EQ(copy.image.pixel(15, 1), kBlackPx);

    const PictDecodeResult tinted = picture(0, true);
    EXPECT_EQ(tinted.image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(tinted.image.pixel(4, 0), qRgb(0, 0, 255));

    const PictDecodeResult orMode = picture(1, true);
    EXPECT_EQ(orMode.image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(orMode.image.pixel(4, 0), kWhitePx) << "srcOr leaves zero bits alone";

    const PictDecodeResult notCopy = picture(4, false);
    EXPECT_EQ(notCopy.image.pixel(0, 0), kWhitePx);
    EXPECT_EQ(notCopy.image.pixel(4, 0), kBlackPx);
}

TEST(PictReader, DirectPixelsInEveryPackType) {
    const std::vector<QRgb> row{qRgb(10, 20, 30), qRgb(40, 50, 60), qRgb(70, 80, 90),
                                qRgb(1, 2, 3)};
    const Rect bounds = rect(0, 0, 1, 4);
    auto withPackType = [&](std::int16_t packType, std::int16_t pixelSize, std::int16_t cmpCount,
                            const Bytes& data, std::uint16_t rowBytes) {
        PictBuilder b(bounds);
        b.op(0x009A).u32(0xFF).u16(static_cast<std::uint16_t>(0x8000 | rowBytes)).rect(bounds);
        b.pixMapFields(packType, 16, pixelSize, cmpCount, pixelSize == 16 ? 5 : 8);
        b.rect(bounds).rect(bounds).u16(64).bytes(data);
        return decode(b.end());
    };
    Bytes unpacked; // packType 1: pad byte, R, G, B
    Bytes dropped;  // packType 2: R, G, B
    Bytes alphaPlanes{0x80, 0x80, 0x80, 0x80};
    for (const QRgb p : row) {
        const auto rgb = {std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p))};
        unpacked.push_back(0);
        unpacked.insert(unpacked.end(), rgb);
        dropped.insert(dropped.end(), rgb);
    }
    const Bytes rgbPlanes = planesOf(row);
    alphaPlanes.insert(alphaPlanes.end(), rgbPlanes.begin(), rgbPlanes.end());
    Bytes packedAlpha{0};
    packBits(alphaPlanes, packedAlpha);
    packedAlpha[0] = static_cast<std::uint8_t>(packedAlpha.size() - 1);

    for (const auto& r : {withPackType(1, 32, 3, unpacked, 16), withPackType(2, 32, 3, dropped, 16),
                          withPackType(4, 32, 4, packedAlpha, 16)}) {
        ASSERT_EQ(r.status, 0);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(r.image.pixel(x, 0), row[static_cast<std::size_t>(x)]) << x;
    }

    // 16 bits: xRRRRRGGGGGBBBBB, five bits widened to eight; packType 3 packs words.
    const Bytes words{0x7C, 0x00, 0x03, 0xE0, 0x00, 0x1F, 0x42, 0x10};
    const Bytes packedWords{9, 0x03, 0x7C, 0x00, 0x03, 0xE0, 0x00, 0x1F, 0x42, 0x10};
    for (const auto& r :
         {withPackType(3, 16, 3, packedWords, 8), withPackType(1, 16, 3, words, 8)}) {
        ASSERT_EQ(r.status, 0);
        EXPECT_EQ(r.image.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(r.image.pixel(1, 0), qRgb(0, 255, 0));
        EXPECT_EQ(r.image.pixel(2, 0), qRgb(0, 0, 255));
        EXPECT_EQ(r.image.pixel(3, 0), qRgb(132, 132, 132));
    }
}

TEST(PictReader, SourceIsStretchedOntoTheDestinationByNearestPixel) {
    // A 2 x 2 source doubled into 4 x 4 at h = 2.
    const std::vector<QRgb> row{qRgb(255, 0, 0), qRgb(0, 0, 255)};
    PictBuilder c(rect(0, 0, 4, 8));
    addDirect(c, rect(0, 0, 2, 2), {planesOf(row), planesOf(row)}, rect(0, 0, 2, 2),
              rect(0, 2, 4, 6));
    const PictDecodeResult r = decode(c.end());
    ASSERT_EQ(r.status, 0);
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(r.image.pixel(1, y), kWhitePx);
        EXPECT_EQ(r.image.pixel(2, y), qRgb(255, 0, 0));
        EXPECT_EQ(r.image.pixel(3, y), qRgb(255, 0, 0));
        EXPECT_EQ(r.image.pixel(4, y), qRgb(0, 0, 255));
        EXPECT_EQ(r.image.pixel(5, y), qRgb(0, 0, 255));
        EXPECT_EQ(r.image.pixel(6, y), kWhitePx);
    }
}

TEST(PictReader, ClipAndMaskRegionsLimitTheCopy) {
    const std::vector<QRgb> red(8, qRgb(255, 0, 0));
    const Rows rows(4, planesOf(red));
    PictBuilder b(rect(0, 0, 4, 8));
    b.op(0x0001).u16(10).rect(rect(0, 0, 4, 4)); // clip to the left half
    addDirect(b, rect(0, 0, 4, 8), rows, rect(0, 0, 4, 8), rect(0, 0, 4, 8));
    const PictDecodeResult clipped = decode(b.end());
    ASSERT_EQ(clipped.status, 0);
    EXPECT_EQ(clipped.image.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(clipped.image.pixel(4, 0), kWhitePx);

    // 009B: the mask region follows the mode; its bounding box limits the copy.
    PictBuilder m(rect(0, 0, 4, 8));
    m.op(0x009B).u32(0xFF).u16(0x8000 | 32).rect(rect(0, 0, 4, 8)).pixMapFields(4, 16, 32, 3, 8);
    m.rect(rect(0, 0, 4, 8)).rect(rect(0, 0, 4, 8)).u16(0);
    m.u16(28)
        .rect(rect(1, 1, 3, 3))
        .bytes({0, 1, 0, 1, 0, 3, 0x7F, 0xFF, 0, 3, 0, 1, 0, 3, 0x7F, 0xFF, 0x7F, 0xFF});
    m.packedRows(rows, false);
    const PictDecodeResult masked = decode(m.end());
    ASSERT_EQ(masked.status, 0);
    EXPECT_EQ(masked.image.pixel(0, 0), kWhitePx);
    EXPECT_EQ(masked.image.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(masked.image.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(masked.image.pixel(3, 3), kWhitePx);
}

// Every kind of opcode a reader must step over, then one pixel copy that must land right.
TEST(PictReader, StepsOverEveryOpcodeItDoesNotDraw) {
    PictBuilder b(rect(0, 0, 1, 8));
    b.op(0x0000).op(0x001E).op(0x0002).zeros(8).op(0x0003).u16(4).op(0x0004).u8(1);
    b.op(0x0005).u16(0).op(0x0006).u32(0).op(0x0007).u32(0x00020002).op(0x0008).u16(8);
    b.op(0x0009).zeros(8).op(0x000A).zeros(8).op(0x000B).u32(0).op(0x000C).u32(0);
    b.op(0x000D).u16(12).op(0x0010).zeros(8).op(0x0015).u16(0).op(0x0016).u16(0);
    b.op(0x0017).op(0x001C).op(0x001D).zeros(6).op(0x001F).zeros(6);
    b.op(0x0020).zeros(8).op(0x0021).u32(0).op(0x0022).zeros(6).op(0x0023).u16(0);
    b.op(0x0024).u16(3).bytes({1, 2, 3});
    b.op(0x0028).u32(0).u8(3).bytes({'a', 'b', 'c'});
    b.op(0x0029).u8(1).u8(2).bytes({'h', 'i'});
    b.op(0x002B).u8(1).u8(1).u8(1).bytes({'x'});
    b.op(0x002C).u16(5).bytes({1, 2, 3, 4, 5});
    b.op(0x0030).zeros(8).op(0x0038).op(0x0044).zeros(8).op(0x0051).zeros(8);
    b.op(0x0060).zeros(12).op(0x0068).zeros(4).op(0x0070).u16(14).rect(rect(0, 0, 1, 1)).u32(0);
    b.op(0x0081).u16(10).rect(rect(0, 0, 1, 1)).op(0x008C);
    b.op(0x0012).u16(2).zeros(8).zeros(6); // RGB pattern
    // Pixel pattern: 8 x 8 at 2 bits, rowBytes 2 (raw rows), two colours.
    b.op(0x0014).u16(1).zeros(8).u16(0x8002).rect(rect(0, 0, 8, 8)).pixMapFields(0, 0, 2, 1, 2);
    b.colourTable({qRgb(0, 0, 0), qRgb(1, 1, 1)}).zeros(16);
    b.op(0x0092).u16(2).u16(0).op(0x00A0).u16(100);
    b.op(0x00A1).u16(224).u16(3).bytes({1, 2, 3});
    b.op(0x00A2).u16(1).u8(0).op(0x00B0).op(0x00CF);
    b.op(0x00D0).u32(3).bytes({1, 2, 3});
    b.op(0x0100).u16(0).op(0x7F00).zeros(254).op(0x8000).op(0x80FF);
    b.op(0x8100).u32(5).bytes({1, 2, 3, 4, 5});
    b.op(0x8200).u32(71).zeros(71); // odd length: re-aligned after it
    b.op(0x8201).u32(50).zeros(50);
    b.op(0x0C00).zeros(24);
    addIndexed(b, rect(0, 0, 1, 8), 8, 8, {qRgb(7, 7, 7), qRgb(200, 0, 0)},
               {{0, 1, 0, 1, 0, 1, 0, 1}});
    const PictDecodeResult r = decode(b.end());
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.image.pixel(0, 0), qRgb(7, 7, 7));
    EXPECT_EQ(r.image.pixel(7, 0), qRgb(200, 0, 0));
}

TEST(PictReader, Version1PicturesUseByteOpcodesWithoutAlignment) {
    // Size, frame (0, 0, 2, 16), version 1, a short comment, a clip, then BitsRect with
    // rowBytes 2 and raw rows 80 01 and FF 01, and the end opcode FF.
    const Bytes v1{0,    0,    0,    0, 0, 0, 0,  2,  0, 16, 0x11, 0x01, 0xA0, 0x00, 0x82,
                   0x01, 0x00, 0x0A, 0, 0, 0, 0,  0,  2, 0,  16,   0x90, 0x00, 0x02, 0,
                   0,    0,    0,    0, 2, 0, 16, 0,  0, 0,  0,    0,    2,    0,    16,
                   0,    0,    0,    0, 0, 2, 0,  16, 0, 0,  0x80, 0x01, 0xFF, 0x01, 0xFF};
    const PictDecodeResult r = decode(v1);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.image.size(), QSize(16, 2));
    EXPECT_EQ(r.image.pixel(0, 0), kBlackPx);
    EXPECT_EQ(r.image.pixel(1, 0), kWhitePx);
    EXPECT_EQ(r.image.pixel(15, 0), kBlackPx);
    EXPECT_EQ(r.image.pixel(7, 1), kBlackPx);
    EXPECT_EQ(r.image.pixel(8, 1), kWhitePx);
}

TEST(PictReader, PlainVersion2HeaderAndFramesAwayFromTheOrigin) {
    PictBuilder b(rect(100, 200, 102, 208), false);
    b.op(0x0C00).u32(0xFFFFFFFF).zeros(20);
    addIndexed(b, rect(100, 200, 102, 208), 8, 8, {qRgb(1, 1, 1), qRgb(90, 90, 90)},
               {{1, 0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 1}});
    const PictDecodeResult r = decode(b.end());
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.image.size(), QSize(8, 2));
    EXPECT_EQ(r.image.pixel(0, 0), qRgb(90, 90, 90));
    EXPECT_EQ(r.image.pixel(0, 1), qRgb(1, 1, 1));
}

TEST(PictReader, ExtendedHeaderAtHigherResolutionScalesIntoTheFrame) {
    // Frame 2 x 4 at 72 dpi; the opcodes address a 4 x 8 space at 144 dpi.
    const Rect space = rect(0, 0, 4, 8);
    PictBuilder b(rect(0, 0, 2, 4), true, 0x00900000, &space);
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    const std::vector<QRgb> row{red, red, blue, blue, red, red, blue, blue};
    addDirect(b, space, Rows(4, planesOf(row)), space, space);
    const PictDecodeResult r = decode(b.end());
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.image.size(), QSize(4, 2));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(r.image.pixel(x, x % 2), x % 2 == 0 ? red : blue) << x;
}

TEST(PictReader, EmptyFrameDrawsNothingAndSucceeds) {
    PictBuilder b(rect(5, 5, 5, 40));
    addIndexed(b, rect(0, 0, 1, 8), 8, 8, {qRgb(1, 1, 1)}, {Bytes(8, 0)});
    const PictDecodeResult r = decode(b.end());
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.image.isNull());
    EXPECT_EQ(r.frame, rect(5, 5, 5, 40));
}

TEST(PictReader, EveryTruncationIsAnErrorAndNoCrash) {
    QImage image = picttest::patternImage(70, 4);
    const Bytes pict = recordPicture(image);
    for (std::size_t n = 0; n < pict.size(); ++n) {
        const PictDecodeResult r = decodePicture(std::span(pict.data(), n));
        EXPECT_NE(r.status, 0) << "prefix " << n;
        EXPECT_TRUE(r.image.isNull());
    }
    EXPECT_EQ(decodePicture(pict).status, 0);
}

TEST(PictReader, LyingAndAbsurdDataGiveErrors) {
    const Rect small = rect(0, 0, 4, 4);
    using Add = std::function<void(PictBuilder&)>;
    const auto none = [](PictBuilder&) {};
    const auto directOfSize = [&](std::int16_t pixelSize, std::int16_t cmpCount) -> Add {
        return [=](PictBuilder& b) {
            b.op(0x009A).u32(0xFF).u16(0x8000 | 16).rect(small);
            b.pixMapFields(4, 16, pixelSize, cmpCount, 8).rect(small).rect(small).u16(0);
        };
    };
    const struct {
        const char* what;
        Rect frame;
        Add add;
    } cases[] = {
        {"comment past the end", small, [](PictBuilder& b) { b.op(0x00A1).u16(0).u16(60000); }},
        {"long comment past the end", small, [](PictBuilder& b) { b.op(0x8200).u32(0xFFFFFFF0); }},
        {"region shorter than its header", small, [](PictBuilder& b) { b.op(0x0001).u16(4); }},
        {"polygon shorter than its header", small, [](PictBuilder& b) { b.op(0x0070).u16(3); }},
        {"frame too wide", rect(0, 0, 10, 16385), none},
        {"over 256 MiB of pixels", rect(0, 0, 16384, 16384), none},
        {"frame inside out", rect(10, 0, 0, 10), none},
        {"more rows than the data could hold", small,
         [&](PictBuilder& b) {
             b.op(0x0098).u16(0x8008).rect(rect(0, 0, 30000, 8));
             b.pixMapFields(0, 0, 8, 1, 8).colourTable({qRgb(0, 0, 0)});
             b.rect(small).rect(small).u16(0).bytes({1, 0, 0});
         }},
        {"literal past its row's count", small,
         [](PictBuilder& b) {
             addIndexed(b, rect(0, 0, 1, 8), 8, 8, {qRgb(0, 0, 0)}, {});
             b.bytes({3, 7, 1, 2});
         }},
        {"24-bit pixels", small, directOfSize(24, 3)},
        {"seven components", small, directOfSize(32, 7)},
    };
    for (const auto& c : cases) {
        PictBuilder b(c.frame);
        c.add(b);
        EXPECT_EQ(decode(b.end()).status, kBadPictureData) << c.what;
    }
    // Missing end of picture, and a stream that is not a picture at all.
    EXPECT_EQ(decode(PictBuilder(small).data()).status, kBadPictureData);
    EXPECT_EQ(decode(Bytes(40, 0x41)).status, kBadPictureData);
    EXPECT_EQ(decode(Bytes{}).status, kBadPictureData);
}

TEST(PictReader, ManyFullFrameStretchesExhaustTheWorkBudget) {
    // 1 x 1 source stretched over a 4096 x 4096 frame 40 times: far more work than the data.
    const Rect frame = rect(0, 0, 4096, 4096);
    PictBuilder b(frame);
    for (int i = 0; i < 40; ++i) {
        b.op(0x0090).u16(2).rect(rect(0, 0, 1, 1)).rect(rect(0, 0, 1, 1)).rect(frame).u16(0);
        b.bytes({0x80, 0});
    }
    EXPECT_EQ(decode(b.end()).status, kBadPictureData);
}

TEST(PictReader, LimitsCanBeTightened) {
    const Bytes pict = recordPicture(picttest::patternImage(64, 64));
    EXPECT_EQ(decodePicture(pict, PictLimits{32, 1 << 20}).status, kBadPictureData);
    EXPECT_EQ(decodePicture(pict, PictLimits{64, 64 * 64 * 4}).status, 0);
}

TEST(PictReader, FindsThePictureBehindTheHeaderOrWithout) {
    Bytes pict = recordPicture(picttest::patternImage(9, 2));
    EXPECT_EQ(pictureOffset(pict), 0);
    Bytes file = pict;
    file.insert(file.begin(), 512, 0xAB); // the header's contents do not matter
    EXPECT_EQ(pictureOffset(file), 512);
    EXPECT_EQ(decodePictureFileData(file).status, 0);
    EXPECT_EQ(pictureOffset(Bytes(600, 0)), -1);
    EXPECT_EQ(decodePictureFileData(Bytes(600, 0)).status, kBadPictureData);
}

} // namespace
