#include "Tokeniser.h"

#include "ParseTestSupport.h"

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

// What a number reader reports: "number N", "word W" (the word looked at when it is no
// number) or "none", then where the scanner stands; on a result of 0 "error" with the message and
// the range it selects.
TEST_F(Tokeniser, NumberArgumentsSignsPeekedWordsAndErrors) {
    const std::pair<std::string, const char*> cases[] = {
        {" -12 x", "number -12 at 4"},
        {"12 [", "number 12 at 2"}, // a bracket after a blank
        {"-2147483648", "number -2147483648 at 11"},
        {std::string(254, '0') + "7", "number 7 at 255"},
        // With a blank after the sign the digits are only a word, looked at and left unread.
        {"- 12", "word 12 at 2"},
        {"  size+1", "word size at 2"},
        // A comment mark that began at the sign is whole again afterwards.
        {"--note", "none at 0"},
        {"%", "none at 0"},
        {"/ 2", "none at 0"},
        {"", "none at 0"},
        {"12[", "error 6 0..2"},
        {std::string(256, '1'), "error 4 0..255"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.substr(0, 20));
        Scanner s(text);
        LStr255 word;
        std::int32_t value = 0;
        bool isNumber = false;
        std::string got;
        if (ReadNumberArgument(s.context, value, s.cursor, s.remaining, isNumber, word) == 1) {
            got = isNumber       ? "number " + std::to_string(value)
                  : word.empty() ? "none"
                                 : "word " + word.str();
            got += " at " + std::to_string(s.context.currentOffset);
            s.expectInStep();
        } else {
            got = "error " + std::to_string(s.context.messageNumber) + ' ' +
                  Offsets(s.context.errorStart, s.context.errorEnd);
        }
        EXPECT_EQ(got, expected);
    }
}

} // namespace
