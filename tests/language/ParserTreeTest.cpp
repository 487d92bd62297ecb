// The trees the parser builds: nodes, numbers, bindings, nesting and text offsets.

#include "ParseTestSupport.h"

#include <string>

namespace {

class ParserTree : public EnglishVocabulary {};

TEST_F(ParserTree, BuildsTheTreeOfEachText) {
    const struct {
        const char* text;
        const char* tree;
    } cases[] = {
        {"forward 10 back -5 left right 45", "1:10 2:-5 3:90 4:45"},
        {"PenSize 3 penup pendown clear erase home fill", "5:3 11:0 12:0 13:0 14:0 15:0 36:0"},
        {"delay\ndelay 0\nspeed 100 textsize\ntextsize 12", "7:600 7:0 8:100 34:0 34:12"},
        // Both keyword sets and both abbreviation lists, freely mixed.
        {"fd 1 fwd 2 forth 3 go 4 bk 5 backup 6 loop 2 [ rt 7 ]",
         "1:1 1:2 1:3 1:4 2:5 2:6 9:2[4:7]"},
        // Symmetry levels become image counts.
        {"symmetry 0 symmetry 1 symmetry 2 symmetry 3 symmetry 4", "6:1 6:2 6:4 6:6 6:8"},
        {"symmetry", "6:2"},
        {"s = 3\nsymmetry s", "21:0@s[31:3] 6:1@s"},
        {"colour 1 colour 2 colour 3 colour 4 colour 5 colour 6 colour 7 colour 8 colour 9 colour "
         "0",
         "10:3000 10:3004 10:3001 10:3002 10:3003 10:3005 10:3006 10:3007 10:3008 10:3009"},
        {"colour RED pencolor grn setpc rainbow ink cycle", "10:3001 10:3002 10:3008 10:3008"},
        {"hue = 4\ncolour hue", "21:0@hue[31:4] 10:0@hue"},
        // Pen and text style words are compared as typed.
        {"pen up pen down setpen raised pen lowered", "18:1 18:0 18:1 18:0"},
        {"textstyle plain textstyle bold textstyle italic textstyle underline textstyle slanted",
         "35:0 35:1 35:2 35:4 35:2"},
        {"font Helvetica", "33:0"}, // no lookup: every name is font 0
        {"write \"Hello, World\" write 007 write -42",
         "32:0\"Hello, World\" 32:0\"7\" 32:0\"-42\""},
        {"n = 1\nwrite N", "21:0@n[31:1] 32:0@n\"\""},
        // Quoted text spans lines and may lack its closing quote; numbers wrap beyond 32 bits.
        {"write \"two\nlines\" write \"open", "32:0\"two\nlines\" 32:0\"open\""},
        {"write -2147483648 forward 4294967297 back 2147483648",
         "32:0\"-2147483648\" 1:1 2:-2147483648"},
        {"MiXeD\xC3\x84Z = 1", "21:0@mixed\xC3\x84z[31:1]"}, // only A to Z are folded
        // A closing bracket at the top ends the program.
        {"forward 10 ] this is never read", "1:10"},
        {"forward 10 ) neither is this", "1:10"},
        // An assignment consumes a closing bracket on its line.
        {"repeat 2 [ x = 1 ]\nforward 5 ]\nright 3", "9:2[21:0@x[31:1] 1:5] 4:3"},
        // Brackets and parentheses do not pair; a missing ] runs to the end.
        {"repeat 2 [ forward 1 ) right 2", "9:2[1:1] 4:2"},
        {"x = (1 + 2] * 3", "21:0@x[29:0[31:1 24:0 31:2] 26:0 31:3]"},
        {"repeat 3 forward 1", "9:3[1:1]"},
        // Repeat without a count runs a million times from the word that stood there.
        {"repeat forward 10", "9:1000000[1:10]"},
        {"repeat [ right 1 ]", "9:1000000[4:1]"},
        {"n = 5\nrepeat n [ right 1 ]", "21:0@n[31:5] 9:0@n[4:1]"},
        // Shapes are found once defined, at any depth.
        {"shape sq [ forward 1 sq ]", "16:1'sq'[1:1 17:0->sq]"},
        {"repeat 2 [ shape Tri [ left 1 ] ]\ntri", "9:2[16:1'tri'[3:1]] 17:0->tri"},
        {"repeat 2 [ forward 1 ]\nshape sq [ ]\nsq", "9:2[1:1] 16:1'sq'[] 17:0->sq"},
        {"shape sq[ forward 1 ]", "16:1'sq['[1:1]"}, // names run through brackets
        // Variables come from assignments, named case-insensitively, created before their
        // own expression is parsed.
        {"Len = 5\nforward LEN\nlet len = len + 1",
         "21:0@len[31:5] 1:0@len 21:0@len[22:0@len 24:0 31:1]"},
        {"x = x + 1", "21:0@x[22:0@x 24:0 31:1]"},
        {"x   =1\nforward x", "21:0@x[31:1] 1:0@x"}, // only spaces may come before the '='
        {"let x 5\nmake y = x * 2", "21:0@x[31:5] 21:0@y[22:0@x 26:0 31:2]"},
        {"let\nforward 1", "21:0[] 1:1"},
        // An assignment ends at its line, but a group inside it does not.
        {"x = (1 +\n2) * 3\nforward x", "21:0@x[29:0[31:1 24:0 31:2] 26:0 31:3] 1:0@x"},
        {"x = 1\n+ 2", "21:0@x[31:1] 24:0 31:2"},
        {"x = 1 \r\nforward 2", "21:0@x[31:1] 1:2"},
        {"12 + 007 - 3 * 4 / 5 % 6", "31:12 24:0 31:7 25:0 31:3 26:0 31:4 27:0 31:5 28:0 31:6"},
        {"= [ (", "29:0[]"},
        // A comment after an optional number stays whole; the text's last byte still
        // belongs to the number.
        {"left -- turn a bit\nforward 10", "3:90 1:10"},
        {"left // turn\nforward 123", "3:90 1:123"},
        // A name directly followed by two minus signs is four words.
        {"x = 1\ny = 2\nz = x--y", "21:0@x[31:1] 21:0@y[31:2] 21:0@z[22:0@x 25:0 25:0 22:0@y]"},
        {"x = 1\nz = x --y", "21:0@x[31:1] 21:0@z[22:0@x]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto context = Parse(c.text);
        EXPECT_TRUE(context->parseSucceeded) << context->errorMessage.str();
        EXPECT_EQ(DescribeTree(*context), c.tree);
    }
}

TEST_F(ParserTree, FontNamesAreLookedUpAsTyped) {
    std::string asked;
    ParseHooks hooks;
    hooks.fontNumber = [&asked](std::string_view name) -> std::int16_t {
        asked += std::string(name) + ';';
        return name == "Courier" ? 22 : 0;
    };
    // A word that is a variable binds it, after the font name lookup saw it.
    const auto context = Parse("f = 1\nfont 3 font Courier font courier font F", hooks);
    EXPECT_EQ(DescribeTree(*context), "21:0@f[31:1] 33:3 33:22 33:0 33:0@f");
    EXPECT_EQ(asked, "Courier;courier;F;");
}

TEST_F(ParserTree, TheFirstShapeDefinitionInTextOrderWins) {
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
    const auto twice = Parse("shape a [ forward 1 ]\nshape a [ forward 2 ]\na");
    const auto* run = dynamic_cast<const CRunShapeInstruction*>(twice->lastInstruction);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->Target(), twice->firstInstruction.get());
}

TEST_F(ParserTree, NodesSpanTheirTextWithArguments) {
    const auto context = Parse("  forward 10\nrepeat 3 [ left ]\nx = 1\ny = x+1");
    ASSERT_TRUE(context->parseSucceeded);
    const CInstruction* repeat = context->firstInstruction->Next();
    const CInstruction* x = context->lastInstruction->FirstChild();
    // Left spans its default and the blank; the + starts where x started.
    EXPECT_EQ(Offsets(context->firstInstruction.get()) + ' ' + Offsets(repeat) + ' ' +
                  Offsets(repeat->FirstChild()) + ' ' + Offsets(x) + ' ' + Offsets(x->Next()) +
                  ' ' + Offsets(x->Next()->Next()),
              "2..12 13..21 24..29 41..42 41..43 43..44");
}

} // namespace
