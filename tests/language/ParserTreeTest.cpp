// The trees the parser builds: nodes, numbers, bindings, nesting and text offsets.

#include "ParseTestSupport.h"

#include <string>

namespace {

class ParserTree : public EnglishVocabulary {
protected:
    // The tree of a text that must parse.
    static std::string tree(std::string_view text, ParseHooks hooks = {}) {
        const auto context = Parse(text, std::move(hooks));
        EXPECT_TRUE(context->parseSucceeded) << text << ": " << context->errorMessage.str();
        return DescribeTree(*context);
    }
    static int message(std::string_view text) {
        const auto context = Parse(text);
        EXPECT_FALSE(context->parseSucceeded) << text;
        return context->messageNumber;
    }
};

TEST_F(ParserTree, StatementsTheirArgumentsAndDefaults) {
    EXPECT_EQ(tree("forward 10 back -5 left right 45"), "1:10 2:-5 3:90 4:45");
    EXPECT_EQ(tree("PenSize 3 penup pendown clear erase home fill"),
              "5:3 11:0 12:0 13:0 14:0 15:0 36:0");
    EXPECT_EQ(tree("delay\ndelay 0\nspeed 100 textsize\ntextsize 12"),
              "7:600 7:0 8:100 34:0 34:12");
    // Both keyword sets and both abbreviation lists, freely mixed.
    EXPECT_EQ(tree("fd 1 fwd 2 forth 3 go 4 bk 5 backup 6 loop 2 [ rt 7 ]"),
              "1:1 1:2 1:3 1:4 2:5 2:6 9:2[4:7]");
}

TEST_F(ParserTree, SymmetryLevelsBecomeImageCounts) {
    EXPECT_EQ(tree("symmetry 0 symmetry 1 symmetry 2 symmetry 3 symmetry 4"),
              "6:1 6:2 6:4 6:6 6:8");
    EXPECT_EQ(tree("symmetry"), "6:2");
    EXPECT_EQ(tree("s = 3\nsymmetry s"), "21:0@s[31:3] 6:1@s");
    EXPECT_EQ(message("symmetry 5"), kMsgSymmetryLevel);
}

TEST_F(ParserTree, ColourArguments) {
    EXPECT_EQ(tree("colour 1 colour 2 colour 9 colour 0"), "10:3000 10:3004 10:3008 10:3009");
    EXPECT_EQ(tree("colour RED pencolor grn setpc rainbow ink cycle"),
              "10:3001 10:3002 10:3008 10:3008");
    EXPECT_EQ(tree("hue = 4\ncolour hue"), "21:0@hue[31:4] 10:0@hue");
    // A single byte is a digit or nothing, even where a variable has that name.
    EXPECT_EQ(message("c = 3\ncolor c"), kMsgExpectedColour);
}

TEST_F(ParserTree, PenAndTextStyleWordsAreComparedAsTyped) {
    EXPECT_EQ(tree("pen up pen down setpen raised pen lowered"), "18:1 18:0 18:1 18:0");
    EXPECT_EQ(message("pen Up"), kMsgExpectedUpOrDown);
    EXPECT_EQ(tree("textstyle plain textstyle bold textstyle italic textstyle underline "
                   "textstyle slanted"),
              "35:0 35:1 35:2 35:4 35:2");
    EXPECT_EQ(message("textstyle Bold"), kMsgUnknownWord);
}

TEST_F(ParserTree, FontNumbersNamesAndVariables) {
    std::string asked;
    ParseHooks hooks;
    hooks.fontNumber = [&asked](std::string_view name) -> std::int16_t {
        asked += std::string(name) + ';';
        return name == "Courier" ? 22 : 0;
    };
    EXPECT_EQ(tree("font 3 font Courier font courier", hooks), "33:3 33:22 33:0");
    EXPECT_EQ(asked, "Courier;courier;");
    // A word that is a variable binds it, after the font name lookup saw it as typed.
    EXPECT_EQ(tree("f = 1\nfont F forward 2", hooks), "21:0@f[31:1] 33:0@f 1:2");
    EXPECT_EQ(asked, "Courier;courier;F;");
    EXPECT_EQ(tree("font Helvetica"), "33:0") << "no lookup: every name is font 0";
}

TEST_F(ParserTree, WriteTextsNumbersAndVariables) {
    EXPECT_EQ(tree("write \"Hello, World\" write 007 write -42"),
              "32:0\"Hello, World\" 32:0\"7\" 32:0\"-42\"");
    EXPECT_EQ(tree("n = 1\nwrite N"), "21:0@n[31:1] 32:0@n\"\"");
    EXPECT_EQ(message("write nothing"), kMsgUnknownWord);
}

TEST_F(ParserTree, TopLevelClosingBracketEndsTheProgram) {
    EXPECT_EQ(tree("forward 10 ] this is never read"), "1:10");
    EXPECT_EQ(tree("forward 10 ) neither is this"), "1:10");
}

TEST_F(ParserTree, AnAssignmentConsumesAClosingBracketOnItsLine) {
    EXPECT_EQ(tree("repeat 2 [ x = 1 ]\nforward 5 ]\nright 3"), "9:2[21:0@x[31:1] 1:5] 4:3");
}

TEST_F(ParserTree, BracketsAndParenthesesDoNotPair) {
    EXPECT_EQ(tree("repeat 2 [ forward 1 ) right 2"), "9:2[1:1] 4:2");
    EXPECT_EQ(tree("x = (1 + 2] * 3"), "21:0@x[29:0[31:1 24:0 31:2] 26:0 31:3]");
    EXPECT_EQ(tree("repeat 3 forward 1"), "9:3[1:1]") << "a missing ] runs to the end";
}

TEST_F(ParserTree, RepeatWithoutCountRunsAMillionTimesFromTheWordThatStoodThere) {
    EXPECT_EQ(tree("repeat forward 10"), "9:1000000[1:10]");
    EXPECT_EQ(tree("repeat [ right 1 ]"), "9:1000000[4:1]");
    EXPECT_EQ(tree("n = 5\nrepeat n [ right 1 ]"), "21:0@n[31:5] 9:0@n[4:1]");
}

TEST_F(ParserTree, ShapesAreFoundOnceDefinedAtAnyDepth) {
    EXPECT_EQ(tree("shape sq [ forward 1 sq ]"), "16:1'sq'[1:1 17:0->sq]");
    EXPECT_EQ(tree("repeat 2 [ shape Tri [ left 1 ] ]\ntri"), "9:2[16:1'tri'[3:1]] 17:0->tri");
    EXPECT_EQ(tree("repeat 2 [ forward 1 ]\nshape sq [ ]\nsq"), "9:2[1:1] 16:1'sq'[] 17:0->sq");
    // The first definition in text order wins.
    const auto context = Parse("shape a [ forward 1 ]\nshape a [ forward 2 ]\na");
    ASSERT_TRUE(context->parseSucceeded);
    const auto* run = dynamic_cast<const CRunShapeInstruction*>(context->lastInstruction);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->Target(), context->firstInstruction.get());
    EXPECT_EQ(message("sq\nshape sq [ ]"), kMsgUnknownWord);
}

