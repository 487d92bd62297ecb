#include "Expressions.h"

#include "ParseTestSupport.h"

#include <climits>
#include <string>
#include <vector>

namespace {

struct Evaluation {
    const char* expression;
    std::vector<std::pair<const char*, std::int32_t>> variables;
    std::int32_t value;
    int stopCode = 0; // the node a zero divisor stopped at, 0 for none
};

class Expressions : public EnglishVocabulary {};

// "v = expression" after one assignment per variable, the variables given their values.
TEST_F(Expressions, EvaluateWithWrappingAndZeroDivisors) {
    const Evaluation cases[] = {
        {"2 + 3 * 4", {}, 14},
        {"2 * 3 + 4", {}, 10},
        {"10 - 2 - 3", {}, 11},
        {"10 - 2 + 3", {}, 5},
        {"8 / 2 / 2", {}, 2},
        {"7 % 3 * 2", {}, 2},
        {"- 5", {}, -5},
        {"2 3", {}, 5},
        {"(1 + 2) * 3", {}, 9},
        {"3 * - 2", {}, 2},
        {"", {}, 0},
        {"1 + x * 2", {{"x", 3}}, 7},
        {"a - (b - c)", {{"a", 10}, {"b", 4}, {"c", 1}}, 7},
        {"2 * ((3))", {}, 6},
        {"1 - 2 + 3 - 4 + 5", {}, 1 - (2 + (3 - (4 + 5)))},
        {"4 forward 100 5", {}, 9}, // a statement inside has no value
        // Division truncates toward zero; the remainder takes the dividend's sign.
        {"a / b", {{"a", -7}, {"b", 2}}, -3},
        {"a % b", {{"a", -7}, {"b", 2}}, -1},
        {"a / b", {{"a", 7}, {"b", -2}}, -3},
        {"a % b", {{"a", 7}, {"b", -2}}, 1},
        {"2147483647 + 1", {}, INT_MIN},
        {"a - 1", {{"a", INT_MIN}}, INT_MAX},
        {"65536 * 65536", {}, 0},
        {"46341 * 46341", {}, static_cast<std::int32_t>(2147488281u)},
        {"a * a", {{"a", INT_MIN}}, 0},
        {"- a", {{"a", INT_MIN}}, INT_MIN},
        // The one quotient that does not fit wraps; its remainder is 0.
        {"a / m", {{"a", INT_MIN}, {"m", -1}}, INT_MIN},
        {"a % m", {{"a", INT_MIN}, {"m", -1}}, 0},
        {"a / m", {{"a", INT_MAX}, {"m", -1}}, -INT_MAX},
        // A zero divisor at the top stops there; inside a group or after a plus it only
        // zeroes that part.
        {"5 / 0 7", {}, 0, kDivide},
        {"9 % z", {{"z", 0}}, 0, kModulo},
        {"5 /", {}, 0, kDivide},
        {"(6 / 0) 4", {}, 4},
        {"3 * (8 / 0 + 1) 2", {}, 2},
        {"1 + 6 / 0 5", {}, 1},
        {"10 - 2 + 6 / 0 5", {}, 8},
    };
    for (const Evaluation& c : cases) {
        SCOPED_TRACE(c.expression);
        std::string text;
        for (const auto& [name, ignored] : c.variables)
            text += std::string(name) + " = 0\n";
        text += std::string("v = ") + c.expression;
        const auto context = Parse(text);
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

} // namespace
