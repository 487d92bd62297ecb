// The parser: the trees it builds (nodes, numbers, bindings, nesting, text offsets), every
// message with the text range it selects, expression values, and inputs that would exhaust the
// stack of a naive parser, evaluator or destructor.

#include "Parser.h"

#include "Expressions.h"
#include "Instruction.h"
#include "LanguageTables.h"
#include "ParseContext.h"
#include "ResourceChain.h"

#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// Every parser test starts from the shipped English words, whatever another test loaded.
class Parser : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
    }
};

inline std::unique_ptr<ParseContext> Parse(std::string_view text, ParseHooks hooks = {}) {
    auto context = std::make_unique<ParseContext>(std::move(hooks));
    ParseProgram(*context, text);
    return context;
}

// One node as "code:number", then "@variable", "'shape name'", "->target#offset", "\"text\"" where
// they apply and "[children]" for nodes with an inner list; nodes separated by blanks.
inline std::string Describe(const CInstruction* first) {
    std::string out;
    for (const CInstruction* node = first; node; node = node->Next()) {
        out += out.empty() ? "" : " ";
        out += std::to_string(node->Code()) + ':' + std::to_string(node->Number());
        if (node->Variable())
            out += '@' + node->Variable()->name.str();
        if (const auto* shape = dynamic_cast<const CShapeInstruction*>(node))
            out += '\'' + shape->Name().str() + '\'';
        if (const auto* run = dynamic_cast<const CRunShapeInstruction*>(node); run && run->Target())
            out += "->" + run->Target()->Name().str() + '#' +
                   std::to_string(run->Target()->StartOffset());
        if (const auto* write = dynamic_cast<const CWriteInstruction*>(node))
            out += '"' + write->Text().str() + '"';
        if (dynamic_cast<const CSubInstruction*>(node))
            out += '[' + Describe(node->FirstChild()) + ']';
    }
    return out;
}

