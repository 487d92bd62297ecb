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
    EXPECT_EQ(DecodeStringList(bytes), (std::vector<std::string>{"ab", "", "c"}));
    EXPECT_EQ(items(bytes, {0, 1, 2, 3, 4}), (std::vector<std::string>{"-", "ab", "", "c", "-"}));
    ResourceBytes truncated = bytes;
    truncated.pop_back(); // "c" loses its last byte
    EXPECT_EQ(items(truncated, {2, 3}), (std::vector<std::string>{"", "-"}));
    EXPECT_FALSE(DecodeStringList(truncated));
    // A count far beyond the bytes: items past the end are missing, nothing is read beyond.
    EXPECT_EQ(items({0xFF, 0xFF, 0x01, 'q'}, {1, 2, 65535}),
              (std::vector<std::string>{"q", "-", "-"}));
    // 254 ASCII bytes then a two-byte character: byte 255 would split it.
    EXPECT_EQ(EncodeStringList({std::string(254, 'a') + "\xC3\xA4"}).size(), 2u + 1u + 254u);
}

// The readable form's bytes are checked through the resource file; here what that cannot show.
TEST(VersionLayout, KeyAndRefusals) {
    const auto key = ReadVersionKey({0x12, 0x34, 0x60, 0x07, 0xFF, 0xFE, 0, 0});
    ASSERT_TRUE(key);
    EXPECT_EQ(std::tuple(key->majorByte, key->minorNibble, key->region), std::tuple(0x12, 3, -2));
    EXPECT_FALSE(ReadVersionKey({1, 0, 0x80, 0, 0}));
    VersionRecord v;
    v.minor = 10;
    EXPECT_FALSE(EncodeVersion(v));
    for (const ResourceBytes& broken :
         {ResourceBytes{1, 0, 0x80, 0, 0, 0, 0},         // no long string
          ResourceBytes{1, 0, 0x80, 0, 0, 0, 3, 'a', 0}, // short runs past
          ResourceBytes{0x1A, 0, 0x80, 0, 0, 0, 0, 0}})  // not BCD
        EXPECT_FALSE(DecodeVersion(broken));
}

} // namespace
