#include "ResourceLayout.h"

#include <gtest/gtest.h>

namespace {

ResourceBytes bytesOf(std::initializer_list<int> values) {
    ResourceBytes bytes;
    for (const int v : values)
        bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

TEST(StringListLayout, CountThenPascalStrings) {
    EXPECT_EQ(EncodeStringList({"ab", "", "c"}),
              bytesOf({0x00, 0x03, 0x02, 'a', 'b', 0x00, 0x01, 'c'}));
    EXPECT_EQ(EncodeStringList({}), bytesOf({0x00, 0x00}));
    const auto decoded = DecodeStringList(EncodeStringList({"x", "yz"}));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, (std::vector<std::string>{"x", "yz"}));
}

TEST(StringListLayout, LongStringsAreCutWithoutSplittingACharacter) {
    // 254 ASCII bytes then a two-byte character: byte 255 would split it.
    const std::string text = std::string(254, 'a') + "\xC3\xA4" + "tail";
    const ResourceBytes bytes = EncodeStringList({text});
    ASSERT_EQ(bytes[2], 254);
    EXPECT_EQ(bytes.size(), 2u + 1u + 254u);
    const std::string exact(255, 'b');
    EXPECT_EQ(EncodeStringList({exact + "c"})[2], 255);
}

TEST(StringListLayout, ItemsAreReadOnlyWhenComplete) {
    const ResourceBytes bytes = EncodeStringList({"one", "two", "three"});
    EXPECT_EQ(StringListItem(bytes, 1), std::optional<LStr255>(LStr255("one")));
    EXPECT_EQ(StringListItem(bytes, 3), std::optional<LStr255>(LStr255("three")));
    EXPECT_FALSE(StringListItem(bytes, 0));
    EXPECT_FALSE(StringListItem(bytes, 4));
    EXPECT_FALSE(StringListItem(bytes, -1));

    ResourceBytes truncated = bytes;
    truncated.resize(truncated.size() - 1); // "three" loses its last byte
    EXPECT_TRUE(StringListItem(truncated, 2));
    EXPECT_FALSE(StringListItem(truncated, 3));
    EXPECT_FALSE(DecodeStringList(truncated));

    // A count far beyond the bytes: items past the end are missing, nothing is read beyond.
    const ResourceBytes lying = bytesOf({0xFF, 0xFF, 0x01, 'q'});
    EXPECT_EQ(StringListItem(lying, 1), std::optional<LStr255>(LStr255("q")));
    EXPECT_FALSE(StringListItem(lying, 2));
    EXPECT_FALSE(StringListItem(lying, 65535));
    EXPECT_FALSE(StringListItem(bytesOf({0x00}), 1));
}

TEST(VersionLayout, StandardBytes) {
    VersionRecord v;
    v.major = 1;
    v.minor = 0;
    v.bugfix = 2;
    v.stage = static_cast<std::uint8_t>(ReleaseStage::final);
    v.region = 3;
    v.shortVersion = "1.0.2";
    v.longVersion = "x";
    EXPECT_EQ(EncodeVersion(v),
              bytesOf({0x01, 0x02, 0x80, 0x00, 0x00, 0x03, 5, '1', '.', '0', '.', '2', 1, 'x'}));

    v.major = 12;
    v.minor = 3;
    v.bugfix = 4;
    v.stage = static_cast<std::uint8_t>(ReleaseStage::beta);
    v.prerelease = 7;
    v.region = -2;
    v.shortVersion.clear();
    v.longVersion.clear();
    const auto bytes = EncodeVersion(v);
    EXPECT_EQ(bytes, bytesOf({0x12, 0x34, 0x60, 0x07, 0xFF, 0xFE, 0, 0}));
    EXPECT_EQ(DecodeVersion(*bytes), v);
    const auto key = ReadVersionKey(*bytes);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->majorByte, 0x12);
    EXPECT_EQ(key->minorNibble, 3);
    EXPECT_EQ(key->region, -2);
}

TEST(VersionLayout, RefusesOutOfRangeAndShortRecords) {
    VersionRecord v;
    v.major = 100;
    EXPECT_FALSE(EncodeVersion(v));
    v.major = 1;
    v.minor = 10;
    EXPECT_FALSE(EncodeVersion(v));
    v.minor = 0;
    v.bugfix = -1;
    EXPECT_FALSE(EncodeVersion(v));

    EXPECT_FALSE(DecodeVersion(bytesOf({1, 0, 0x80, 0, 0, 0, 0})));         // no long string
    EXPECT_FALSE(DecodeVersion(bytesOf({1, 0, 0x80, 0, 0, 0, 3, 'a', 0}))); // short runs past
    EXPECT_FALSE(DecodeVersion(bytesOf({0x1A, 0, 0x80, 0, 0, 0, 0, 0})));   // not BCD
    EXPECT_FALSE(ReadVersionKey(bytesOf({1, 0, 0x80, 0, 0})));
}

} // namespace