TEST_F(Parser, BuildsTheTreeOfEachText) {
    const std::pair<std::string, const char*> cases[] = {
        {"forward 10 back -5 left right 45", "1:10 2:-5 3:90 4:45"},
        {"PenSize 3 penup pendown clear erase home fill", "5:3 11:0 12:0 13:0 14:0 15:0 36:0"},
        {"delay\ndelay 0\nspeed 100 textsize\ntextsize 12", "7:600 7:0 8:100 34:0 34:12"},
        // Both keyword sets and both abbreviation lists, freely mixed.
        {"fd 1 fwd 2 forth 3 go 4 bk 5 backup 6 loop 2 [ rt 7 ]",
         "1:1 1:2 1:3 1:4 2:5 2:6 9:2[4:7]"},
        // Symmetry levels become image counts.
        {"symmetry 0 symmetry 1 symmetry 2 symmetry 3 symmetry 4 symmetry",
         "6:1 6:2 6:4 6:6 6:8 6:2"},
        {"colour 1 colour 2 colour 3 colour 4 colour 5", "10:3000 10:3004 10:3001 10:3002 10:3003"},
        {"colour 6 colour 7 colour 8 colour 9 colour 0", "10:3005 10:3006 10:3007 10:3008 10:3009"},
        {"colour RED pencolor grn setpc rainbow ink cycle", "10:3001 10:3002 10:3008 10:3008"},
        // Pen and text style words are compared as typed.
        {"pen up pen down setpen raised pen lowered", "18:1 18:0 18:1 18:0"},
        {"textstyle plain textstyle bold textstyle italic textstyle underline textstyle slanted",
         "35:0 35:1 35:2 35:4 35:2"},
        {"font Helvetica", "33:0"}, // no lookup: every name is font 0
        {"write \"Hello, World\" write 007 write -42",
         "32:0\"Hello, World\" 32:0\"7\" 32:0\"-42\""},
        // A variable as the argument (write finds it in any case).
        {"hue = 1\nsymmetry hue colour hue write HUE repeat hue [ right 1 ]",
         "21:0@hue[31:1] 6:1@hue 10:0@hue 32:0@hue\"\" 9:0@hue[4:1]"},
        // Quoted text spans lines and may lack its closing quote; numbers wrap beyond 32 bits.
        {"write \"two\nlines\" write \"open", "32:0\"two\nlines\" 32:0\"open\""},
        {"write -2147483648 forward 4294967297 back 2147483648",
         "32:0\"-2147483648\" 1:1 2:-2147483648"},
        {"MiXeD\xC3\x84Z = 1", "21:0@mixed\xC3\x84z[31:1]"}, // only A to Z are folded
        // A closing bracket at the top ends the program.
        {"forward 10 ] this is never read", "1:10"},
        // An assignment consumes a closing bracket on its line.
        {"repeat 2 [ x = 1 ]\nforward 5 ]\nright 3", "9:2[21:0@x[31:1] 1:5] 4:3"},
        // Brackets and parentheses do not pair; a missing ] runs to the end.
        {"repeat 2 [ forward 1 ) right 2", "9:2[1:1] 4:2"},
        {"x = (1 + 2] * 3", "21:0@x[29:0[31:1 24:0 31:2] 26:0 31:3]"},
        {"repeat 3 forward 1", "9:3[1:1]"},
        // Repeat without a count runs a million times from the word that stood there.
        {"repeat forward 10", "9:1000000[1:10]"},
        // Shapes are found once defined, at any depth.
        {"shape sq [ forward 1 sq ]", "16:1'sq'[1:1 17:0->sq#0]"},
        {"repeat 2 [ shape Tri [ left 1 ] ]\ntri", "9:2[16:1'tri'[3:1]] 17:0->tri#11"},
        {"shape sq[ forward 1 ]", "16:1'sq['[1:1]"}, // names run through brackets
        // The first definition in text order wins, even when nested.
        {"repeat 2 [ shape b [ shape a [ ] ] ]\nshape a [ ]\na b",
         "9:2[16:1'b'[16:1'a'[]]] 16:1'a'[] 17:0->a#21 17:0->b#11"},
        // Variables come from assignments, named case-insensitively, created before their
        // own expression is parsed.
        {"Len = 5\nforward LEN\nlet len = len + 1",
         "21:0@len[31:5] 1:0@len 21:0@len[22:0@len 24:0 31:1]"},
        {"x   =1\nforward x", "21:0@x[31:1] 1:0@x"}, // only spaces may come before the '='
        {"let x 5\nmake y = x * 2\nlet\nforward 1",
         "21:0@x[31:5] 21:0@y[22:0@x 26:0 31:2] 21:0[] 1:1"},
        // An assignment ends at its line, but a group inside it does not.
        {"x = (1 +\n2) * 3\nforward x", "21:0@x[29:0[31:1 24:0 31:2] 26:0 31:3] 1:0@x"},
        {"x = 1\n+ 2", "21:0@x[31:1] 24:0 31:2"},
        {"x = 1 -- note\r\nforward 2", "21:0@x[31:1] 1:2"},
        {" \t-- one\n// two\r# three\r\n; four\n  forward 1", "1:1"}, // the four comment marks
        {"x = 1 -", "21:0@x[31:1 25:0]"}, // a single minus at the end is no comment
        {"a=1\nb=a-a/a", "21:0@a[31:1] 21:0@b[22:0@a 25:0 22:0@a 27:0 22:0@a]"}, // no blanks
        {"forward " + std::string(254, '0') + "7", "1:7"},                       // 255 digits fit
        {"12 + 007 - 3 * 4 / 5 % 6", "31:12 24:0 31:7 25:0 31:3 26:0 31:4 27:0 31:5 28:0 31:6"},
        {"= [ (", "29:0[]"},
        // A comment after an optional number stays whole; the text's last byte still
        // belongs to the number.
        {"left -- turn a bit\nforward 10", "3:90 1:10"},
        // A name directly followed by two minus signs is four words.
        {"x = 1\ny = 2\nz = x--y\nw = x --y",
         "21:0@x[31:1] 21:0@y[31:2] 21:0@z[22:0@x 25:0 25:0 22:0@y] 21:0@w[22:0@x]"},
    };
    for (const auto& [text, tree] : cases) {
        SCOPED_TRACE(text);
        const auto context = Parse(text);
        EXPECT_TRUE(context->parseSucceeded) << context->errorMessage.str();
        EXPECT_EQ(Describe(context->firstInstruction.get()), tree);
    }
}

