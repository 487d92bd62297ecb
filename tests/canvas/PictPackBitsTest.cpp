#include "PackBits.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes pack(const Bytes& src) {
    Bytes out;
    packBits(src, out);
    return out;
}

TEST(PackBits, EncodesRunsAndLiteralsAsTheRowFormatExpects) {
    EXPECT_EQ(pack({7, 7, 7, 7}), (Bytes{0xFD, 7}));
    EXPECT_EQ(pack({1, 2, 3}), (Bytes{2, 1, 2, 3}));
    // A pair inside a literal stays there; a run of three breaks it.
    EXPECT_EQ(pack({1, 2, 2, 3, 4, 4, 4}), (Bytes{3, 1, 2, 2, 3, 0xFE, 4}));
    EXPECT_EQ(pack(Bytes(128, 9)), (Bytes{0x81, 9}));
    EXPECT_EQ(pack(Bytes(129, 9)), (Bytes{0x81, 9, 0, 9}));
    EXPECT_TRUE(pack({}).empty());
}

TEST(PackBits, RoundTripsAndStaysWithinTheWorstCaseSize) {
    std::mt19937 random(42);
    for (int trial = 0; trial < 300; ++trial) {
        const std::size_t size = random() % 700;
        Bytes src(size);
        const unsigned alphabet = 1 + random() % 4 == 1 ? 2 : 256;
        for (auto& b : src)
            b = static_cast<std::uint8_t>(random() % alphabet);
        const Bytes packed = pack(src);
        EXPECT_LE(packed.size(), size + (size + 126) / 127);
        for (std::size_t i = 0; i < packed.size();) {
            ASSERT_NE(packed[i], 0x80) << "the no-op flag is never written";
            i += packed[i] < 0x80 ? packed[i] + 2U : 2U;
        }
        Bytes back(size);
        const UnpackResult result = unpackBits(packed, back);
        EXPECT_TRUE(result.exact(packed.size(), size) && !result.malformed);
        EXPECT_EQ(back, src);
    }
}

// Unpacking stops at the end of the destination, skips no-ops, repeats whole words in word units,
// and reports (never over-reads) blocks that promise more than there is.
TEST(PackBits, UnpacksWithinBothBuffersAndReportsHowItEnded) {
    const struct {
        Bytes src;
        std::size_t room;
        bool words;
        Bytes out; // the destination after, 0xEE where nothing was written
        std::size_t consumed;
        bool malformed, overflowed, exact;
    } cases[] = {
        {{0x80, 0xF9, 5, 0x80}, 3, false, {5, 5, 5}, 3, false, true, false},
        {{1, 4, 6}, 4, false, {4, 6, 0xEE, 0xEE}, 3, false, false, false},
        {{0xFE, 1, 0, 2}, 4, false, {1, 1, 1, 2}, 4, false, false, true},
        {{0xFE, 1, 0, 2, 0, 3}, 4, false, {1, 1, 1, 2}, 4, false, false, false},
        {{0xFC, 1}, 4, false, {1, 1, 1, 1}, 2, false, true, false},
        {{0xFE, 0x12, 0x34, 0x00, 0xAB, 0xCD},
         8,
         true,
         {0x12, 0x34, 0x12, 0x34, 0x12, 0x34, 0xAB, 0xCD},
         6,
         false,
         false,
         true},
        {{5, 1, 2}, 4, false, {0xEE, 0xEE, 0xEE, 0xEE}, 3, true, false, false},
        {{0xFE}, 4, false, {0xEE, 0xEE, 0xEE, 0xEE}, 1, true, false, false},
        {{0xFE, 1}, 4, true, {0xEE, 0xEE, 0xEE, 0xEE}, 2, true, false, false},
        {{1, 1, 2, 3}, 4, true, {0xEE, 0xEE, 0xEE, 0xEE}, 4, true, false, false},
        {{0x7F}, 0, false, {}, 0, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Bytes dst(c.room, 0xEE);
        const UnpackResult r = unpackBits(c.src, dst, c.words);
        EXPECT_EQ(dst, c.out);
        EXPECT_EQ(r.produced, std::size_t(std::count_if(c.out.begin(), c.out.end(),
                                                        [](std::uint8_t b) { return b != 0xEE; })));
        EXPECT_EQ(r.malformed, c.malformed);
        EXPECT_EQ(r.overflowed, c.overflowed);
        EXPECT_EQ(r.exact(c.src.size(), c.room), c.exact);
        EXPECT_TRUE(c.malformed || r.consumed == c.consumed) << r.consumed;
    }
}

} // namespace
