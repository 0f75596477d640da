#include "CompileFixture.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
class CompileErrors : public ::testing::Test, protected test::CompileFixture {};

const std::string kTooFew = "El argumento de la funci\xF3n u operaci\xF3n es insuficiente.";
const std::string kTooMany = "El argumento de la funci\xF3n u operaci\xF3n es muy grande.";

TEST_F(CompileErrors, EachFaultShowsItsMessage) {
    const struct {
        const char* text;
        std::string message;
        int mode = kModePlain;
    } cases[] = {
        {"x+$", "No ha finalizado el ingreso"},
        {"*x", "Expresi\xF3n superior es inv\xE1lida."},
        {"!x", "Expresi\xF3n superior es inv\xE1lida."},
        {"x+", "Final de expresi\xF3n es inv\xE1lida."},
        {"2sin", "Final de expresi\xF3n es inv\xE1lida."},
        {"(x", "Insuficiente \")\""},
        {"sin(x^(y^(2", "Insuficiente \")\""},
        {"x)", "Muy grande \")\""},
        {")x(", "No hay correspondecia de Par\xE9ntesis."},
        {"--x", "El uso de signos de operaci\xF3n (+,-,*,/,^) es ilegal."},
        {"e^-x", "El uso de signos de operaci\xF3n (+,-,*,/,^) es ilegal."},
        {"(+)", "El uso de signos de operaci\xF3n (+,-,*,/,^) es ilegal."},
        {"(!x)", "El uso de la funci\xF3n (!,\xB0.x,.y,.r) es ilegal."},
        {"2 3", "Posici\xF3n inv\xE1lida del n\xFAmero"},
        {"x2", "Posici\xF3n inv\xE1lida del n\xFAmero"},
        {"y0", "Posici\xF3n inv\xE1lida del n\xFAmero"},
        {"123456789012345678901", "Muchos n\xFAmeros decimales( deben ser menor a 20)"},
        {"1.2.3", "La posici\xF3n del punto decimal es ilegal."},
        {"Step(2)", "\"Step\": par\xE1metro inv\xE1lido"},
        {"Sum(x,1,3,x)", "\"Sum\": par\xE1metro inv\xE1lido"},
        {"Product(2,1,3,x)", "\"Product\": par\xE1metro inv\xE1lido"},
        {"Sum(k,1,3)", "Sum" + kTooFew},
        {"cof(1,x,2)", "cof" + kTooMany},
        {"det(1,2,3)", kTooMany},
        {"x,y", kTooMany},
        {"(,)", kTooFew},
        {"Sum(k,1,3,(1,2)", "Insuficiente \")\""},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(compileText(c.text, c.mode)) << c.text;
        EXPECT_EQ(messages(), c.message) << c.text;
        EXPECT_TRUE(last.code.empty()) << c.text;
    }
}

TEST_F(CompileErrors, AFailedCompileKeepsTheTextAndEmptiesTheCode) {
    ASSERT_TRUE(compileText("x+1"));
    ASSERT_FALSE(last.code.empty());
    last.tokens = last.tokens + tokenChar(Token::Plus);
    EXPECT_FALSE(compile(last, kModePlain, true, env()));
    EXPECT_TRUE(last.code.empty());
    EXPECT_EQ(last.source, "x+1");
}

TEST_F(CompileErrors, SilentCompileShowsOnlyConstantsAndAggregateCounts) {
    for (const char* quiet : {"x+", "det(1,2,3)", "Step(2)", "x+$"}) {
        box.entries.clear();
        setSource(last, quiet, kModePlain, env());
        EXPECT_TRUE(box.entries.empty()) << quiet;
    }
    // Without messages the surplus of det is not looked for.
    EXPECT_TRUE(setSource(last, "det(1,2,3)", kModePlain, env()));
    box.entries.clear();
    EXPECT_FALSE(setSource(last, "Sum(k,1,3)", kModePlain, env()));
    EXPECT_EQ(messages(), "Sum" + kTooFew);
}

