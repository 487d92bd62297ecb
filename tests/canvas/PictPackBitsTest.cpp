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
        EXPECT_FALSE(result.malformed);
        EXPECT_EQ(result.produced, size);
        EXPECT_EQ(back, src);
    }
}

TEST(PackBits, StopsAtTheDestinationAndSkipsNoOps) {
    Bytes dst(3);
    const UnpackResult full = unpackBits(Bytes{0x80, 0xF9, 5, 0x80}, dst);
    EXPECT_FALSE(full.malformed);
    EXPECT_EQ(full.produced, 3U);
    EXPECT_EQ(dst, (Bytes{5, 5, 5}));

    Bytes longer(10, 0xEE);
    const UnpackResult partial = unpackBits(Bytes{1, 4, 6}, longer);
    EXPECT_EQ(partial.produced, 2U);
    EXPECT_EQ(longer[2], 0xEE) << "nothing is written past what was produced";
}

TEST(PackBits, ExactWhenSourceAndDestinationEndTogether) {
    Bytes dst(4);
    const Bytes fits{0xFE, 1, 0, 2};
    EXPECT_TRUE(unpackBits(fits, dst).exact(fits.size(), dst.size()));
    const Bytes surplus{0xFE, 1, 0, 2, 0, 3};
    const UnpackResult extra = unpackBits(surplus, dst);
    EXPECT_EQ(extra.consumed, 4U);
    EXPECT_FALSE(extra.exact(surplus.size(), dst.size()));
    const Bytes overlong{0xFC, 1};
    const UnpackResult over = unpackBits(overlong, dst);
    EXPECT_TRUE(over.overflowed);
    EXPECT_EQ(dst, (Bytes{1, 1, 1, 1}));
    EXPECT_FALSE(over.exact(overlong.size(), dst.size()));
}

TEST(PackBits, HostileRunsAreReportedNotOverread) {
    Bytes dst(64, 0);
    // Literal promising more bytes than remain.
    EXPECT_TRUE(unpackBits(Bytes{5, 1, 2}, dst).malformed);
    // A repeat flag with nothing to repeat.
    EXPECT_TRUE(unpackBits(Bytes{0xFE}, dst).malformed);
    // Word units: a repeat needs two bytes, a literal two per word.
    EXPECT_TRUE(unpackBits(Bytes{0xFE, 1}, dst, true).malformed);
    EXPECT_TRUE(unpackBits(Bytes{1, 1, 2, 3}, dst, true).malformed);
    // A destination of zero bytes takes nothing and reads nothing.
    Bytes none;
    EXPECT_EQ(unpackBits(Bytes{0x7F}, none).produced, 0U);
}

TEST(PackBits, WordUnitsRepeatWholeWords) {
    Bytes dst(8);
    const UnpackResult result = unpackBits(Bytes{0xFE, 0x12, 0x34, 0x00, 0xAB, 0xCD}, dst, true);
    EXPECT_FALSE(result.malformed);
    EXPECT_EQ(result.produced, 8U);
    EXPECT_EQ(dst, (Bytes{0x12, 0x34, 0x12, 0x34, 0x12, 0x34, 0xAB, 0xCD}));
}

} // namespace
