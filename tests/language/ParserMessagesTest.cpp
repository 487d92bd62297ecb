// Every parser message with the text range it selects.

#include "ParseTestSupport.h"

#include <new>
#include <string>

namespace {

struct ExpectedError {
    std::string text;
    int message;
    std::int32_t start;
    std::int32_t end;
    const char* shown = nullptr; // the message as shown, when it is more than the table's text
};

void PrintTo(const ExpectedError& e, std::ostream* os) {
    *os << '"' << e.text.substr(0, 40) << '"';
}

class ParserMessage : public EnglishVocabulary,
                      public ::testing::WithParamInterface<ExpectedError> {};

TEST_P(ParserMessage, StoresTheMessageAndSelectsItsRange) {
    const ExpectedError& expected = GetParam();
    const auto context = Parse(expected.text);
    EXPECT_FALSE(context->parseSucceeded);
    EXPECT_EQ(context->messageNumber, expected.message);
    EXPECT_EQ(context->errorMessage.view(),
              expected.shown ? expected.shown : ParserMessageText(expected.message).view());
    EXPECT_EQ(context->errorStart, expected.start);
    EXPECT_EQ(context->errorEnd, expected.end);
}

const std::string k256(256, 'w');
const std::string k256Digits(256, '4');

INSTANTIATE_TEST_SUITE_P(
    AllMessages, ParserMessage,
    ::testing::Values(
        // 3: a block word reaches 256 bytes; the 255 read so far are selected.
        ExpectedError{"forward 1\n" + k256, 3, 10, 265},
        // 4: a number argument reaches 256 digits.
        ExpectedError{"forward " + k256Digits, 4, 8, 263},
        ExpectedError{"font " + k256Digits, 4, 5, 260},
        // 5: an argument word or quoted text reaches 256 bytes.
        ExpectedError{"shape " + k256, 5, 6, 261}, ExpectedError{"write \"" + k256, 5, 7, 262},
        // 6: digits directly followed by a bracket.
        ExpectedError{"repeat 4[ forward 1 ]", 6, 7, 8},
        // 7: a single byte that is no digit, an unknown colour, nothing at all.
        ExpectedError{"colour q", 7, 7, 8}, ExpectedError{"colour purple", 7, 7, 13},
        ExpectedError{"colour", 7, 6, 6},
        // 8: a caret before the name that is no variable.
        ExpectedError{"forward x", 8, 8, 8}, ExpectedError{"back\n", 8, 4, 4},
        ExpectedError{"pensize", 9, 7, 7}, ExpectedError{"pensize -1", 10, 8, 10},
        ExpectedError{"pensize 101", 11, 8, 11}, ExpectedError{"speed -5", 12, 6, 8},
        ExpectedError{"speed 101", 13, 6, 9},
        // 13 also for a missing speed: its default of 600 fails the check.
        ExpectedError{"speed", 13, 5, 5}, ExpectedError{"delay -1", 14, 6, 8},
        ExpectedError{"delay 601", 15, 6, 9}, ExpectedError{"symmetry 5", 16, 9, 10},
        ExpectedError{"symmetry -1", 16, 9, 11}, ExpectedError{"repeat 0 [ ]", 17, 7, 8},
        ExpectedError{"repeat 1000001 [ ]", 18, 7, 14}, ExpectedError{"pen sideways", 19, 4, 12},
        ExpectedError{"pen", 19, 3, 3},
        // 20: the opening parenthesis one level past the bound.
        ExpectedError{std::string(201, '('), 20, 200, 201},
        // 2: an unknown word, named in the message.
        ExpectedError{"forward 10 Blah", 2, 11, 15, "Unknown word: blah"},
        ExpectedError{"write nothing", 2, 6, 6, "Unknown word: nothing"},
        ExpectedError{"textstyle Bold", 2, 10, 14, "Unknown word: Bold"},
        ExpectedError{"y = x + 1", 2, 4, 5, "Unknown word: x"},
        ExpectedError{"sq\nshape sq [ forward 1 ]", 2, 0, 2, "Unknown word: sq"}));

TEST_F(EnglishVocabulary, UnknownWordMessageIsCutAt255Bytes) {
    const auto context = Parse(std::string(250, 'z'));
    ASSERT_EQ(context->messageNumber, 2);
    EXPECT_EQ(context->errorMessage.length(), 255u);
    EXPECT_EQ(context->errorMessage.view().substr(0, 14), "Unknown word: ");
}

// Message 1 stands for any unexpected failure, such as memory running out mid-parse.
TEST_F(EnglishVocabulary, AFailureWhileParsingIsMessage1AtTheCurrentToken) {
    ParseHooks hooks;
    hooks.fontNumber = [](std::string_view) -> std::int16_t { throw std::bad_alloc(); };
    const auto context = Parse("forward 1\nfont Courier", hooks);
    EXPECT_FALSE(context->parseSucceeded);
    EXPECT_EQ(context->messageNumber, 1);
    EXPECT_EQ(context->errorMessage.view(), ParserMessageText(1).view());
    EXPECT_EQ(context->errorStart, 15);
    EXPECT_EQ(context->errorEnd, 15);
}

TEST_F(EnglishVocabulary, APendingPressCancelsWithoutAMessage) {
    int statements = 0;
    ParseHooks hooks;
    hooks.inputPending = [&statements] { return ++statements > 2; };
    const auto context = Parse("forward 1 right 2 forward 3", hooks);
    EXPECT_FALSE(context->parseSucceeded);
    EXPECT_EQ(context->messageNumber, 0);
    EXPECT_TRUE(context->errorMessage.empty());
    EXPECT_EQ(DescribeTree(*context), "1:1 4:2");
}

TEST_F(EnglishVocabulary, NothingIsParsedWhileARunIsInProgress) {
    ParseHooks hooks;
    hooks.runInProgress = [] { return true; };
    const auto context = Parse("forward 10 nonsense", hooks);
    EXPECT_TRUE(context->parseSucceeded);
    EXPECT_EQ(context->firstInstruction, nullptr);
}

} // namespace
