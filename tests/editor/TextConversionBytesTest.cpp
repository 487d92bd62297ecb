// Bytes that are not UTF-8 become one character each, 0x80 (the first byte past ASCII) too.

#include "TextConversion.h"

#include <gtest/gtest.h>

TEST(TextConversionBytes, ALoneByteAboveAsciiStaysItsOwnCharacter) {
    EXPECT_EQ(ScriptTextToWide("a\x80"), (std::u32string{U'a', 0x80}));
}