TEST_F(CompileErrors, MissingAndSurplusOperandsAreBothReported) {
    CompiledExpression r;
    setWholeNumberSlots(r.constText, r.constValue);
    // "+" with nothing under it, then one value too many left at the end.
    r.code = std::string(1, tokenChar(Token::Plus)) + tokenChar(Token::X) + tokenChar(Token::X);
    EXPECT_FALSE(arityCheck(r, box));
    EXPECT_EQ(messages(), kTooFew + "|" + kTooMany);
}

TEST_F(CompileErrors, DeepNestingIsRefused) {
    const std::string deep = std::string(201, '(') + "x" + std::string(201, ')');
    EXPECT_FALSE(compileText(deep));
    EXPECT_EQ(messages(), "Demasiados par\xE9ntesis anidados");
    const std::string fine = std::string(60, '(') + "x" + std::string(60, ')');
    EXPECT_TRUE(compileText(fine)) << messages();
    EXPECT_EQ(codeNames(), "x");
}

std::string repeated(const std::string& piece, int n) {
    std::string out;
    for (int k = 0; k < n; ++k) out += piece;
    return out;
}

// Every operator, sign and application builds a group of its own around its operand, so a
// long chain of them nests as deep as a long chain of typed brackets. The chains here stay
// within the length the compiler takes where they can, so that it is their depth that is
// refused.
TEST_F(CompileErrors, ChainsThatBuildDeepGroupsAreRefusedInEveryMode) {
    const std::string tooDeep = "Demasiados par\xE9ntesis anidados";
    const struct {
        std::string text;
        bool compiles;
    } cases[] = {
        {"x" + repeated("!", 1200), false},
        {repeated("_", 1200) + "x", false},
        {repeated("sin ", 1200) + "x", false},
        {"x" + repeated("^x", 1200), false},
        {"x" + repeated("/x", 1999), false},
        {"x" + repeated("^x!", 1300), false},
        {repeated("x/x^", 2000) + "x", false}, // too deep, and too long before that
        {repeated("sin(x^(x!", 100) + repeated("))", 100) + repeated("!", 3000), false},
        {"x" + repeated("/x", 800), true},
        {repeated("sin(", 200) + repeated("x!+", 1000) + "x" + repeated(")", 200), true},
        {repeated("abs(", 150) + "x" + repeated(")", 150) + repeated("!", 1200), false},
        {"x" + repeated("!", 300), true},
        {repeated("sin ", 300) + "x", true},
        {repeated("(", 200) + "x!" + repeated(")", 200), true},
        {"x" + repeated("+x", 1999), true},
        {"x" + repeated("<x", 1999), true},
        // Longer than the compiler takes, however flat: refused with the same message.
        {"x" + repeated("+x", 2000), false},
    };
    for (const auto& c : cases) {
        for (int mode : {kModePlain, kModeExplicit, kModeRelation, 1}) {
            EXPECT_EQ(compileText(c.text, mode), c.compiles) << c.text.substr(0, 20) << mode;
            if (!c.compiles) {
                EXPECT_EQ(messages(), tooDeep) << c.text.substr(0, 20) << mode;
            }
        }
    }
}

TEST(ArgumentsTaken, CountsOfMultiArgumentFunctions) {
    EXPECT_EQ(argumentsTaken(Token::Det, 3), 2);
    EXPECT_EQ(argumentsTaken(Token::Det, 4), 4);
    EXPECT_EQ(argumentsTaken(Token::Len, 1), 1);
    EXPECT_EQ(argumentsTaken(Token::Len, 3), 2);
    EXPECT_EQ(argumentsTaken(Token::Rot, 2), 2);
    EXPECT_EQ(argumentsTaken(Token::Rot, 5), 3);
    EXPECT_EQ(argumentsTaken(Token::Proj, 3), 4);
    EXPECT_EQ(argumentsTaken(Token::Proj, 5), 5);
    EXPECT_EQ(argumentsTaken(Token::Proj, 9), 6);
    EXPECT_EQ(argumentsTaken(Token::Bezier, 2), 3);
    EXPECT_EQ(argumentsTaken(Token::Bezier, 7), 5);
    EXPECT_EQ(argumentsTaken(Token::Solut4, 6), 6);
    EXPECT_EQ(argumentsTaken(Token::Max, 20), 14);
}

} // namespace
