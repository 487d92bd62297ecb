// Inputs that would exhaust the stack of a naive parser, evaluator or destructor.

#include "Expressions.h"
#include "ParseTestSupport.h"

#include <string>

namespace {

class DeepInput : public EnglishVocabulary {};

std::string repeated(std::string_view piece, int times) {
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(times));
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

TEST_F(DeepInput, AMillionOpeningParenthesesStopAtTheNestingBound) {
    const auto context = Parse(std::string(1000000, '('));
    EXPECT_FALSE(context->parseSucceeded);
    EXPECT_EQ(context->messageNumber, kMsgNestedTooDeeply);
    EXPECT_EQ(context->errorMessage.view(), ParserMessageText(kMsgNestedTooDeeply).view());
    EXPECT_EQ(context->errorStart, kMaxNestingDepth);
    EXPECT_EQ(context->errorEnd, kMaxNestingDepth + 1);
    EXPECT_EQ(context->nestingDepth, 0) << "every level was left again";
}

TEST_F(DeepInput, NestingUpToTheBoundParsesAndEvaluates) {
    const std::string groups =
        std::string(kMaxNestingDepth - 1, '(') + "7" + std::string(kMaxNestingDepth - 1, ')');
    const auto context = Parse("x = " + groups);
    ASSERT_TRUE(context->parseSucceeded) << context->errorMessage.str();
    const CInstruction* assignment = context->firstInstruction.get();
    EXPECT_EQ(depthOf(assignment), kMaxNestingDepth);
    const CInstruction* stop = nullptr;
    EXPECT_EQ(EvalSum(*context, assignment->FirstChild(), stop), 7);

    const auto deeper = Parse("x = (" + groups + ")");
    EXPECT_EQ(deeper->messageNumber, kMsgNestedTooDeeply);
}

TEST_F(DeepInput, AMillionNestedRepeatsSelectTheRepeatPastTheBound) {
    const auto context = Parse(repeated("repeat ", 1000000));
    EXPECT_EQ(context->messageNumber, kMsgNestedTooDeeply);
    // The repeat that would open level 201, with the blank its count reader passed.
    EXPECT_EQ(context->errorStart, 7 * kMaxNestingDepth);
    EXPECT_EQ(context->errorEnd, 7 * kMaxNestingDepth + 7);

    const auto bounded = Parse(repeated("repeat 2 [ ", kMaxNestingDepth) + "forward 1");
    ASSERT_TRUE(bounded->parseSucceeded);
    EXPECT_EQ(depthOf(bounded->firstInstruction.get()), kMaxNestingDepth);
}

TEST_F(DeepInput, NestedShapesAndAssignmentsCountToo) {
    EXPECT_EQ(Parse(repeated("shape s [ ", 1000))->messageNumber, kMsgNestedTooDeeply);
    EXPECT_EQ(Parse(repeated("x = ", 1000))->messageNumber, kMsgNestedTooDeeply);
}

TEST_F(DeepInput, AMillionStatementsInOneListAreFreedWithoutRecursion) {
    auto context = Parse(repeated("penup\n", 1000000));
    ASSERT_TRUE(context->parseSucceeded);
    EXPECT_EQ(context->lastInstruction->StartOffset(), 6 * 999999);
    context.reset();

    CSubInstruction group;
    for (int i = 0; i < 1000000; ++i)
        group.AddChild(std::make_unique<CInstruction>());
    EXPECT_NE(group.LastChild(), group.FirstChild());
}

TEST_F(DeepInput, AMillionOperatorsEvaluateWithoutRecursion) {
    auto context = Parse("x = 1" + repeated(" + 1", 1000000));
    ASSERT_TRUE(context->parseSucceeded);
    const CInstruction* stop = nullptr;
    EXPECT_EQ(EvalSum(*context, context->firstInstruction->FirstChild(), stop), 1000001);

    // Signs alternate: 1 - (1 - (1 - ...)) is 1 after an even number of minus signs.
    context = Parse("x = 1" + repeated(" - 1", 1000000));
    EXPECT_EQ(EvalSum(*context, context->firstInstruction->FirstChild(), stop), 1);
    context = Parse("x = 1" + repeated(" - 1", 999999));
    EXPECT_EQ(EvalSum(*context, context->firstInstruction->FirstChild(), stop), 0);
}

TEST_F(DeepInput, NodesDiscardedByANodeWithoutInnerListAreFreed) {
    CInstruction plain;
    plain.AddChild(std::make_unique<CInstruction>());
    EXPECT_EQ(plain.FirstChild(), nullptr);
    CSubInstruction group;
    group.AddChild(nullptr);
    EXPECT_EQ(group.FirstChild(), nullptr);
}

} // namespace
