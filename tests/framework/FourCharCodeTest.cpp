#include "FourCharCode.h"

#include "MacRoman.h"

#include <gtest/gtest.h>

namespace {

TEST(FourCharCode, ReadsAndFormatsMacRomanCharactersAndHex) {
    for (const auto& [text, code] : {std::pair{"STR#", 0x53545223u},
                                     {"L\xC3\xA5ng", 0x4C8C6E67u},
                                     {"0x4C8C6E67", 0x4C8C6E67u},
                                     {"0x00000000", 0u},
                                     {"0xffffffff", 0xFFFFFFFFu},
                                     {"0xAbCdEf09", 0xABCDEF09u}})
        EXPECT_EQ(ParseFourCharCode(text), code) << text;
    EXPECT_EQ(FourCC("Zorv"), FourCharCode{0x5A6F7276});
    // Readable codes as text, others as hex; either reads back.
    for (const auto& [code, text] : {std::pair{0x4C8C6E67u, "L\xC3\xA5ng"},
                                     {FourCC("vers"), "vers"},
                                     {0x20202020u, "    "},
                                     {0u, "0x00000000"},
                                     {0x41420A43u, "0x41420A43"},
                                     {0x2020207Fu, "0x2020207F"},
                                     {0x2020201Fu, "0x2020201F"},
                                     {0x00010203u, "0x00010203"}}) {
        EXPECT_EQ(FormatFourCharCode(code), text);
        EXPECT_EQ(ParseFourCharCode(FormatFourCharCode(code)), code);
    }
}

TEST(FourCharCode, RefusesWhatIsNotFourCharacters) {
    for (const char* bad :
         {"", "STR", "STR##", "0x1234567", "0x123456789", "0xZZZZZZZZ", "0x1234567G",
          "L\xC5\x82ng", // 'ł' has no Mac Roman byte
          "L\xC3ng",     // broken UTF-8
          "\xF0\x9F\x90\xA2xyz"})
        EXPECT_FALSE(ParseFourCharCode(bad).has_value()) << bad;
}

TEST(MacRoman, EveryByteRoundTrips) {
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(UnicodeToMacRoman(MacRomanToUnicode(static_cast<std::uint8_t>(byte))), byte);
    EXPECT_EQ(MacRomanToUnicode(0x8C), U'\u00E5');
    EXPECT_EQ(MacRomanToUnicode(0xDB), U'\u20AC');
    EXPECT_FALSE(UnicodeToMacRoman(U'\u0142').has_value());
}

} // namespace