TEST_F(Parser, FontNamesAreLookedUpAsTyped) {
    std::string asked;
    ParseHooks hooks;
    hooks.fontNumber = [&asked](std::string_view name) -> std::int16_t {
        asked += std::string(name) + ';';
        return name == "Courier" ? 22 : 0;
    };
    // A word that is a variable binds it, after the font name lookup saw it.
    const auto context = Parse("f = 1\nfont 3 font Courier font courier font F", hooks);
    EXPECT_EQ(Describe(context->firstInstruction.get()), "21:0@f[31:1] 33:3 33:22 33:0 33:0@f");
    EXPECT_EQ(asked, "Courier;courier;F;");
}

TEST_F(Parser, NodesSpanTheirTextWithArguments) {
    const auto context = Parse("  forward 10\nrepeat 3 [ left ]\nx = 1\ny = x+1");
    ASSERT_TRUE(context->parseSucceeded);
    const CInstruction* repeat = context->firstInstruction->Next();
    const CInstruction* x = context->lastInstruction->FirstChild();
    const auto span = [](const CInstruction* n) {
        return std::to_string(n->StartOffset()) + ".." + std::to_string(n->EndOffset()) + ' ';
    };
    // Left spans its default and the blank; the + starts where x started.
    EXPECT_EQ(span(context->firstInstruction.get()) + span(repeat) + span(repeat->FirstChild()) +
                  span(x) + span(x->Next()) + span(x->Next()->Next()),
              "2..12 13..21 24..29 41..42 41..43 43..44 ");
}

TEST_F(Parser, EveryMessageIsStoredWithTheRangeItSelects) {
    const std::string k256(256, 'w');
    const std::string k256Digits(256, '4');
    const std::string longName(70, 'n');
    const struct {
        std::string text;
        int message;
        std::int32_t start, end;
        std::string shown = {}; // the message as shown, when it is more than the table's text
    } cases[] = {
        // 3: a block word reaches 256 bytes; the 255 read so far are selected.
        {"forward 1\n" + k256, 3, 10, 265},
        // 4: a number argument reaches 256 digits; 5: an argument word or quoted text 256 bytes.
        {"forward " + k256Digits, 4, 8, 263},
        {"shape " + k256, 5, 6, 261},
        {"write \"" + k256, 5, 7, 262},
        // 6: digits directly followed by a bracket.
        {"repeat 4[ forward 1 ]", 6, 7, 8},
        // 7: a single byte that is no digit, even where a variable has that name.
        {"colour purple", 7, 7, 13},
        {"c = 3\ncolor c", 7, 12, 13},
        // 8: a caret before the name that is no variable.
        {"forward x", 8, 8, 8},
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
        {"repeat 0 [ ]", 17, 7, 8},
        {"repeat 1000001 [ ]", 18, 7, 14},
        {"pen sideways", 19, 4, 12},
        {"pen Up", 19, 4, 6}, // compared as typed
        // 20, the nesting bound, has its own deep inputs.
        // 2: an unknown word, named in the message.
        {"forward 10 Blah", 2, 11, 15, "Unknown word: blah"},
        {"textstyle Bold", 2, 10, 14, "Unknown word: Bold"},
        {"y = x + 1", 2, 4, 5, "Unknown word: x"},
        {"x\t= 1", 2, 0, 1, "Unknown word: x"}, // only spaces before the '=' of an assignment
        {"sq\nshape sq [ forward 1 ]", 2, 0, 2, "Unknown word: sq"},
        {"shape sq[ forward 1 ]\nsq", 2, 22, 24, "Unknown word: sq"}, // the name was "sq["
        // A cut name never matches.
        {"shape " + longName + " [ ]\n" + longName, 2, 81, 151, "Unknown word: " + longName},
        {std::string(250, 'z'), 2, 0, 250, "Unknown word: " + std::string(241, 'z')}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const auto context = Parse(c.text);
        EXPECT_EQ(std::tuple(context->parseSucceeded, context->messageNumber,
                             context->errorMessage.str(), context->errorStart, context->errorEnd),
                  std::tuple(false, c.message,
                             c.shown.empty() ? ParserMessageText(c.message).str() : c.shown,
                             c.start, c.end));
    }
}

