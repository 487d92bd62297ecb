#include "ResourceLayout.h"

#include <gtest/gtest.h>

namespace {

// Each item read alone, "-" where there is none.
std::vector<std::string> items(const ResourceBytes& bytes, std::initializer_list<int> indexes) {
    std::vector<std::string> found;
    for (const int index : indexes) {
        const auto item = StringListItem(bytes, index);
        found.push_back(item ? item->str() : "-");
    }
    return found;
}

TEST(StringListLayout, CountThenPascalStringsReadOnlyWhenComplete) {
    const ResourceBytes bytes = EncodeStringList({"ab", "", "c"});
    EXPECT_EQ(bytes, (ResourceBytes{0x00, 0x03, 0x02, 'a', 'b', 0x00, 0x01, 'c'}));
    EXPECT_EQ(EncodeStringList({}), (ResourceBytes{0x00, 0x00}));
    EXPECT_EQ(DecodeStringList(bytes), (std::vector<std::string>{"ab", "", "c"}));
    EXPECT_EQ(items(bytes, {-1, 0, 1, 2, 3, 4}),
              (std::vector<std::string>{"-", "-", "ab", "", "c", "-"}));

    ResourceBytes truncated = bytes;
    truncated.pop_back(); // "c" loses its last byte
    EXPECT_EQ(items(truncated, {2, 3}), (std::vector<std::string>{"", "-"}));
    EXPECT_FALSE(DecodeStringList(truncated));
    // A count far beyond the bytes: items past the end are missing, nothing is read beyond.
    EXPECT_EQ(items({0xFF, 0xFF, 0x01, 'q'}, {1, 2, 65535}),
              (std::vector<std::string>{"q", "-", "-"}));
    EXPECT_EQ(items({0x00}, {1}), std::vector<std::string>{"-"});
}

TEST(StringListLayout, LongStringsAreCutWithoutSplittingACharacter) {
    // 254 ASCII bytes then a two-byte character: byte 255 would split it.
    const ResourceBytes bytes = EncodeStringList({std::string(254, 'a') + "\xC3\xA4" + "tail"});
    EXPECT_EQ(bytes[2], 254);
    EXPECT_EQ(bytes.size(), 2u + 1u + 254u);
    EXPECT_EQ(EncodeStringList({std::string(256, 'b')})[2], 255);
}

TEST(VersionLayout, StandardBytesAndRefusals) {
    VersionRecord v;
    v.major = 12;
    v.minor = 3;
    v.bugfix = 4;
    v.stage = static_cast<std::uint8_t>(ReleaseStage::beta);
    v.prerelease = 7;
    v.region = -2;
    v.shortVersion = "1.0.2";
    v.longVersion = "x";
    const auto bytes = EncodeVersion(v);
    EXPECT_EQ(bytes, (ResourceBytes{0x12, 0x34, 0x60, 0x07, 0xFF, 0xFE, 5, '1', '.', '0', '.', '2',
                                    1, 'x'}));
    EXPECT_EQ(DecodeVersion(*bytes), v);
    const auto key = ReadVersionKey(*bytes);
    ASSERT_TRUE(key);
    EXPECT_EQ(std::tuple(key->majorByte, key->minorNibble, key->region), std::tuple(0x12, 3, -2));

    for (const auto& [field, bad] : {std::pair{&VersionRecord::major, 100},
                                     {&VersionRecord::minor, 10},
                                     {&VersionRecord::bugfix, -1}}) {
        VersionRecord out = v;
        out.*field = bad;
        EXPECT_FALSE(EncodeVersion(out)) << bad;
    }
    for (const ResourceBytes& broken :
         {ResourceBytes{1, 0, 0x80, 0, 0, 0, 0},         // no long string
          ResourceBytes{1, 0, 0x80, 0, 0, 0, 3, 'a', 0}, // short runs past
          ResourceBytes{0x1A, 0, 0x80, 0, 0, 0, 0, 0}})  // not BCD
        EXPECT_FALSE(DecodeVersion(broken));
    EXPECT_FALSE(ReadVersionKey({1, 0, 0x80, 0, 0}));
}

} // namespace
