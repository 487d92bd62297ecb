#include "FourCharCode.h"

#include "MacRoman.h"

#include <gtest/gtest.h>

namespace {

TEST(FourCharCode, ReadsMacRomanCharactersAndHex) {
    EXPECT_EQ(ParseFourCharCode("STR#"), FourCharCode{0x53545223});
    EXPECT_EQ(ParseFourCharCode("L\xC3\xA5ng"), FourCharCode{0x4C8C6E67}); // 'Lång'
    EXPECT_EQ(ParseFourCharCode("0x4C8C6E67"), FourCharCode{0x4C8C6E67});
    EXPECT_EQ(ParseFourCharCode("0x00000000"), FourCharCode{0});
    EXPECT_EQ(ParseFourCharCode("0xffffffff"), FourCharCode{0xFFFFFFFF});
    EXPECT_EQ(ParseFourCharCode("0xAbCdEf09"), FourCharCode{0xABCDEF09});
    EXPECT_EQ(FourCC("Zorv"), FourCharCode{0x5A6F7276});
}

TEST(FourCharCode, RefusesWhatIsNotFourCharacters) {
    for (const char* bad :
         {"", "STR", "STR##", "0x1234567", "0x123456789", "0xZZZZZZZZ", "0x1234567G",
          "L\xC5\x82ng", // 'ł' has no Mac Roman byte
          "L\xC3ng",     // broken UTF-8
          "\xF0\x9F\x90\xA2xyz"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseFourCharCode(bad).has_value());
    }
}

TEST(FourCharCode, FormatsReadableCodesAsTextAndOthersAsHex) {
    EXPECT_EQ(FormatFourCharCode(0x4C8C6E67), "L\xC3\xA5ng");
    EXPECT_EQ(FormatFourCharCode(FourCC("vers")), "vers");
    EXPECT_EQ(FormatFourCharCode(0), "0x00000000");
    EXPECT_EQ(FormatFourCharCode(0x41420A43), "0x41420A43");
    for (const FourCharCode code : {0x4C8C6E67u, 0x00010203u, 0xF0FFCA7Fu, 0x20202020u}) {
        EXPECT_EQ(ParseFourCharCode(FormatFourCharCode(code)), code);
    }
}

TEST(MacRoman, EveryByteRoundTrips) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t cp = MacRomanToUnicode(static_cast<std::uint8_t>(byte));
        EXPECT_EQ(UnicodeToMacRoman(cp), static_cast<std::uint8_t>(byte)) << byte;
    }
    EXPECT_EQ(MacRomanToUnicode(0x8C), U'\u00E5');
    EXPECT_EQ(MacRomanToUnicode(0xDB), U'\u20AC');
    EXPECT_FALSE(UnicodeToMacRoman(U'\u0142').has_value());
}

} // namespace