// Message 1 stands for any unexpected failure, such as memory running out mid-parse. A run in
// progress parses nothing (a press during a parse is the run control's case).
TEST_F(Parser, AFailureIsMessage1AtTheCurrentTokenAndARunParsesNothing) {
    ParseHooks hooks;
    hooks.fontNumber = [](std::string_view) -> std::int16_t { throw std::bad_alloc(); };
    const auto context = Parse("forward 1\nfont Courier", hooks);
    EXPECT_EQ(std::tuple(context->parseSucceeded, context->messageNumber,
                         context->errorMessage.str(), context->errorStart, context->errorEnd),
              std::tuple(false, 1, ParserMessageText(1).str(), 15, 15));
    hooks.runInProgress = [] { return true; };
    const auto running = Parse("forward 10 nonsense", hooks);
    EXPECT_TRUE(running->parseSucceeded);
    EXPECT_EQ(running->firstInstruction, nullptr);
}

std::string repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

int depthOf(const CInstruction* node) {
    int depth = 0;
    for (; node && node->FirstChild(); node = node->FirstChild())
        ++depth;
    return depth;
}

std::int32_t valueOf(ParseContext& context) {
    const CInstruction* stop = nullptr;
    return EvalSum(context, context.firstInstruction->FirstChild(), stop);
}

// "v = expression" after one assignment per variable, the variables given their values.
TEST_F(Parser, EvaluateWithWrappingAndZeroDivisors) {
    // The expression, its variables' values, its value and the node a zero divisor stopped at.
    using Variables = std::vector<std::pair<const char*, std::int32_t>>;
    const std::tuple<const char*, Variables, std::int32_t, int> cases[] = {
        {"2 + 3 * 4", {}, 14, 0},
        {"2 * 3 + 4", {}, 10, 0},
        {"8 / 2 / 2", {}, 2, 0},
        {"7 % 3 * 2", {}, 2, 0},
        {"- 5", {}, -5, 0},
        {"(1 + 2) * 3", {}, 9, 0},
        {"3 * - 2", {}, 2, 0},
        {"", {}, 0, 0},
        {"a - (b - c)", {{"a", 10}, {"b", 4}, {"c", 1}}, 7, 0},
        {"1 - 2 + 3 - 4 + 5", {}, 1 - (2 + (3 - (4 + 5))), 0},
        {"4 forward 100 5", {}, 9, 0}, // a statement inside has no value
        // Division truncates toward zero; the remainder takes the dividend's sign.
        {"a / b", {{"a", -7}, {"b", 2}}, -3, 0},
        {"a % b", {{"a", -7}, {"b", 2}}, -1, 0},
        {"a - 1", {{"a", INT_MIN}}, INT_MAX, 0},
        {"46341 * 46341", {}, static_cast<std::int32_t>(2147488281u), 0},
        {"- a", {{"a", INT_MIN}}, INT_MIN, 0},
        // The one quotient that does not fit wraps; its remainder is 0.
        {"a / m", {{"a", INT_MIN}, {"m", -1}}, INT_MIN, 0},
        {"a % m", {{"a", INT_MIN}, {"m", -1}}, 0, 0},
        // A zero divisor at the top stops there; inside a group or after a plus it only
        // zeroes that part.
        {"5 / 0 7", {}, 0, kDivide},
        {"9 % z", {{"z", 0}}, 0, kModulo},
        {"5 /", {}, 0, kDivide},
        {"(6 / 0) 4", {}, 4, 0},
        {"3 * (8 / 0 + 1) 2", {}, 2, 0},
        {"10 - 2 + 6 / 0 5", {}, 8, 0},
    };
    for (const auto& [expression, variables, value, stopCode] : cases) {
        SCOPED_TRACE(expression);
        std::string text;
        for (const auto& [name, ignored] : variables)
            text += std::string(name) + " = 0\n";
        const auto context = Parse(text + "v = " + expression);
        ASSERT_TRUE(context->parseSucceeded) << context->errorMessage.str();
        for (const auto& [name, number] : variables)
            FindVariable(*context, name, false)->value = number;
        static const CInstruction sentinel;
        const CInstruction* stop = &sentinel; // EvalSum must overwrite it
        EXPECT_EQ(EvalSum(*context, context->lastInstruction->FirstChild(), stop), value);
        EXPECT_EQ(stop ? int{stop->Code()} : 0, stopCode);
    }
}

