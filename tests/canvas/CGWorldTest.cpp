#include "CGWorld.h"

#include "CanvasTestSupport.h"
#include "CopyBits.h"
#include "GWorldGuards.h"
#include "LException.h"
#include "PixelAccess.h"
#include "RectDrawing.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace canvas_test;

namespace {

constexpr Rect kSmall{0, 0, 20, 30};
class CGWorldTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCurrentPort(); }
    void TearDown() override { ResetCurrentPort(); }
};

TEST_F(CGWorldTest, AllocationMapsDepthsAndLeavesEmptyOrAbsurdAreasEmpty) {
    CGWorld world;
    EXPECT_EQ(world.getPixMap(), nullptr);
    for (const auto& [asked, depth] : {std::pair{32, 32}, {24, 24}, {7, 32}, {1, 1}}) {
        EXPECT_EQ(world.allocate(kSmall, asked), kNoError);
        EXPECT_EQ(world.depth(), depth) << asked;
    }
    EXPECT_EQ(world.image().format(), QImage::Format_Mono);
    // 8 bits: the 6 x 6 x 6 cube from white down (blue fastest), then 40 greys.
    const QList<QRgb> cube = CGWorld(kSmall, 8).image().colorTable();
    EXPECT_EQ(cube.size(), 256);
    EXPECT_EQ(cube[6], qRgb(255, 204, 255));
    EXPECT_EQ(mapGWorldDepth(-8), 32);
    EXPECT_EQ(mapGWorldDepth(16), 16);
    // Allocating again keeps one buffer with the new bounds.
    ASSERT_EQ(world.allocate(Rect{5, 6, 15, 26}, 32), kNoError);
    EXPECT_EQ(world.getBounds(), (Rect{5, 6, 15, 26}));
    EXPECT_EQ(world.image().size(), QSize(20, 10));
    EXPECT_EQ(world.allocate(Rect{-32768, -32768, 32767, 32767}, 32), kMemoryFull);
    EXPECT_FALSE(world.isValid());
    EXPECT_EQ(world.getBounds(), Rect{});
    ASSERT_EQ(world.allocate(kSmall, 32), kNoError);
    EXPECT_EQ(world.allocate(Rect{10, 10, 10, 50}, 32), kParamError);
    EXPECT_FALSE(world.isValid());
}

TEST_F(CGWorldTest, EraseColourFillsEveryPixelAndNoneLeavesThemAlone) {
    CGWorld world(kSmall, 32);
    world.image().fill(0xFF123456);
    { StGWorldDraw draw(world); }
    EXPECT_EQ(countOf(world, unpackRGB24(0x123456)), 600);
    { StGWorldDraw draw(world, kWhite); }
    EXPECT_EQ(countOf(world, kWhite), 600);
}

TEST_F(CGWorldTest, DrawGuardsTargetTheBufferAndRestoreThePortOnEveryWayOut) {
    CGWorld outer(kSmall, 32);
    CGWorld inner(kSmall, 32);
    CGWorld empty;
    GrafPort screen;
    SetPort(screen);
    {
        StGWorldDraw first(outer);
        EXPECT_EQ(&GetPort(), outer.getPort());
        {
            StGWorldDraw second(inner);
            EXPECT_EQ(&GetPort(), inner.getPort());
        }
        EXPECT_EQ(&GetPort(), outer.getPort());
        StGWorldDraw none(empty, kRed);
        EXPECT_FALSE(none.isActive());
        EXPECT_EQ(&GetPort(), outer.getPort());
    }
    EXPECT_EQ(&GetPort(), &screen);
    EXPECT_THROW(
        {
            StGWorldDraw draw(outer);
            StGWorldRestorer restorer;
            SetPort(*inner.getPort());
            throw std::runtime_error("stop");
        },
        std::runtime_error);
    EXPECT_EQ(&GetPort(), &screen);
}

TEST_F(CGWorldTest, DisposingTheCurrentWorldFallsBackToTheDefaultPort) {
    auto world = std::make_unique<CGWorld>(kSmall, 32);
    SetPort(*world->getPort());
    world.reset();
    EXPECT_EQ(GetPort().pixMap, nullptr);
    PaintRect(kSmall); // draws nowhere, and must not crash
}

TEST_F(CGWorldTest, CopyToPortIsNotTintedByThePortColours) {
    CGWorld source(kSmall, 32);
    CGWorld screen(kSmall, 32);
    for (int v = 0; v < 20; ++v)
        for (int h = 0; h < 30; ++h)
            source.image().setPixel(h, v, 0xFF000000u | std::uint32_t(h * 8) << 16 | v * 12);
    GrafPort& port = *screen.getPort();
    port.foreColour = kRed;
    port.backColour = RGBColour{0, 0, 0x8000};
    source.copyToPort(port, kSmall, kSrcCopy);
    EXPECT_EQ(screen.image(), source.image());
    EXPECT_EQ(port.foreColour, kRed); // put back after the copy
    screen.image().fill(0xFFFFFFFF);
    source.copyToPort(port, kSmall, kDitherCopy);
    EXPECT_EQ(screen.image(), source.image());
}

TEST_F(CGWorldTest, CopyToPortScalesAndClipsToTheDestination) {
    CGWorld source(Rect{0, 0, 2, 2}, 32);
    source.image().fill(0xFF000000);
    source.image().setPixel(1, 1, 0xFFFF0000);
    CGWorld screen(Rect{0, 0, 10, 10}, 32);
    { StGWorldDraw erase(screen, kWhite); }
    // Twice the size, partly outside the screen: only the inside is written.
    source.copyToPort(*screen.getPort(), Rect{6, 6, 10, 10}, kSrcCopy);
    EXPECT_EQ(describe(spansOf(screen, kBlack)), "6:[6,10) 7:[6,10) 8:[6,8) 9:[6,8) ");
    EXPECT_EQ(describe(spansOf(screen, kRed)), "8:[8,10) 9:[8,10) ");
    source.copyToPort(*screen.getPort(), Rect{-100, -100, 300, 300}, kSrcCopy);
    EXPECT_EQ(screen.pixel(0, 0), kBlack);
    EXPECT_EQ(screen.pixel(9, 9), kBlack); // still in the scaled first source pixel
}

TEST_F(CGWorldTest, OrModeColourisesAMaskAndLeavesZeroBitsAlone) {
    CGWorld mask(kSmall, 1);
    mask.image().fill(0);
    setMonoBits(mask.image().scanLine(3), 2, 17, true);
    CGWorld canvas(kSmall, 32);
    canvas.image().fill(0xFF00FF00);
    GrafPort& port = *canvas.getPort();
    port.foreColour = kRed;
    port.backColour = kWhite;
    EXPECT_EQ(CopyBits(*mask.getPixMap(), port, kSmall, kSmall, kSrcOr), kNoError);
    EXPECT_EQ(describe(spansOf(canvas, kRed)), "3:[2,17) ");
    EXPECT_EQ(countOf(canvas, kGreen), 600 - 15);
    // The same through the general path (a copy onto another offset) gives the same pixels.
    CGWorld shifted(Rect{0, 1, 20, 31}, 32);
    shifted.image().fill(0xFF00FF00);
    shifted.getPort()->foreColour = kRed;
    CopyBits(*mask.getPixMap(), *shifted.getPort(), kSmall, Rect{0, 1, 20, 31}, kSrcOr);
    EXPECT_EQ(shifted.image(), canvas.image());
    EXPECT_EQ(CopyBits(*mask.getPixMap(), port, kSmall, kSmall, 8), kParamError);
}

} // namespace
