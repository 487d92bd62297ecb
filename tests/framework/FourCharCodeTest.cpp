#include "FourCharCode.h"

#include "MacRoman.h"

#include <gtest/gtest.h>

namespace {

TEST(FourCharCode, ReadsAndFormatsMacRomanCharactersAndHex) {
    EXPECT_EQ(ParseFourCharCode("0xAbCdEf09"), 0xABCDEF09u);
    // Readable codes as text, others as hex; either reads back.
    const std::uint32_t codes[] = {0x53545223u, 0x4C8C6E67u, 0x20202020u,
                                   0x2020207Fu, 0x2020201Fu, 0u};
    const char* texts[] = {"STR#", "L\xC3\xA5ng", "    ", "0x2020207F", "0x2020201F", "0x00000000"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(std::pair(FormatFourCharCode(codes[i]), ParseFourCharCode(texts[i])),
                  std::pair(std::string(texts[i]), std::optional(codes[i])));
    for (const char* bad : {"STR", "STR##", "0x1234567", "0x123456789", "0x1234567G",
                            "L\xC5\x82ng", // 'ł' has no Mac Roman byte
                            "L\xC3ng"})    // broken UTF-8
        EXPECT_FALSE(ParseFourCharCode(bad).has_value()) << bad;
}

TEST(MacRoman, EveryByteRoundTrips) {
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(UnicodeToMacRoman(MacRomanToUnicode(static_cast<std::uint8_t>(byte))), byte);
    EXPECT_EQ(MacRomanToUnicode(0xDB), U'\u20AC');
}

} // namespace
