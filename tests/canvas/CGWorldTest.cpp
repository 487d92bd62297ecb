#include "CGWorld.h"

#include "CanvasTestSupport.h"
#include "CopyBits.h"
#include "GWorldGuards.h"
#include "LException.h"
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
    EXPECT_EQ(world.image().size(), QSize(20, 10));
    EXPECT_EQ(world.allocate(Rect{-32768, -32768, 32767, 32767}, 32), kMemoryFull);
    EXPECT_FALSE(world.isValid());
    EXPECT_EQ(world.getBounds(), Rect{});
    ASSERT_EQ(world.allocate(kSmall, 32), kNoError);
    EXPECT_EQ(world.allocate(Rect{10, 10, 10, 50}, 32), kParamError);
    EXPECT_FALSE(world.isValid());
}

TEST_F(CGWorldTest, DrawGuardsTargetTheBufferAndRestoreThePortOnEveryWayOut) {
    CGWorld outer(kSmall, 32), inner(kSmall, 32), empty;
    GrafPort screen;
    SetPort(screen);
    {
        StGWorldDraw first(outer);
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
    // Disposing the current world falls back to the default port, which draws nowhere.
    auto world = std::make_unique<CGWorld>(kSmall, 32);
    SetPort(*world->getPort());
    world.reset();
    EXPECT_EQ(GetPort().pixMap, nullptr);
    PaintRect(kSmall);
}

TEST_F(CGWorldTest, CopyToPortIsNotTintedByThePortColoursAndUnknownModesAreRefused) {
    CGWorld source(kSmall, 32), screen(kSmall, 32);
    for (int v = 0; v < 20; ++v)
        for (int h = 0; h < 30; ++h)
            source.image().setPixel(h, v, 0xFF000000u | std::uint32_t(h * 8) << 16 | v * 12);
    GrafPort& port = *screen.getPort();
    port.foreColour = kRed;
    port.backColour = RGBColour{0, 0, 0x8000};
    for (const TransferMode mode : {kSrcCopy, kDitherCopy}) {
        screen.image().fill(0xFFFFFFFF);
        source.copyToPort(port, kSmall, mode);
        EXPECT_EQ(screen.image(), source.image());
        EXPECT_EQ(port.foreColour, kRed); // put back after the copy
    }
    EXPECT_EQ(CopyBits(*source.getPixMap(), port, kSmall, kSmall, 8), kParamError);
}

} // namespace
