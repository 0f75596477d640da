#include "expression/eval/NumberText.h"
#include "EvalFixture.h"

namespace tarlix {
namespace {

using NumberText = EvalFixture;

TEST_F(NumberText, NumbersStayExpressionsBecomeTheirValue) {
    struct Case {
        const char* text;
        bool ok;
        Extended value;
        const char* after;
    };
    const Case cases[] = {
        {"2.5", true, 2.5L, "2.5"},
        {" -1e3", true, -1000, " -1e3"},
        {"1/3", true, 1.0L / 3, "0.333333333333"},
        {"2^50", true, 1125899906842624.0L, "1.12589990684E15"},
        {"y=Pi", true, kPi, "3.14159265359"},
        {"x+1", false, 7, "x+1"},
        {"(1,2)", false, 7, "(1,2)"},
        {"1e", true, 2.718281828459045235L, "2.71828182846"}, // one times e
        {"1+", false, 7, "1+"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        Extended value = 7;
        box.entries.clear();
        EXPECT_EQ(numberFromText(text, value, true, evaluator, compileEnv), c.ok) << c.text;
        EXPECT_NEAR(static_cast<double>(value), static_cast<double>(c.value), 1e-15) << c.text;
        EXPECT_EQ(text, c.after);
        EXPECT_EQ(box.entries.size(), c.ok ? 0u : 1u) << c.text;
    }
    EXPECT_EQ(box.entries.back().text, "Tipo de n\xFAmero invalido");
}

TEST_F(NumberText, CalculatorResultText) {
    EXPECT_EQ(calcResultText(makeReal(1e-7L), settings), "1*10^(-7)");
    EXPECT_EQ(calcResultText(makeReal(0.00001L), settings), "0.00001");
    EXPECT_EQ(calcResultText(makeReal(-123456789012345.0L), settings), "-123456789012345");
    EXPECT_EQ(calcResultText(makeReal(1234567890123456.0L), settings), "1.23456789012346*10^(15)");
    EXPECT_EQ(calcResultText(makeUndefined(ValueKind::Pair), settings), "error");
    settings.decimalChar = ',';
    settings.listSeparatorChar = ';';
    EXPECT_EQ(calcResultText(makePair(0.5L, -2), settings), "(0,5;-2)");
}

} // namespace
} // namespace tarlix
