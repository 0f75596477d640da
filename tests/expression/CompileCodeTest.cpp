#include "CompileFixture.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
struct CodeCase {
    const char* behaviour;
    const char* text;
    const char* code;
    int mode = kModePlain;
};

class CompileCode : public ::testing::Test, protected test::CompileFixture {};

TEST_F(CompileCode, TypedTextsGiveTheirPostfixCode) {
    const CodeCase cases[] = {
        {"implicit product binds tighter than the sum", "2x^2+1", "2 x 2 ^ \xB7 1 +"},
        {"implicit product of a number and a bracket", "2(x+1)", "2 x 1 + \xB7"},
        {"a star is the middle dot", "x*y", "x y \xB7"},
        {"argument without brackets", "sin x^2", "x 2 ^ sin"},
        {"a space ends an argument", "sin x cos x", "x sin x cos \xB7"},
        {"the argument runs over an implicit product", "sin 2x", "2 x \xB7 sin"},
        {"a space ends the argument before a variable", "sin x y", "x sin y \xB7"},
        {"leading minus binds weaker than a power", "-x^2", "SZERO x 2 ^ -"},
        {"negative number under a power", "-2^2", "2 2 ^ _"},
        {"bracketed negative number", "(-2)^2", "2 _ 2 ^"},
        {"negative exponent in brackets", "x^(-2)", "x 2 _ ^"},
        {"exponent takes the implicit product", "x^2y", "x 2 y \xB7 ^"},
        {"powers are right-associative", "a^b^c", "a b c ^ ^"},
        {"an exponent group takes a power of its own", "x^(y/z)^w", "x y z / w ^ ^"},
        {"a factorial in an exponent in an argument", "sin(x^(y!))", "x y ! ^ sin"},
        {"postfix operators in a row under a power", "x!!^2", "x ! ! 2 ^"},
        {"exponent takes a factorial", "2^x!", "2 x ! ^"},
        {"quotient takes the implicit product on its right", "1/2x", "1 2 x \xB7 /"},
        {"a space ends the quotient", "1/2 x", "1 2 / x \xB7"},
        {"a function ends the quotient", "1/2sin x", "1 2 / x sin \xB7"},
        {"quotient takes the implicit product on its left", "2x/3y", "2 x \xB7 3 y \xB7 /"},
        {"quotients are left-associative", "a/b/c", "a b / c /"},
        {"a left operand takes the quotients and powers before it", "a/b^c/d", "a b c ^ / d /"},
        {"quotients of groups", "(x/y)/(a/b)/c", "x y / a b / / c /"},
        {"power-prefix function", "sin^2 x", "2 x sin %"},
        {"x coordinate of a point", "Px", "0 1 + 1 P"},
        {"y coordinate and radius of later figures", "Oy+Ar", "14 8 + 2 P 0 8 + 3 P +"},
        {"two points are the vector between them", "PQ", "P Q VEC"},
        {"length of two points", "[PQ]", "P Q VEC abs"},
        {"pair literal", "(1,2)", "1 2 CPS"},
        {"sum of pairs", "(1,2)+(3,4)", "1 2 CPS 3 4 CPS +"},
        {"call with argument count", "max(1,2)", "1 2 2 max"},
        {"calls side by side", "max(1,2)min(3,4)", "1 2 2 max 3 4 2 min \xB7"},
        {"functions in a row go behind one argument", "sin sin(x)", "x sin sin"},
        {"point function with one argument", "P(3)", "3 0 P"},
        {"two-argument logarithm", "log(2,8)", "2 8 log"},
        {"chained comparison", "a<b<c", "a b < b c < and"},
        {"chain copies the whole middle operand", "1<x+y<4", "1 x y + < x y + 4 < and"},
        {"chains split at each depth and clause", "max(a<b<c,(x<y<z)<1)",
         "a b < b c < and x y < y z < and 1 < 2 max"},
        {"a chain ends at and, or and comma", "a<b<c or x<y", "a b < b c < and x y < or"},
        {"first derivative of a user function", "f'(x)", "1 x 0 0 0 f"},
        {"second derivative of a user function", "f''(2)", "2 2 0 0 0 f"},
        {"antiderivative of a user function", "F(x)", "3 x 0 0 0 f"},
        {"user function with two arguments", "f2(1,2)", "0 1 2 0 0 f2"},
        {"sum binds its parameter", "Sum(k,1,n,k^2)", "14 1 n Sum k 2 ^ Send"},
        {"integral over x", "Igr(x,0,1,x^2)", "-1 0 1 Igr x 2 ^ Send"},
        {"coefficient", "cof(1,(x+3)^2)", "1 cof x 3 + 2 ^ Send"},
        {"solution with its index", "sol(x^2=4,2)", "2 sol x 2 ^ 4 = Send"},
        {"solution without an index", "sol(x^2=4)", "1 sol x 2 ^ 4 = Send"},
        {"a solution inside another keeps each index with its own equation",
         "sol(sol(x^2=4,2)=x,1)", "1 sol 2 sol x 2 ^ 4 = Send x = Send"},
        {"logarithms nest", "log(2,log(3,x))", "2 3 x log log"},
        {"point functions nest", "P(P(1))", "1 0 P 0 P"},
        {"step takes the parameter index", "Step(a)", "1 Step"},
        {"leading plus", "+x", "SZERO x +"},
        {"degrees", "rot(P,90\xB0)", "P 90 \xB0 2 rot"},
        {"reference to y12", "y12", "y12"},
        {"explicit function drops y=", "y=x^2", "x 2 ^", kModeExplicit},
        {"plain expression keeps the comparison", "y=x^2", "y x 2 ^ ="},
        {"relation form", "x^2+y^2=1", "x 2 ^ y 2 ^ + 1 - 0 = 1 -", kModeRelation},
        {"r in a relation is the distance", "r=2", "x y 2 len 2 - 0 = 1 -", kModeRelation},
        {"theta in a relation is the angle", "@<1", "x y 2 arg 1 - 0 < 1 -", kModeRelation},
        {"x of a figure is its own coordinate", "x+1", "0 3 + 1 P 1 +", 3},
        {"X of a figure is the figure", "2X", "2 R \xB7", 3},
        {"x inside an integral stays the variable", "Igr(x,0,1,x)", "-1 0 1 Igr x Send", 3},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(compileText(c.text, c.mode)) << c.behaviour << ": " << messages();
        EXPECT_EQ(codeNames(), c.code) << c.behaviour << " (" << c.text << ")";
    }
}

