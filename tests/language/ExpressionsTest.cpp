#include "Expressions.h"

#include "ParseTestSupport.h"

#include <climits>
#include <string>

namespace {

class Expressions : public EnglishVocabulary {
protected:
    // Parses "v = expression" after the given assignments, gives the named variables their
    // values, and evaluates the expression list.
    std::int32_t value(const std::string& expression,
                       std::initializer_list<std::pair<const char*, std::int32_t>> values = {}) {
        std::string text;
        for (const auto& [name, ignored] : values)
            text += std::string(name) + " = 0\n";
        text += "v = " + expression;
        mContext = Parse(text);
        EXPECT_TRUE(mContext->parseSucceeded) << text << ": " << mContext->errorMessage.str();
        for (const auto& [name, number] : values)
            FindVariable(*mContext, name, false)->value = number;
        const CInstruction* assignment = mContext->lastInstruction;
        static const CInstruction sentinel;
        stop = &sentinel; // EvalSum must overwrite it
        return EvalSum(*mContext, assignment ? assignment->FirstChild() : nullptr, stop);
    }

    std::unique_ptr<ParseContext> mContext;
    const CInstruction* stop = nullptr;
};

TEST_F(Expressions, GroupingRowByRow) {
    EXPECT_EQ(value("2 + 3 * 4"), 14);
    EXPECT_EQ(value("2 * 3 + 4"), 10);
    EXPECT_EQ(value("10 - 2 - 3"), 11);
    EXPECT_EQ(value("10 - 2 + 3"), 5);
    EXPECT_EQ(value("8 / 2 / 2"), 2);
    EXPECT_EQ(value("7 % 3 * 2"), 2);
    EXPECT_EQ(value("- 5"), -5);
    EXPECT_EQ(value("2 3"), 5);
    EXPECT_EQ(value("(1 + 2) * 3"), 9);
    EXPECT_EQ(value("3 * - 2"), 2);
    EXPECT_EQ(stop, nullptr);
}

TEST_F(Expressions, VariablesGroupsAndTheEmptyList) {
    EXPECT_EQ(value("1 + x * 2", {{"x", 3}}), 7);
    EXPECT_EQ(value(""), 0);
    EXPECT_EQ(stop, nullptr);
    EXPECT_EQ(value("a - (b - c)", {{"a", 10}, {"b", 4}, {"c", 1}}), 7);
    EXPECT_EQ(value("2 * ((3))"), 6);
    EXPECT_EQ(value("1 - 2 + 3 - 4 + 5"), 1 - (2 + (3 - (4 + 5))));
}

TEST_F(Expressions, StatementsInsideAnExpressionHaveNoValue) {
    EXPECT_EQ(value("4 forward 100 5"), 9);
}

TEST_F(Expressions, DivisionTruncatesTowardZeroAndRemainderTakesTheDividendsSign) {
    EXPECT_EQ(value("a / b", {{"a", -7}, {"b", 2}}), -3);
    EXPECT_EQ(value("a % b", {{"a", -7}, {"b", 2}}), -1);
    EXPECT_EQ(value("a / b", {{"a", 7}, {"b", -2}}), -3);
    EXPECT_EQ(value("a % b", {{"a", 7}, {"b", -2}}), 1);
}

TEST_F(Expressions, ArithmeticWrapsAround) {
    EXPECT_EQ(value("2147483647 + 1"), INT_MIN);
    EXPECT_EQ(value("a - 1", {{"a", INT_MIN}}), INT_MAX);
    EXPECT_EQ(value("65536 * 65536"), 0);
    EXPECT_EQ(value("46341 * 46341"), static_cast<std::int32_t>(2147488281u));
    EXPECT_EQ(value("a * a", {{"a", INT_MIN}}), 0);
    EXPECT_EQ(value("- a", {{"a", INT_MIN}}), INT_MIN);
    // The one quotient that does not fit wraps; its remainder is 0.
    EXPECT_EQ(value("a / m", {{"a", INT_MIN}, {"m", -1}}), INT_MIN);
    EXPECT_EQ(value("a % m", {{"a", INT_MIN}, {"m", -1}}), 0);
    EXPECT_EQ(value("a / m", {{"a", INT_MAX}, {"m", -1}}), -INT_MAX);
}

TEST_F(Expressions, ZeroDivisorAtTheTopReportsItsNode) {
    EXPECT_EQ(value("5 / 0 7"), 0);
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(stop->Code(), kDivide);
    EXPECT_EQ(stop->Next()->Code(), kNumber);
    EXPECT_EQ(value("9 % z", {{"z", 0}}), 0);
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(stop->Code(), kModulo);
    EXPECT_EQ(value("5 /"), 0) << "a missing divisor counts 0";
    EXPECT_NE(stop, nullptr);
}

TEST_F(Expressions, ZeroDivisorInsideAGroupOrAfterAPlusOnlyZeroesThatPart) {
    EXPECT_EQ(value("(6 / 0) 4"), 4);
    EXPECT_EQ(stop, nullptr);
    EXPECT_EQ(value("3 * (8 / 0 + 1) 2"), 2);
    EXPECT_EQ(stop, nullptr);
    EXPECT_EQ(value("1 + 6 / 0 5"), 1);
    EXPECT_EQ(stop, nullptr);
    EXPECT_EQ(value("10 - 2 + 6 / 0 5"), 8);
    EXPECT_EQ(stop, nullptr);
}

TEST_F(Expressions, OperandsOfEveryKind) {
    const auto parsed = Parse("x = 0\nv = 12 x (2 * 3) + )");
    ParseContext& context = *parsed;
    EXPECT_EQ(EvalOperand(context, nullptr), 0);
    CVariable* x = FindVariable(*parsed, "x", false);
    x->value = -4;
    const CInstruction* number = parsed->lastInstruction->FirstChild();
    EXPECT_EQ(EvalOperand(context, number), 12);
    EXPECT_EQ(EvalOperand(context, number->Next()), -4);
    EXPECT_EQ(EvalOperand(context, number->Next()->Next()), 6);
    EXPECT_EQ(EvalOperand(context, number->Next()->Next()->Next()), 0) << "an operator";
}

} // namespace
