#include "PackBits.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>

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
    // flags: w word units, m malformed, o overflowed, e exact.
    const struct {
        Bytes src;
        std::size_t room;
        std::string flags;
        Bytes out; // the destination after, 0xEE where nothing was written
        std::size_t consumed;
    } cases[] = {
        {{0x80, 0xF9, 5, 0x80}, 3, "o", {5, 5, 5}, 3},
        {{1, 4, 6}, 4, "", {4, 6, 0xEE, 0xEE}, 3},
        {{0xFE, 1, 0, 2}, 4, "e", {1, 1, 1, 2}, 4},
        {{0xFE, 1, 0, 2, 0, 3}, 4, "", {1, 1, 1, 2}, 4},
        {{0xFC, 1}, 4, "o", {1, 1, 1, 1}, 2},
        {{0xFE, 1, 2, 0, 3, 4}, 8, "we", {1, 2, 1, 2, 1, 2, 3, 4}, 6},
        {{5, 1, 2}, 4, "m", Bytes(4, 0xEE), 3},
        {{0xFE}, 4, "m", Bytes(4, 0xEE), 1},
        {{0xFE, 1}, 4, "wm", Bytes(4, 0xEE), 2},
        {{1, 1, 2, 3}, 4, "wm", Bytes(4, 0xEE), 4},
        {{0x7F}, 0, "", {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Bytes dst(c.room, 0xEE);
        const auto has = [&](char flag) { return c.flags.find(flag) != std::string::npos; };
        const UnpackResult r = unpackBits(c.src, dst, has('w'));
        EXPECT_EQ(dst, c.out);
        EXPECT_EQ(r.produced, std::size_t(c.room - std::count(c.out.begin(), c.out.end(), 0xEE)));
        EXPECT_EQ((std::tuple{r.malformed, r.overflowed, r.exact(c.src.size(), c.room)}),
                  (std::tuple{has('m'), has('o'), has('e')}));
        EXPECT_TRUE(has('m') || r.consumed == c.consumed) << r.consumed;
    }
}

} // namespace
