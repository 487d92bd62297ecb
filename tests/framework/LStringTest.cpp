#include "LString.h"

#include <gtest/gtest.h>

TEST(TString, StoresUpToCapacityAndCutsTheRest) {
    TString<unsigned char[16]> s(std::string_view("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(s.capacity(), 15u);
    EXPECT_EQ(s.length(), 15u);
    EXPECT_EQ(s.view(), "abcdefghijklmno");
    EXPECT_EQ(s.pascal()[0], 15);

    LStr255 big(std::string(300, 'x'));
    EXPECT_EQ(big.length(), 255u);
}

TEST(TString, CutNeverSplitsAUtf8Character) {
    // 14 ASCII bytes then a two-byte 'ä': the 16th byte would split it, so both bytes go.
    TString<unsigned char[16]> s(std::string_view("abcdefghijklmn\xC3\xA4"));
    EXPECT_EQ(s.view(), "abcdefghijklmn");
    // A three-byte character straddling the cut is dropped whole.
    TString<unsigned char[4]> t(std::string_view("a\xE2\x82\xAC"));
    EXPECT_EQ(t.view(), "a");
    TString<unsigned char[4]> u(std::string_view("ab\xE2\x82\xAC"));
    EXPECT_EQ(u.view(), "ab");
}

TEST(TString, AppendReportsFullness) {
    TString<unsigned char[4]> s;
    EXPECT_TRUE(s.append(static_cast<unsigned char>('a')));
    EXPECT_TRUE(s.append(std::string_view("bc")));
    EXPECT_TRUE(s.full());
    EXPECT_FALSE(s.append(static_cast<unsigned char>('d')));
    EXPECT_EQ(s.view(), "abc");
    s.clear();
    EXPECT_FALSE(s.append(std::string_view("wxyz")));
    EXPECT_EQ(s.view(), "wxy");
}

TEST(TString, ComparesByteForByteAcrossCapacities) {
    LStr255 a(std::string_view("Forward"));
    TString<unsigned char[28]> b(std::string_view("Forward"));
    TString<unsigned char[28]> c(std::string_view("forward"));
    EXPECT_TRUE(b == a);
    EXPECT_FALSE(c == a);
    LStr255 copy = b;
    EXPECT_EQ(copy.view(), "Forward");
}
