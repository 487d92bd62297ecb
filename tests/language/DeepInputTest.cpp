// Inputs that would exhaust the stack of a naive parser, evaluator or destructor.

#include "Expressions.h"
#include "ParseTestSupport.h"

#include <string>

namespace {

class DeepInput : public EnglishVocabulary {};

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

const std::string kGroups =
    std::string(kMaxNestingDepth - 1, '(') + "7" + std::string(kMaxNestingDepth - 1, ')');

TEST_F(DeepInput, NestingPastTheBoundIsRefusedAtTheLevelThatPassesIt) {
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
}

TEST_F(DeepInput, NestingUpToTheBoundParsesAndEvaluates) {
    const auto context = Parse("x = " + kGroups);
    ASSERT_TRUE(context->parseSucceeded) << context->errorMessage.str();
    EXPECT_EQ(depthOf(context->firstInstruction.get()), kMaxNestingDepth);
    EXPECT_EQ(valueOf(*context), 7);
    const auto bounded = Parse(repeated("repeat 2 [ ", kMaxNestingDepth) + "forward 1");
    ASSERT_TRUE(bounded->parseSucceeded);
    EXPECT_EQ(depthOf(bounded->firstInstruction.get()), kMaxNestingDepth);
}

TEST_F(DeepInput, AMillionStatementsOrOperatorsNeedNoRecursion) {
    auto context = Parse(repeated("penup\n", 1000000));
    ASSERT_TRUE(context->parseSucceeded);
    EXPECT_EQ(context->lastInstruction->StartOffset(), 6 * 999999);
    context.reset();
    CSubInstruction group;
    for (int i = 0; i < 1000000; ++i)
        group.AddChild(std::make_unique<CInstruction>());
    EXPECT_NE(group.LastChild(), group.FirstChild());

    // Signs alternate: 1 - (1 - (1 - ...)) is 1 after an even number of minus signs.
    const std::pair<std::string_view, std::int32_t> sums[] = {
        {" + 1", 1000001}, {" - 1", 1}, {" - 1", 0}};
    for (int i = 0; i < 3; ++i) {
        context = Parse("x = 1" + repeated(sums[i].first, 1000000 - i / 2));
        ASSERT_TRUE(context->parseSucceeded);
        EXPECT_EQ(valueOf(*context), sums[i].second) << i;
    }
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
