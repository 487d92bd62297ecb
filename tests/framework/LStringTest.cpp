#include "LString.h"

#include <gtest/gtest.h>

TEST(TString, StoresUpToCapacityAndCutsTheRestNeverSplittingAUtf8Character) {
    TString<unsigned char[16]> s(std::string_view("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(s.capacity(), 15u);
    EXPECT_EQ(s.view(), "abcdefghijklmno");
    EXPECT_EQ(s.pascal()[0], 15);
    EXPECT_EQ(LStr255(std::string(300, 'x')).length(), 255u);
    // 14 ASCII bytes then a two-byte 'ä': the 16th byte would split it, so both bytes go.
    EXPECT_EQ(TString<unsigned char[16]>(std::string_view("abcdefghijklmn\xC3\xA4")).view(),
              "abcdefghijklmn");
    // A three-byte character straddling the cut is dropped whole.
    EXPECT_EQ(TString<unsigned char[4]>(std::string_view("a\xE2\x82\xAC")).view(), "a");
    EXPECT_EQ(TString<unsigned char[4]>(std::string_view("ab\xE2\x82\xAC")).view(), "ab");
}

TEST(TString, AppendReportsFullnessAndComparesByteForByteAcrossCapacities) {
    TString<unsigned char[4]> s;
    EXPECT_TRUE(s.append(static_cast<unsigned char>('a')));
    EXPECT_TRUE(s.append(std::string_view("bc")));
    EXPECT_TRUE(s.full());
    EXPECT_FALSE(s.append(static_cast<unsigned char>('d')));
    EXPECT_EQ(s.view(), "abc");
    s.clear();
    EXPECT_FALSE(s.append(std::string_view("wxyz")));
    EXPECT_EQ(s.view(), "wxy");

    const TString<unsigned char[28]> b(std::string_view("Forward"));
    EXPECT_TRUE(b == LStr255(std::string_view("Forward")));
    EXPECT_FALSE(b == LStr255(std::string_view("forward")));
    EXPECT_EQ(LStr255(b).view(), "Forward");
}
