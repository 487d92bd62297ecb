#include "Tokeniser.h"

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

// An assignment stops the skip at its line end without consuming it; the token start moves
// only on a result of 0.
TEST_F(Tokeniser, SkipPassesBlanksLineEndsAndTheFourCommentMarks) {
    const CVariableInstruction assignment;
    const CSubInstruction group;
    const struct {
        const char* text;
        const CInstruction* parent;
        int result;
        std::int32_t consumed;
        std::int32_t tokenStart;
    } cases[] = {
        {" \t-- one\n// two\r# three\r\n; four\n  word", nullptr, 0, 34, 34},
        {"-- to the end", nullptr, 0, 13, 13},
        {"-x", nullptr, 0, 0, 0}, // a single minus, slash or mark is no comment
        {"/x", nullptr, 0, 0, 0},
        {"-", nullptr, 0, 0, 0},
        {"/", nullptr, 0, 0, 0},
        {"x", nullptr, 0, 0, 0},
        {"  -- note\nnext", &assignment, 1, 9, -1},
        {"  -- note\nnext", &group, 0, 10, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Scanner s(c.text);
        s.context.tokenStart = -1;
        EXPECT_EQ(SkipBlanksAndComments(s.context, s.cursor, s.remaining, c.parent), c.result);
        EXPECT_EQ(s.consumed(), c.consumed);
        EXPECT_EQ(s.context.tokenStart, c.tokenStart);
        s.expectInStep();
    }
}

TEST_F(Tokeniser, ReadWordRunsThroughBracketsAndStopsAtSeparators) {
    Scanner s("  [ab](c)=d e");
    LStr255 word;
    ASSERT_EQ(ReadWord(s.context, word, s.cursor, s.remaining), 1);
    EXPECT_EQ(word.view(), "[ab](c)");
    EXPECT_EQ(Offsets(s.context.tokenStart, s.consumed()), "2..9"); // the '=' stays
    ASSERT_EQ(ReadWord(s.context, word, s.cursor, s.remaining), 1);
    EXPECT_TRUE(word.empty());
    for (const char separator : std::string(" \t\r\n=+-/%*")) {
        Scanner t(std::string("ab") + separator + "cd");
        ReadWord(t.context, word, t.cursor, t.remaining);
        EXPECT_EQ(word.view(), "ab") << int(separator);
        t.expectInStep();
    }
    // 255 bytes fit; the 256th is the parser messages' case.
    Scanner fits(std::string(255, 'w') + " x");
    ASSERT_EQ(ReadWord(fits.context, word, fits.cursor, fits.remaining), 1);
    EXPECT_EQ(word.length(), 255u);
}

struct NumberRead {
    const char* what;
    std::string text;
    int result;
    bool isNumber;
    std::int32_t value;
    std::string word;    // the word looked at when it is no number
    std::int32_t offset; // where the scanner stands afterwards
    int message = 0;     // on a result of 0, with the range it selects
    std::int32_t errorStart = 0;
    std::int32_t errorEnd = 0;
};

TEST_F(Tokeniser, NumberArgumentsSignsPeekedWordsAndErrors) {
    const NumberRead cases[] = {
        {"a sign", " -12 x", 1, true, -12, "", 4},
        {"a bracket after a blank", "12 [", 1, true, 12, "", 2},
        {"the smallest number", "-2147483648", 1, true, INT_MIN, "", 11},
        {"255 digits", std::string(254, '0') + "7", 1, true, 7, "", 255},
        // With a blank after the sign the digits are only a word, looked at and left unread.
        {"a blank after the sign", "- 12", 1, false, 0, "12", 2},
        {"a name", "  size+1", 1, false, 0, "size", 2},
        // A comment mark that began at the sign is whole again afterwards.
        {"a comment", "--note", 1, false, 0, "", 0},
        {"an operator", "%", 1, false, 0, "", 0},
        {"a division", "/ 2", 1, false, 0, "", 0},
        {"nothing", "", 1, false, 0, "", 0},
        {"digits then a bracket", "12[", 0, false, 0, "", 2, kMsgNumberNotDigits, 0, 2},
        {"256 digits", std::string(256, '1'), 0, false, 0, "", 255, kMsgNumberTooLong, 0, 255},
    };
    for (const NumberRead& c : cases) {
        SCOPED_TRACE(c.what);
        Scanner s(c.text);
        LStr255 word;
        std::int32_t value = 0;
        bool isNumber = false;
        ASSERT_EQ(ReadNumberArgument(s.context, value, s.cursor, s.remaining, isNumber, word),
                  c.result);
        if (c.result == 0) {
            EXPECT_EQ(s.context.messageNumber, c.message);
            EXPECT_EQ(s.context.errorStart, c.errorStart);
            EXPECT_EQ(s.context.errorEnd, c.errorEnd);
            continue;
        }
        EXPECT_EQ(isNumber, c.isNumber);
        if (c.isNumber)
            EXPECT_EQ(value, c.value);
        else
            EXPECT_EQ(word.str(), c.word);
        EXPECT_EQ(s.context.currentOffset, c.offset);
        s.expectInStep();
    }
}

} // namespace
