// Expression values, and inputs that would exhaust the stack of a naive parser, evaluator or
// destructor.

#include "Expressions.h"

#include "ParseTestSupport.h"

#include <climits>
#include <string>
#include <vector>

namespace {

class Expressions : public EnglishVocabulary {};

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
TEST_F(Expressions, EvaluateWithWrappingAndZeroDivisors) {
    const struct {
        const char* expression;
        std::vector<std::pair<const char*, std::int32_t>> variables;
        std::int32_t value;
        int stopCode = 0; // the node a zero divisor stopped at, 0 for none
    } cases[] = {
        {"2 + 3 * 4", {}, 14},
        {"2 * 3 + 4", {}, 10},
        {"10 - 2 - 3", {}, 11},
        {"8 / 2 / 2", {}, 2},
        {"7 % 3 * 2", {}, 2},
        {"- 5", {}, -5},
        {"2 3", {}, 5},
        {"(1 + 2) * 3", {}, 9},
        {"3 * - 2", {}, 2},
        {"", {}, 0},
        {"a - (b - c)", {{"a", 10}, {"b", 4}, {"c", 1}}, 7},
        {"1 - 2 + 3 - 4 + 5", {}, 1 - (2 + (3 - (4 + 5)))},
        {"4 forward 100 5", {}, 9}, // a statement inside has no value
        // Division truncates toward zero; the remainder takes the dividend's sign.
        {"a / b", {{"a", -7}, {"b", 2}}, -3},
        {"a % b", {{"a", -7}, {"b", 2}}, -1},
        {"a % b", {{"a", 7}, {"b", -2}}, 1},
        {"a - 1", {{"a", INT_MIN}}, INT_MAX},
        {"46341 * 46341", {}, static_cast<std::int32_t>(2147488281u)},
        {"- a", {{"a", INT_MIN}}, INT_MIN},
        // The one quotient that does not fit wraps; its remainder is 0.
        {"a / m", {{"a", INT_MIN}, {"m", -1}}, INT_MIN},
        {"a % m", {{"a", INT_MIN}, {"m", -1}}, 0},
        // A zero divisor at the top stops there; inside a group or after a plus it only
        // zeroes that part.
        {"5 / 0 7", {}, 0, kDivide},
        {"9 % z", {{"z", 0}}, 0, kModulo},
        {"5 /", {}, 0, kDivide},
        {"(6 / 0) 4", {}, 4},
        {"3 * (8 / 0 + 1) 2", {}, 2},
        {"10 - 2 + 6 / 0 5", {}, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        std::string text;
        for (const auto& [name, ignored] : c.variables)
            text += std::string(name) + " = 0\n";
        const auto context = Parse(text + "v = " + c.expression);
        ASSERT_TRUE(context->parseSucceeded) << context->errorMessage.str();
        for (const auto& [name, number] : c.variables)
            FindVariable(*context, name, false)->value = number;
        static const CInstruction sentinel;
        const CInstruction* stop = &sentinel; // EvalSum must overwrite it
        EXPECT_EQ(EvalSum(*context, context->lastInstruction->FirstChild(), stop), c.value);
        EXPECT_EQ(stop ? int{stop->Code()} : 0, c.stopCode);
        if (c.stopCode == kDivide && stop->Next()) {
            EXPECT_EQ(stop->Next()->Code(), kNumber);
        }
    }
}

const std::string kGroups =
    std::string(kMaxNestingDepth - 1, '(') + "7" + std::string(kMaxNestingDepth - 1, ')');

TEST_F(Expressions, NestingPastTheBoundIsRefusedAtTheLevelThatPassesIt) {
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
        EXPECT_EQ(context->messageNumber, kMsgNestedTooDeeply);
        EXPECT_EQ(context->errorMessage.view(), ParserMessageText(kMsgNestedTooDeeply).view());
        EXPECT_EQ(Offsets(context->errorStart, context->errorEnd), Offsets(c.start, c.end));
        EXPECT_EQ(context->nestingDepth, 0) << "every level was left again";
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

TEST_F(Expressions, AMillionStatementsOrOperatorsNeedNoRecursion) {
    auto context = Parse(repeated("penup\n", 1000000));
    ASSERT_TRUE(context->parseSucceeded);
    EXPECT_EQ(context->lastInstruction->StartOffset(), 6 * 999999);
    context.reset();
    CSubInstruction group;
    for (int i = 0; i < 1000000; ++i)
        group.AddChild(std::make_unique<CInstruction>());
    group.AddChild(nullptr); // ignored
    ASSERT_NE(group.LastChild(), nullptr);
    EXPECT_NE(group.LastChild(), group.FirstChild());
    CInstruction plain; // frees what it is given: it has no inner list
    plain.AddChild(std::make_unique<CInstruction>());
    EXPECT_EQ(plain.FirstChild(), nullptr);

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
