// Text conversion for alerts, line and column of errors, and keyword suggestions.

#include "TextConversion.h"

#include "ParseErrorReport.h"

#include <gtest/gtest.h>

TEST(TextConversion, CutsAtWholeCharactersNeverFailsAndPlacesAndSuggestsForErrors) {
    // The text, the bytes kept of it, whether it was cut.
    const std::tuple<std::u32string, std::size_t, bool> cases[] = {
        {std::u32string(255, U'a'), 255, false},        {std::u32string(256, U'a'), 255, true},
        {std::u32string(254, U'a') + U"ä", 254, true},  // two bytes do not fit in one
        {std::u32string(251, U'a') + U"🐢", 255, false}, // four bytes fill it exactly
        {std::u32string(252, U'a') + U"🐢b", 252, true},
    };
    for (const auto& [wide, bytes, cut] : cases) {
        SCOPED_TRACE(bytes);
        LStr255 out;
        EXPECT_EQ(WideToStr255(wide, out), cut);
        EXPECT_EQ(out.length(), bytes);
        EXPECT_EQ(ScriptTextToWide(out.view()),
                  wide.substr(0, ScriptTextToWide(out.view()).size()));
    }
    // Above U+FFFF passes whole; invalid UTF-8 becomes one character per byte.
    EXPECT_EQ(ScriptTextToWide("\xF0\x9F\x90\xA2"), U"🐢");
    EXPECT_EQ(*WideToScriptTextBlock(U"🐢"), "\xF0\x9F\x90\xA2");
    EXPECT_EQ(ScriptTextToWide("a\x80"), (std::u32string{U'a', 0x80}));
    EXPECT_EQ(ScriptTextToWide("a\xFF\xC3"), (std::u32string{U'a', 0xFF, 0xC3}));
    EXPECT_EQ(ScriptTextToWide("\xC0\xAF"), (std::u32string{0xC0, 0xAF})) << "overlong";
    EXPECT_EQ(ScriptTextToWide(""), U"");
    EXPECT_FALSE(WideToScriptTextBlock(std::u32string{0xD800}));

    std::u32string text = U"^0 and ^0";
    EXPECT_TRUE(ReplaceAll(U"^0", U"x^0", text));
    EXPECT_EQ(text, U"x^0 and x^0");
    EXPECT_FALSE(ReplaceAll(U"", U"x", text));

    // Parse error places and suggestions.
    EXPECT_EQ(PlaceOfByte("ab\ngrüße x", 10).line, 2);
    EXPECT_EQ(PlaceOfByte("ab\ngrüße x", 10).column, 6);
    EXPECT_EQ(PlaceOfByte("a\r\nb\rc", 5).line, 3);
    const std::pair<const char*, const char*> suggestions[] = {
        {"forwrd", "forward"}, {"REPAET", "repeat"}, {"lfet", "left"},
        {"zebra", ""},         {"zz", ""},           {"forward", ""}};
    for (const auto& [word, expected] : suggestions) {
        SCOPED_TRACE(word);
        EXPECT_EQ(ClosestKeyword(word), QString::fromUtf8(expected));
    }
}