TEST_F(CompileCode, SourceIsCleanedAndExplicitModeDropsItsPrefix) {
    compileText("  Px'+ a'' degree", kModePlain);
    EXPECT_EQ(last.source, "P.x+ a \xB0");
    compileText("y=3x", kModeExplicit);
    EXPECT_EQ(last.source, "3x");
    EXPECT_EQ(codeNames(), "3 x \xB7");
}

// Cleaning a cleaned text changes nothing, so that a project saved and read back keeps its texts.
TEST_F(CompileCode, CleaningACleanedSourceChangesNothing) {
    for (const char* text : {"' 1 1", "x ''", "  Px'+ a'' degree", "'' ' x", "00  0 0 ' 00"}) {
        compileText(text, kModePlain);
        const std::string once = last.source;
        compileText(once, kModePlain);
        EXPECT_EQ(last.source, once) << text;
    }
}

TEST_F(CompileCode, DecimalCommaLocaleSeparatesArgumentsWithSemicolons) {
    settings.decimalChar = ',';
    settings.listSeparatorChar = ';';
    ASSERT_TRUE(compileText("max(1,5;,25)"));
    EXPECT_EQ(codeNames(), "1,5 0,25 2 max");
    EXPECT_DOUBLE_EQ(static_cast<double>(last.constValue[17].x), 0.25);
}

TEST_F(CompileCode, ThetaAxisMakesThetaTheHorizontalVariable) {
    thetaAxis = true;
    ASSERT_TRUE(compileText("2@"));
    EXPECT_EQ(codeNames(), "2 x @ 0 \xB7 + \xB7");
}

TEST_F(CompileCode, ConstantSlotsHoldWholeNumbersAndTheTextsNumbers) {
    ASSERT_TRUE(compileText("x+1"));
    EXPECT_EQ(last.constTop, 14);
    ASSERT_TRUE(compileText("2.5+.5+10"));
    EXPECT_EQ(last.constTop, 17);
    EXPECT_EQ(last.constText[16], "2.5");
    EXPECT_EQ(last.constText[17], "0.5");
    EXPECT_EQ(last.constValue[17].x, 0.5L);
    EXPECT_EQ(last.constText[18], "10");
    EXPECT_EQ(last.constValue[0].x, -1.0L);
    EXPECT_EQ(last.constValue[15].x, 14.0L);
}

TEST_F(CompileCode, TwentyEightNumbersFitAndTwentyNineDoNot) {
    std::string text = "10";
    for (int n = 11; n < 38; ++n) text += "+" + std::to_string(n);
    ASSERT_TRUE(compileText(text)) << messages();
    EXPECT_EQ(last.constTop, 42);
    EXPECT_FALSE(compileText(text + "+38"));
    EXPECT_TRUE(last.code.empty());
    EXPECT_EQ(messages(), "Muchas constantes");

    // Reported even when the caller asked for silence.
    box.entries.clear();
    setSource(last, text + "+38", kModePlain, env());
    EXPECT_EQ(messages(), "Muchas constantes");
}

TEST_F(CompileCode, ACopiedRecordCarriesItsCode) {
    ASSERT_TRUE(compileText("3.25x+7.5"));
    const CompiledExpression copy = last;
    EXPECT_EQ(copy.code, last.code);
    EXPECT_EQ(copy.constText, last.constText);
    EXPECT_EQ(copy.constValue[16].x, 3.25L);
}

TEST_F(CompileCode, EmptyTextCompilesToEmptyCode) {
    last.constTop = 9;
    EXPECT_TRUE(compileText("   "));
    EXPECT_TRUE(last.code.empty());
    EXPECT_EQ(last.constTop, 0);
}

} // namespace
