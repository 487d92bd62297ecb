// Every parser message with the text range it selects.

#include "ParseTestSupport.h"

#include <new>
#include <string>

namespace {

TEST_F(EnglishVocabulary, EveryMessageIsStoredWithTheRangeItSelects) {
    const std::string k256(256, 'w');
    const std::string k256Digits(256, '4');
    const std::string longName(70, 'n');
    const struct {
        std::string text;
        int message;
        std::int32_t start, end;
        const char* shown = nullptr; // the message as shown, when it is more than the table's text
    } cases[] = {
        // 3: a block word reaches 256 bytes; the 255 read so far are selected.
        {"forward 1\n" + k256, 3, 10, 265},
        // 4: a number argument reaches 256 digits; 5: an argument word or quoted text 256 bytes.
        {"forward " + k256Digits, 4, 8, 263},
        {"font " + k256Digits, 4, 5, 260},
        {"shape " + k256, 5, 6, 261},
        {"write \"" + k256, 5, 7, 262},
        // 6: digits directly followed by a bracket.
        {"repeat 4[ forward 1 ]", 6, 7, 8},
        // 7: a single byte that is no digit (even where a variable has that name), an unknown
        // colour, nothing at all.
        {"colour q", 7, 7, 8},
        {"colour purple", 7, 7, 13},
        {"colour", 7, 6, 6},
        {"c = 3\ncolor c", 7, 12, 13},
        // 8: a caret before the name that is no variable.
        {"forward x", 8, 8, 8},
        {"back\n", 8, 4, 4},
        {"let\nforward", 8, 11, 11},
        {"pensize", 9, 7, 7},
        {"pensize -1", 10, 8, 10},
        {"pensize 101", 11, 8, 11},
        {"speed -5", 12, 6, 8},
        {"speed 101", 13, 6, 9},
        // 13 also for a missing speed: its default of 600 fails the check.
        {"speed", 13, 5, 5},
        {"delay -1", 14, 6, 8},
        {"delay 601", 15, 6, 9},
        {"symmetry 5", 16, 9, 10},
        {"symmetry -1", 16, 9, 11},
        {"repeat 0 [ ]", 17, 7, 8},
        {"repeat 1000001 [ ]", 18, 7, 14},
        {"pen sideways", 19, 4, 12},
        {"pen", 19, 3, 3},
        {"pen Up", 19, 4, 6}, // compared as typed
        // 20, the nesting bound, has its own deep inputs.
        // 2: an unknown word, named in the message.
        {"forward 10 Blah", 2, 11, 15, "Unknown word: blah"},
        {"write nothing", 2, 6, 6, "Unknown word: nothing"},
        {"textstyle Bold", 2, 10, 14, "Unknown word: Bold"},
        {"y = x + 1", 2, 4, 5, "Unknown word: x"},
        {"x\t= 1", 2, 0, 1, "Unknown word: x"}, // only spaces before the '=' of an assignment
        {"sq\nshape sq [ forward 1 ]", 2, 0, 2, "Unknown word: sq"},
        {"shape sq[ forward 1 ]\nsq", 2, 22, 24, "Unknown word: sq"}, // the name was "sq["
        // A cut name never matches.
        {"shape " + longName + " [ ]\n" + longName, 2, 81, 151, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const auto context = Parse(c.text);
        EXPECT_FALSE(context->parseSucceeded);
        EXPECT_EQ(context->messageNumber, c.message);
        if (c.shown || c.message != 2) {
            EXPECT_EQ(context->errorMessage.view(),
                      c.shown ? c.shown : ParserMessageText(c.message).view());
        }
        EXPECT_EQ(Offsets(context->errorStart, context->errorEnd), Offsets(c.start, c.end));
    }
    const auto cut = Parse(std::string(250, 'z'));
    EXPECT_EQ(cut->errorMessage.str(), "Unknown word: " + std::string(241, 'z'));
}

// Message 1 stands for any unexpected failure, such as memory running out mid-parse.
TEST_F(EnglishVocabulary, AFailureWhileParsingIsMessage1AtTheCurrentToken) {
    ParseHooks hooks;
    hooks.fontNumber = [](std::string_view) -> std::int16_t { throw std::bad_alloc(); };
    const auto context = Parse("forward 1\nfont Courier", hooks);
    EXPECT_FALSE(context->parseSucceeded);
    EXPECT_EQ(context->messageNumber, 1);
    EXPECT_EQ(context->errorMessage.view(), ParserMessageText(1).view());
    EXPECT_EQ(Offsets(context->errorStart, context->errorEnd), "15..15");
}

TEST_F(EnglishVocabulary, APendingPressCancelsAndNothingParsesDuringARun) {
    int statements = 0;
    ParseHooks hooks;
    hooks.inputPending = [&statements] { return ++statements > 2; };
    const auto context = Parse("forward 1 right 2 forward 3", hooks);
    EXPECT_FALSE(context->parseSucceeded);
    EXPECT_EQ(context->messageNumber, 0);
    EXPECT_TRUE(context->errorMessage.empty());
    EXPECT_EQ(DescribeTree(*context), "1:1 4:2");

    hooks = {};
    hooks.runInProgress = [] { return true; };
    const auto running = Parse("forward 10 nonsense", hooks);
    EXPECT_TRUE(running->parseSucceeded);
    EXPECT_EQ(running->firstInstruction, nullptr);
}

} // namespace