TEST_F(ParserTree, FindShapeWalksTheTreeInTextOrder) {
    const auto context = Parse("repeat 2 [ forward 1 ]\n"
                               "repeat 2 [ shape b [ shape a [ ] ] ]\n"
                               "shape a [ ]\nshape c [ ]\na b c");
    ASSERT_TRUE(context->parseSucceeded);
    CInstruction* root = context->firstInstruction.get();
    for (const char* name : {"a", "b", "c"}) {
        CShapeInstruction* const found = FindShape(name, root);
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(found->Name().view(), name);
        EXPECT_EQ(found, FindDefinedShape(*context, name)) << "the parser's index agrees";
    }
    EXPECT_EQ(FindShape("a", root)->StartOffset(), 44) << "the nested, earlier definition";
    EXPECT_EQ(FindShape("d", root), nullptr);
}

TEST_F(ParserTree, ShapeNamesRunThroughBracketsAndAreCutAt63Bytes) {
    EXPECT_EQ(tree("shape sq[ forward 1 ]"), "16:1'sq['[1:1]");
    EXPECT_EQ(message("shape sq[ forward 1 ]\nsq"), kMsgUnknownWord);
    const std::string longName(70, 'n');
    const auto context = Parse("shape " + longName + " [ ]\n" + longName);
    EXPECT_FALSE(context->parseSucceeded) << "a cut name never matches the full word";
}

