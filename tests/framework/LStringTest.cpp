#include "LString.h"

#include <gtest/gtest.h>

TEST(TString, StoresUpToCapacityAndCutsTheRestNeverSplittingAUtf8Character) {
    using Str4 = TString<unsigned char[4]>;
    TString<unsigned char[16]> s(std::string_view("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(s.view(), "abcdefghijklmno");
    EXPECT_EQ(s.pascal()[0], 15);
    // A two- or three-byte character straddling the cut is dropped whole.
    EXPECT_EQ(Str4(std::string_view("ab\xC3\xA4")).view(), "ab");
    EXPECT_EQ(Str4(std::string_view("a\xE2\x82\xAC")).view(), "a");
    EXPECT_EQ(Str4(std::string_view("ab\xE2\x82\xAC")).view(), "ab");

    Str4 appended;
    EXPECT_TRUE(appended.append(static_cast<unsigned char>('a')) && appended.append("bc"));
    EXPECT_FALSE(appended.append(static_cast<unsigned char>('d')));
    EXPECT_EQ(appended.view(), "abc");
    EXPECT_TRUE(appended == LStr255(std::string_view("abc")));
    EXPECT_FALSE(appended == LStr255(std::string_view("abC")));
}