const std::string kGroups =
    std::string(kMaxNestingDepth - 1, '(') + "7" + std::string(kMaxNestingDepth - 1, ')');

TEST_F(Parser, NestingPastTheBoundIsRefusedAtTheLevelThatPassesIt) {
    const struct {
        std::string text;
        std::int32_t start, end;
    } cases[] = {{std::string(1000000, '('), kMaxNestingDepth, kMaxNestingDepth + 1},
                 // The repeat that would open level 201, with the blank its count reader passed.
                 {repeated("repeat ", 1000000), 7 * kMaxNestingDepth, 7 * kMaxNestingDepth + 7},
                 {repeated("shape s [ ", 1000), 2000, 2007},
                 {repeated("x = ", 1000), 800, 801},
                 {"x = (" + kGroups + ")", 203, 204}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        const auto context = Parse(c.text);
        // The depth comes back to 0: every level was left again.
        EXPECT_EQ(std::tuple(context->messageNumber, context->errorMessage.str(),
                             context->errorStart, context->errorEnd, context->nestingDepth),
                  std::tuple(kMsgNestedTooDeeply, ParserMessageText(kMsgNestedTooDeeply).str(),
                             c.start, c.end, 0));
    }
    // Up to the bound it parses and evaluates.
    auto context = Parse("x = " + kGroups);
    ASSERT_TRUE(context->parseSucceeded) << context->errorMessage.str();
    EXPECT_EQ(depthOf(context->firstInstruction.get()), kMaxNestingDepth);
    EXPECT_EQ(valueOf(*context), 7);
    context = Parse(repeated("repeat 2 [ ", kMaxNestingDepth) + "forward 1");
    ASSERT_TRUE(context->parseSucceeded);
    EXPECT_EQ(depthOf(context->firstInstruction.get()), kMaxNestingDepth);
}

TEST_F(Parser, AMillionStatementsOrOperatorsNeedNoRecursion) {
    auto context = Parse(repeated("penup\n", 1000000));
    ASSERT_TRUE(context->parseSucceeded);
    EXPECT_EQ(context->lastInstruction->StartOffset(), 6 * 999999);

    // Signs alternate: 1 - (1 - (1 - ...)) is 1 after an even number of minus signs.
    const std::pair<std::string_view, std::int32_t> sums[] = {
        {" + 1", 1000001}, {" - 1", 1}, {" - 1", 0}};
    for (int i = 0; i < 3; ++i) {
        context = Parse("x = 1" + repeated(sums[i].first, 1000000 - i / 2));
        ASSERT_TRUE(context->parseSucceeded);
        EXPECT_EQ(valueOf(*context), sums[i].second) << i;
    }
}

} // namespace