TEST_F(ParserTree, VariablesAreCreatedByAssignmentAndNamedCaseInsensitively) {
    EXPECT_EQ(tree("Len = 5\nforward LEN\nlet len = len + 1"),
              "21:0@len[31:5] 1:0@len 21:0@len[22:0@len 24:0 31:1]");
    EXPECT_EQ(tree("x = x + 1"), "21:0@x[22:0@x 24:0 31:1]")
        << "created before its own expression is parsed";
    EXPECT_EQ(message("y = x"), kMsgUnknownWord);
    const auto context = Parse("a = 1\nb = 2\nA = 3");
    ASSERT_EQ(context->variables.count(), 2u);
    EXPECT_EQ(context->variables[0]->name.view(), "a");
    EXPECT_EQ(context->variables[1]->name.view(), "b");
    EXPECT_EQ(context->variables[0]->value, 0) << "the parser never writes a value";
}

TEST_F(ParserTree, AssignKeywordNeedsNoEqualsSign) {
    EXPECT_EQ(tree("let x 5\nmake y = x * 2"), "21:0@x[31:5] 21:0@y[22:0@x 26:0 31:2]");
    // Without a name there is no variable to receive the value.
    EXPECT_EQ(tree("let\nforward 1"), "21:0[] 1:1");
    EXPECT_EQ(message("let\nforward"), kMsgExpectedDistance);
}

TEST_F(ParserTree, AnAssignmentEndsAtItsLineButAGroupInsideItDoesNot) {
    EXPECT_EQ(tree("x = (1 +\n2) * 3\nforward x"), "21:0@x[29:0[31:1 24:0 31:2] 26:0 31:3] 1:0@x");
    EXPECT_EQ(tree("x = 1\n+ 2"), "21:0@x[31:1] 24:0 31:2");
    EXPECT_EQ(tree("x = 1 \r\nforward 2"), "21:0@x[31:1] 1:2");
}

TEST_F(ParserTree, NodesSpanTheirTextWithArguments) {
    const auto context = Parse("  forward 10\nrepeat 3 [ left ]");
    ASSERT_TRUE(context->parseSucceeded);
    const CInstruction* forward = context->firstInstruction.get();
    EXPECT_EQ(Offsets(forward), "2..12");
    const CInstruction* repeat = forward->Next();
    EXPECT_EQ(Offsets(repeat), "13..21");
    EXPECT_EQ(Offsets(repeat->FirstChild()), "24..29") << "left with its default and the blank";
}

TEST_F(ParserTree, PunctuationRightAfterAWordStartsAtThatWord) {
    const auto context = Parse("x = 1\ny = x+1");
    ASSERT_TRUE(context->parseSucceeded);
    const CInstruction* x = context->lastInstruction->FirstChild();
    EXPECT_EQ(Offsets(x), "10..11");
    EXPECT_EQ(Offsets(x->Next()), "10..12") << "the + starts where x started";
    EXPECT_EQ(Offsets(x->Next()->Next()), "12..13");
}

TEST_F(ParserTree, ForwardBeforeAnUnknownNameSelectsACaret) {
    const auto context = Parse("forward  size");
    EXPECT_EQ(context->messageNumber, kMsgExpectedDistance);
    EXPECT_EQ(context->errorStart, 9);
    EXPECT_EQ(context->errorEnd, 9);
}

TEST_F(ParserTree, NumbersAndOperatorsArePlainNodes) {
    EXPECT_EQ(tree("12 + 007 - 3 * 4 / 5 % 6"),
              "31:12 24:0 31:7 25:0 31:3 26:0 31:4 27:0 31:5 28:0 31:6");
    EXPECT_EQ(tree("= [ ("), "29:0[]");
}

} // namespace
