#include "document/Calculator.h"
#include "ProjectFixture.h"

using namespace tarlix;

namespace {
struct CalculatorTest : tarlix::testing::ProjectTest {
    Calculator calc;
    std::string typed(const std::string& text) {
        calc.edit(text, static_cast<int>(text.size()), project.engine);
        return calc.equal(ctx);
    }
};
} // namespace

// The result formats: a number, a pair, "error" for what is undefined (x has no value here),
// an exponent as a power of ten; nothing when the text does not compile.
TEST_F(CalculatorTest, ResultsAreWrittenAsTheCalculatorShowsThem) {
    const struct {
        const char* text;
        const char* result;
    } cases[] = {
        {"1/4", "0.25"},
        {"(1,2)", "(1,2)"},
        {"x+1", "error"},
        {"2^40", "1099511627776"},
        {"10^(-7)", "1*10^(-7)"},
        {"a+b", "2"}, // a new project's parameters
        {"@+1", "1"},
    };
    for (const auto& c : cases) EXPECT_EQ(typed(c.text), c.result) << c.text;
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(typed("1+"), "");
    EXPECT_FALSE(messages.entries.empty());
}

// A number result replaces the expression when it is sent; any other result leaves it.
TEST_F(CalculatorTest, ANumberResultIsSentInsteadOfTheText) {
    typed("2*3");
    EXPECT_EQ(calc.textToSend(), "6");
    typed("(1,2)");
    EXPECT_EQ(calc.textToSend(), "(1,2)");
    calc.edit("2*3", 3, project.engine);
    EXPECT_EQ(calc.textToSend(), "2\xB7"
                                 "3"); // typing cleared the result; "*" is the dot
}

// The tokenizer cleans the text and the cursor keeps its place in it; typing that runs more
// than four characters ahead of what was recognised swallows every fourth key.
TEST_F(CalculatorTest, EditingCleansTheTextAndCountsUnrecognisedTyping) {
    const Calculator::Edit e = calc.edit("  2sin  x", 9, project.engine);
    EXPECT_EQ(e.text, "2sin x");
    EXPECT_EQ(e.cursor, 6);
    int swallowed = 0;
    std::string text = "x+";
    for (int i = 0; i < 12; ++i) {
        text += "\x81"; // a byte the tokenizer does not take
        calc.edit(text, static_cast<int>(text.size()), project.engine);
        if (calc.swallowsKey()) ++swallowed;
    }
    EXPECT_GT(swallowed, 0);
    calc.edit("x+1", 3, project.engine);
    EXPECT_EQ(calc.typingCounter(), 0);
}

// A user function that would refer back to itself is refused with the message and nothing
// changes, not even the undo history.
TEST_F(CalculatorTest, ACircularUserFunctionIsRefused) {
    ASSERT_TRUE(defineUserFunction(ctx, 1, "x^2"));
    ASSERT_TRUE(defineUserFunction(ctx, 2, "f(x)+1"));
    const int steps = hooks.undoSteps();
    messages.entries.clear();
    EXPECT_FALSE(defineUserFunction(ctx, 1, "g(x)*2"));
    EXPECT_EQ(project.userFunctions[1].source, "x^2");
    EXPECT_EQ(hooks.undoSteps(), steps);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Referir a la circulation of function");
}

// "area" answers the bounds of the calculator's own view, so a moved view moves the answers;
// an index outside 0..3 stays undefined.
TEST_F(CalculatorTest, AreaGivesTheBoundsOfTheView) {
    view.xAxis.low = -3;
    view.yAxis.low = -2;
    view.xAxis.high = 7;
    view.yAxis.high = 5;
    const struct {
        const char* text;
        const char* result;
    } cases[] = {
        {"area(0)", "-3"}, {"area(1)", "-2"},  {"area(2)", "7"},
        {"area(3)", "5"},  {"area(2.4)", "7"}, {"area(4)", "error"},
    };
    for (const auto& c : cases) EXPECT_EQ(typed(c.text), c.result) << c.text;
}
