#include "Tokeniser.h"

#include "DecimalConversion.h"
#include "ParseTestSupport.h"

#include <climits>
#include <string>

namespace {

// A text with a scanner over it, as the parser drives the readers.
struct Scanner {
    explicit Scanner(std::string source)
        : text(std::move(source)), cursor(reinterpret_cast<TextCursor>(text.data())),
          remaining(static_cast<std::uint32_t>(text.size())) {}

    std::int32_t consumed() const {
        return static_cast<std::int32_t>(cursor - reinterpret_cast<TextCursor>(text.data()));
    }
    // The cursor, the remaining count and the current offset must always agree.
    void expectInStep() const {
        EXPECT_EQ(consumed(), context.currentOffset);
        EXPECT_EQ(static_cast<std::size_t>(consumed()) + remaining, text.size());
    }

    std::string text;
    TextCursor cursor;
    std::uint32_t remaining;
    ParseContext context;
};

class Tokeniser : public EnglishVocabulary {};

TEST_F(Tokeniser, SkipPassesBlanksLineEndsAndTheFourCommentMarks) {
    Scanner s(" \t-- one\n// two\r# three\r\n; four\n  word");
    EXPECT_EQ(SkipBlanksAndComments(s.context, s.cursor, s.remaining, nullptr), 0);
    EXPECT_EQ(s.consumed(), static_cast<std::int32_t>(s.text.find("word")));
    EXPECT_EQ(s.context.tokenStart, s.context.currentOffset);
    s.expectInStep();
}

TEST_F(Tokeniser, SingleMinusSlashOrMarkAtTheEndIsNoComment) {
    for (const char* text : {"-x", "/x", "-", "/", "x"}) {
        Scanner s(text);
        SkipBlanksAndComments(s.context, s.cursor, s.remaining, nullptr);
        EXPECT_EQ(s.consumed(), 0) << text;
    }
    Scanner comment("-- to the end");
    SkipBlanksAndComments(comment.context, comment.cursor, comment.remaining, nullptr);
    EXPECT_EQ(comment.remaining, 0u);
    EXPECT_EQ(comment.context.tokenStart, 13);
}

TEST_F(Tokeniser, AnAssignmentStopsTheSkipAtItsLineEndWithoutConsumingIt) {
    const CVariableInstruction assignment;
    Scanner s("  -- note\nnext");
    s.context.tokenStart = -1;
    EXPECT_EQ(SkipBlanksAndComments(s.context, s.cursor, s.remaining, &assignment), 1);
    EXPECT_EQ(s.consumed(), 9); // at the line end
    EXPECT_EQ(s.context.tokenStart, -1) << "the token start moves only on a result of 0";
    const CSubInstruction group;
    EXPECT_EQ(SkipBlanksAndComments(s.context, s.cursor, s.remaining, &group), 0);
    EXPECT_EQ(s.consumed(), 10);
}

TEST_F(Tokeniser, ReadWordRunsThroughBracketsAndStopsAtSeparators) {
    Scanner s("  [ab](c)=d e");
    LStr255 word;
    ASSERT_EQ(ReadWord(s.context, word, s.cursor, s.remaining), 1);
    EXPECT_EQ(word.view(), "[ab](c)");
    EXPECT_EQ(s.context.tokenStart, 2);
    EXPECT_EQ(s.consumed(), 9); // the '=' stays
    ASSERT_EQ(ReadWord(s.context, word, s.cursor, s.remaining), 1);
    EXPECT_TRUE(word.empty());
    for (const char separator : std::string(" \t\r\n=+-/%*")) {
        Scanner t(std::string("ab") + separator + "cd");
        ReadWord(t.context, word, t.cursor, t.remaining);
        EXPECT_EQ(word.view(), "ab") << int(separator);
        t.expectInStep();
    }
}

TEST_F(Tokeniser, ReadWordHolds255BytesAndFailsOnThe256th) {
    LStr255 word;
    Scanner fits(std::string(255, 'w') + " x");
    ASSERT_EQ(ReadWord(fits.context, word, fits.cursor, fits.remaining), 1);
    EXPECT_EQ(word.length(), 255u);

    Scanner tooLong(" " + std::string(256, 'w'));
    EXPECT_EQ(ReadWord(tooLong.context, word, tooLong.cursor, tooLong.remaining), 0);
    EXPECT_EQ(tooLong.context.messageNumber, kMsgTextTooLong);
    EXPECT_EQ(tooLong.context.errorStart, 1);
    EXPECT_EQ(tooLong.context.errorEnd, 256);
}

TEST_F(Tokeniser, QuotedTextSpansLinesAndMayLackItsClosingQuote) {
    LStr255 text;
    bool quoted = false;
    Scanner s("  \"two\nlines\" after");
    ASSERT_EQ(ReadQuotedText(s.context, text, s.cursor, s.remaining, quoted), 1);
    EXPECT_TRUE(quoted);
    EXPECT_EQ(text.view(), "two\nlines");
    EXPECT_EQ(s.context.tokenStart, 3);
    EXPECT_EQ(s.consumed(), 13);

    Scanner open("\"runs to the end");
    ASSERT_EQ(ReadQuotedText(open.context, text, open.cursor, open.remaining, quoted), 1);
    EXPECT_TRUE(quoted);
    EXPECT_EQ(text.view(), "runs to the end");
    EXPECT_EQ(open.remaining, 0u);

    Scanner none("   word");
    ASSERT_EQ(ReadQuotedText(none.context, text, none.cursor, none.remaining, quoted), 1);
    EXPECT_FALSE(quoted);
    EXPECT_EQ(none.consumed(), 3) << "the blanks stay consumed";

    Scanner tooLong("\"" + std::string(256, 'q') + "\"");
    EXPECT_EQ(ReadQuotedText(tooLong.context, text, tooLong.cursor, tooLong.remaining, quoted), 0);
    EXPECT_EQ(tooLong.context.messageNumber, kMsgTextTooLong);
}

struct NumberRead {
    int result;
    bool isNumber;
    std::int32_t value;
    std::string word;
    std::int32_t offset;
};

NumberRead readNumber(const std::string& text) {
    Scanner s(text);
    LStr255 word;
    NumberRead read{};
    read.result =
        ReadNumberArgument(s.context, read.value, s.cursor, s.remaining, read.isNumber, word);
    read.word = word.str();
    read.offset = s.context.currentOffset;
    s.expectInStep();
    return read;
}

TEST_F(Tokeniser, NumberArgumentSignsAndPeekedWords) {
    const NumberRead negative = readNumber(" -12 x");
    EXPECT_TRUE(negative.isNumber);
    EXPECT_EQ(negative.value, -12);
    EXPECT_EQ(negative.offset, 4);

    // With a blank after the sign the digits are only a word, looked at and left unread.
    const NumberRead spaced = readNumber("- 12");
    EXPECT_FALSE(spaced.isNumber);
    EXPECT_EQ(spaced.word, "12");
    EXPECT_EQ(spaced.offset, 2);

    const NumberRead name = readNumber("  size+1");
    EXPECT_EQ(name.result, 1);
    EXPECT_FALSE(name.isNumber);
    EXPECT_EQ(name.word, "size");
    EXPECT_EQ(name.offset, 2);

    // A comment mark that began at the sign is whole again afterwards.
    const NumberRead comment = readNumber("--note");
    EXPECT_FALSE(comment.isNumber);
    EXPECT_EQ(comment.offset, 0);
    EXPECT_TRUE(comment.word.empty());

    for (const char* text : {"%", "/ 2", ""}) {
        const NumberRead operatorNext = readNumber(text);
        EXPECT_FALSE(operatorNext.isNumber) << text;
        EXPECT_TRUE(operatorNext.word.empty()) << text;
        EXPECT_EQ(operatorNext.offset, 0) << text;
    }
}

TEST_F(Tokeniser, NumberArgumentRejectsNonDigitsAndOverlongNumbers) {
    Scanner bracket("12[");
    LStr255 word;
    std::int32_t value = 0;
    bool isNumber = false;
    EXPECT_EQ(ReadNumberArgument(bracket.context, value, bracket.cursor, bracket.remaining,
                                 isNumber, word),
              0);
    EXPECT_EQ(bracket.context.messageNumber, kMsgNumberNotDigits);
    EXPECT_EQ(bracket.context.errorStart, 0);
    EXPECT_EQ(bracket.context.errorEnd, 2);

    EXPECT_EQ(readNumber("12 [").value, 12);

    const NumberRead longest = readNumber(std::string(254, '0') + "7");
    EXPECT_EQ(longest.result, 1);
    EXPECT_EQ(longest.value, 7);

    Scanner tooLong(std::string(256, '1'));
    EXPECT_EQ(ReadNumberArgument(tooLong.context, value, tooLong.cursor, tooLong.remaining,
                                 isNumber, word),
              0);
    EXPECT_EQ(tooLong.context.messageNumber, kMsgNumberTooLong);
    EXPECT_EQ(tooLong.context.errorEnd, 255);
}

TEST_F(Tokeniser, DecimalConversionWrapsBeyond32Bits) {
    EXPECT_EQ(StringToNum("2147483647"), INT_MAX);
    EXPECT_EQ(StringToNum("2147483648"), INT_MIN);
    EXPECT_EQ(StringToNum("4294967296"), 0);
    EXPECT_EQ(StringToNum("4294967297"), 1);
    EXPECT_EQ(StringToNum(std::string(255, '9')), StringToNum(std::string(255, '9')));
    EXPECT_EQ(readNumber("-2147483648").value, INT_MIN);
    EXPECT_EQ(NumToString(INT_MIN), "-2147483648");
    EXPECT_EQ(NumToString(7), "7");
}

TEST_F(Tokeniser, LooksLikeAssignmentPassesSpacesOnly) {
    const auto looks = [](std::string_view text) {
        return LooksLikeAssignment(reinterpret_cast<TextCursor>(text.data()),
                                   static_cast<std::uint32_t>(text.size()));
    };
    EXPECT_TRUE(looks("   = 1"));
    EXPECT_TRUE(looks("=1"));
    EXPECT_FALSE(looks("\t= 1"));
    EXPECT_FALSE(looks("   "));
    EXPECT_FALSE(looks(" x = 1"));
}

TEST_F(Tokeniser, LowerCaseFoldsAsciiLettersOnly) {
    LStr255 word(std::string_view("MiXeD\xC3\x84Z@[`"));
    LowerCaseWord(word);
    EXPECT_EQ(word.view(), "mixed\xC3\x84z@[`");
}

// Block words as the parser forms them, seen through the nodes they become.
TEST_F(Tokeniser, CommentAfterAnOptionalNumberStaysWhole) {
    EXPECT_EQ(DescribeTree(*Parse("left -- turn a bit\nforward 10")), "3:90 1:10");
    // The comment is passed and the text's last byte still belongs to the number.
    EXPECT_EQ(DescribeTree(*Parse("left // turn\nforward 123")), "3:90 1:123");
}

TEST_F(Tokeniser, NameDirectlyFollowedByTwoMinusSignsIsFourWords) {
    const auto tight = Parse("x = 1\ny = 2\nz = x--y");
    ASSERT_TRUE(tight->parseSucceeded) << tight->errorMessage.str();
    EXPECT_EQ(Describe(tight->lastInstruction), "21:0@z[22:0@x 25:0 25:0 22:0@y]");

    const auto spaced = Parse("x = 1\nz = x --y");
    ASSERT_TRUE(spaced->parseSucceeded);
    EXPECT_EQ(Describe(spaced->lastInstruction), "21:0@z[22:0@x]");
}

} // namespace
