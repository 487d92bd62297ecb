#include "PictReader.h"

#include "PictTestSupport.h"
#include "PictWriter.h"

#include <gtest/gtest.h>

namespace {

using namespace picttest;
using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<Bytes>;
using Px = std::vector<QRgb>;

constexpr QRgb W = 0xFFFFFFFFU, K = 0xFF000000U, R = 0xFFFF0000U, B = 0xFF0000FFU;

// An indexed PixMap copy (0098 / 0099) with source and destination the bounds.
void addIndexed(PictBuilder& b, const Rect& bounds, std::uint16_t pixelSize, std::uint16_t rowBytes,
                const Px& colours, const Rows& rows, bool device = false,
                std::uint16_t firstValue = 0) {
    b.op(0x0098).u16(0x8000 | rowBytes).rect(bounds).pixMapFields(0, 0, pixelSize, 1, pixelSize);
    b.colourTable(colours, device, firstValue).rect(bounds).rect(bounds).u16(0);
    b.packedRows(rows, false);
}

// A 32-bit direct copy with packType 4 and three planes.
void addDirect(PictBuilder& b, const Rect& bounds, const Rows& planeRows, const Rect& src,
               const Rect& dst) {
    b.op(0x009A).u32(0xFF).u16(0x8000 | (bounds.width() * 4)).rect(bounds);
    b.pixMapFields(4, 16, 32, 3, 8).rect(src).rect(dst).u16(64).packedRows(planeRows, false);
}

Bytes planesOf(const Px& pixels) {
    Bytes row;
    for (const int shift : {16, 8, 0})
        for (const QRgb p : pixels)
            row.push_back(static_cast<std::uint8_t>(p >> shift));
    return row;
}

TEST(PictReader, IndexedPixMapsAtEveryDepthUseTheirColourTables) {
    const Px c{R, qRgb(0, 255, 0), B, qRgb(9, 9, 9)};
    const std::pair<int, Bytes> cases[] = {{1, {0b01010101, 0, 0, 0, 0, 0, 0, 0}},
                                           {2, {0b00011011, 0b00011011, 0, 0, 0, 0, 0, 0}},
                                           {4, {0x01, 0x23, 0x01, 0x23, 0, 0, 0, 0}},
                                           {8, {0, 1, 2, 3, 0, 1, 2, 3}}};
    for (const auto& [depth, row] : cases) {
        PictBuilder b(rect(0, 0, 2, 8));
        addIndexed(b, rect(0, 0, 2, 8), depth, 8, c, {row, row});
        EXPECT_EQ(rowOf(decodePicture(b.end()).image, 1),
                  depth == 1 ? (Px{R, c[1], R, c[1], R, c[1], R, c[1]})
                             : (Px{R, c[1], B, c[3], R, c[1], B, c[3]}))
            << depth;
    }
    // Entry values 5 and 6: pixel 5 is the first colour, pixel 0 is missing (black); a device
    // table maps by position.
    const Px two{qRgb(1, 2, 3), qRgb(4, 5, 6)};
    PictBuilder b(rect(0, 0, 1, 8));
    addIndexed(b, rect(0, 0, 1, 8), 8, 8, two, {{5, 6, 0, 5, 5, 5, 5, 5}}, false, 5);
    EXPECT_EQ(rowOf(decodePicture(b.end()).image, 0),
              (Px{two[0], two[1], K, two[0], two[0], two[0], two[0], two[0]}));
    PictBuilder d(rect(0, 0, 1, 8));
    addIndexed(d, rect(0, 0, 1, 8), 8, 8, two, {{1, 0, 1, 0, 1, 0, 1, 0}}, true);
    EXPECT_EQ(rowOf(decodePicture(d.end()).image, 0),
              (Px{two[1], two[0], two[1], two[0], two[1], two[0], two[1], two[0]}));
}

TEST(PictReader, BitMapsDrawBlackOnesInTheForegroundColourByMode) {
    // 0090 with rowBytes 2: unpacked rows; 1 = foreground, 0 = background (red on blue when
    // coloured); srcOr leaves zero bits alone.
    const struct {
        std::uint16_t mode;
        bool colours;
        QRgb one, zero;
    } cases[] = {{0, false, K, W}, {0, true, R, B}, {1, true, R, W}, {4, false, W, K}};
    for (const auto& c : cases) {
        PictBuilder b(rect(0, 0, 2, 16));
        if (c.colours)
            b.op(0x001A).u16(0xFFFF).u16(0).u16(0).op(0x001B).u16(0).u16(0).u16(0xFFFF);
        b.op(0x0090).u16(2).rect(rect(0, 0, 2, 16)).rect(rect(0, 0, 2, 16)).rect(rect(0, 0, 2, 16));
        const QImage image =
            decodePicture(b.u16(c.mode).bytes({0xF0, 0x0F, 0xF0, 0x0F}).end()).image;
        for (const int y : {0, 1})
            EXPECT_EQ(rowOf(image, y), bitsRow("1111000000001111", c.one, c.zero)) << c.mode;
    }
}

TEST(PictReader, DirectPixelsInEveryPackType) {
    const Px row{qRgb(10, 20, 30), qRgb(40, 50, 60), qRgb(70, 80, 90), qRgb(1, 2, 3)};
    const Rect bounds = rect(0, 0, 1, 4);
    auto withPackType = [&](std::int16_t packType, std::int16_t pixelSize, std::int16_t cmpCount,
                            const Bytes& data, std::uint16_t rowBytes) {
        PictBuilder b(bounds);
        b.op(0x009A).u32(0xFF).u16(static_cast<std::uint16_t>(0x8000 | rowBytes)).rect(bounds);
        b.pixMapFields(packType, 16, pixelSize, cmpCount, pixelSize == 16 ? 5 : 8);
        b.rect(bounds).rect(bounds).u16(64).bytes(data);
        return rowOf(decodePicture(b.end()).image, 0);
    };
    // packType 1: pad byte, R, G, B; packType 2: R, G, B.
    EXPECT_EQ(withPackType(1, 32, 3, {0, 10, 20, 30, 0, 40, 50, 60, 0, 70, 80, 90, 0, 1, 2, 3}, 16),
              row);
    EXPECT_EQ(withPackType(2, 32, 3, {10, 20, 30, 40, 50, 60, 70, 80, 90, 1, 2, 3}, 16), row);

    // 16 bits: xRRRRRGGGGGBBBBB, five bits widened to eight; packType 3 packs words.
    const Px wide{R, qRgb(0, 255, 0), B, qRgb(132, 132, 132)};
    const Bytes words{0x7C, 0x00, 0x03, 0xE0, 0x00, 0x1F, 0x42, 0x10};
    EXPECT_EQ(withPackType(1, 16, 3, words, 8), wide);
    EXPECT_EQ(withPackType(3, 16, 3, {9, 0x03, 0x7C, 0x00, 0x03, 0xE0, 0x00, 0x1F, 0x42, 0x10}, 8),
              wide);
}

TEST(PictReader, SourceIsStretchedClippedAndMaskedOntoTheDestination) {
    // A 2 x 2 source doubled into 4 x 4 at h = 2, by nearest pixel.
    PictBuilder c(rect(0, 0, 4, 8));
    addDirect(c, rect(0, 0, 2, 2), Rows(2, planesOf({R, B})), rect(0, 0, 2, 2), rect(0, 2, 4, 6));
    const QImage stretched = decodePicture(c.end()).image;
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(rowOf(stretched, y), (Px{W, W, R, R, B, B, W, W})) << y;

    const Rows rows(4, planesOf(Px(8, R)));
    PictBuilder b(rect(0, 0, 4, 8));
    b.op(0x0001).u16(10).rect(rect(0, 0, 4, 4)); // clip to the left half
    addDirect(b, rect(0, 0, 4, 8), rows, rect(0, 0, 4, 8), rect(0, 0, 4, 8));
    const QImage clipped = decodePicture(b.end()).image;
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(rowOf(clipped, y), bitsRow("11110000", R)) << y;

    // 009B: the mask region (rows 1 and 2, columns 1 and 2) follows the mode.
    PictBuilder m(rect(0, 0, 4, 8));
    m.op(0x009B).u32(0xFF).u16(0x8000 | 32).rect(rect(0, 0, 4, 8)).pixMapFields(4, 16, 32, 3, 8);
    m.rect(rect(0, 0, 4, 8)).rect(rect(0, 0, 4, 8)).u16(0);
    m.u16(28)
        .rect(rect(1, 1, 3, 3))
        .bytes({0, 1, 0, 1, 0, 3, 0x7F, 0xFF, 0, 3, 0, 1, 0, 3, 0x7F, 0xFF, 0x7F, 0xFF});
    const QImage masked = decodePicture(m.packedRows(rows, false).end()).image;
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(rowOf(masked, y), bitsRow(y == 1 || y == 2 ? "01100000" : "00000000", R)) << y;
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
    EXPECT_EQ(rowOf(decodePicture(b.end()).image, 0),
              bitsRow("01010101", qRgb(200, 0, 0), qRgb(7, 7, 7)));
}

TEST(PictReader, Version1PicturesUseByteOpcodesWithoutAlignment) {
    // Size, frame (0, 0, 2, 16), version 1, a short comment, a clip, then BitsRect with
    // rowBytes 2, bounds, source, destination, mode, raw rows 80 01 and FF 01, and the end.
    const QByteArray hex = QByteArray::fromHex(
        "0000 0000000000020010 1101 a0 0082 01 000a 0000000000020010 90 0002 0000000000020010"
        "0000000000020010 0000000000020010 0000 8001 ff01 ff");
    const Bytes v1(hex.begin(), hex.end());
    const QImage image = decodePicture(v1).image;
    EXPECT_EQ(image.size(), QSize(16, 2));
    EXPECT_EQ(rowOf(image, 0), bitsRow("1000000000000001"));
    EXPECT_EQ(rowOf(image, 1), bitsRow("1111111100000001"));
}

TEST(PictReader, ExtendedHeaderAtHigherResolutionScalesIntoTheFrame) {
    // Frame 2 x 4 at 72 dpi; the opcodes address a 4 x 8 space at 144 dpi.
    const Rect space = rect(0, 0, 4, 8);
    PictBuilder b(rect(0, 0, 2, 4), 0x00900000, &space);
    addDirect(b, space, Rows(4, planesOf({R, R, B, B, R, R, B, B})), space, space);
    const QImage image = decodePicture(b.end()).image;
    EXPECT_EQ(image.size(), QSize(4, 2));
    EXPECT_EQ(rowOf(image, 1), (Px{R, B, R, B}));
}

TEST(PictReader, EveryTruncationIsAnErrorAndNoCrash) {
    QImage image = patternImage(70, 4);
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
        EXPECT_EQ(decodePicture(b.end()).status, kBadPictureData) << c.what;
    }
    // Missing end of picture, and a stream that is not a picture at all.
    EXPECT_EQ(decodePicture(PictBuilder(small).data()).status, kBadPictureData);
    EXPECT_EQ(decodePicture(Bytes(40, 0x41)).status, kBadPictureData);
    EXPECT_EQ(decodePicture(Bytes{}).status, kBadPictureData);
}

TEST(PictReader, ManyFullFrameStretchesExhaustTheWorkBudgetAndLimitsHold) {
    // 1 x 1 source stretched over a 4096 x 4096 frame 40 times: far more work than the data.
    const Rect frame = rect(0, 0, 4096, 4096);
    PictBuilder b(frame);
    for (int i = 0; i < 40; ++i) {
        b.op(0x0090).u16(2).rect(rect(0, 0, 1, 1)).rect(rect(0, 0, 1, 1)).rect(frame).u16(0);
        b.bytes({0x80, 0});
    }
    EXPECT_EQ(decodePicture(b.end()).status, kBadPictureData);
    // Tighter limits than the defaults hold too.
    const Bytes pict = recordPicture(patternImage(64, 64));
    EXPECT_EQ(decodePicture(pict, PictLimits{32, 1 << 20}).status, kBadPictureData);
    EXPECT_EQ(decodePicture(pict, PictLimits{64, 64 * 64 * 4}).status, 0);
}

} // namespace
