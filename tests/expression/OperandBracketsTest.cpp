// The passes that bracket the operands of "^", of functions and of "/", and the left operands
// of postfix operators and powers, each run on its own over typed texts. Texts that leave a
// group open matter most: the ")" a pass adds at the end closes the innermost open group
// instead of its own, and later operands must be judged on the text as it has grown, as the
// formula display shows a text while it is being typed.
#include "expression/Calc.h"
#include "expression/NormalisePasses.h"
#include "expression/TokenText.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
enum class Pass { exponents, powerPrefixes, functions, leftOperands };

std::string afterPass(Pass pass, std::string typed) {
    const EngineSettings settings;
    int cursor = 0;
    std::string t = tokenize(typed, cursor, settings);
    if (pass == Pass::exponents) passes::exponentOperands(t);
    if (pass == Pass::powerPrefixes) passes::powerPrefixArguments(t);
    if (pass == Pass::functions) passes::functionOperands(t);
    if (pass == Pass::leftOperands) passes::postfixLeftOperands(t);
    std::string out;
    for (char c : t) out += tokenName(code(c), settings);
    return out;
}

TEST(OperandBrackets, OperandsAreBracketedOnTheTextAsItGrows) {
    const struct {
        const char* behaviour;
        Pass pass;
        const char* typed;
        const char* bracketed;
    } cases[] = {
        {"closed exponents take their run", Pass::exponents, "sin^(2) x^y", "sin^(2) x^(y)"},
        {"an open group alone is bracketed: nothing closes it yet", Pass::exponents, "x^(y",
         "x^((y)"},
        {"the first exponent's ) closes the open group, which is then one group", Pass::exponents,
         "x^x^(y", "x^(x^(y)"},
        {"the same behind a factorial", Pass::exponents, "x^x!^(y", "x^(x!^(y)"},
        {"two operands reach the open group", Pass::exponents, "x^(y)^z(", "x^((y)^(z())"},
        {"a power-prefix function takes the run after its exponent", Pass::powerPrefixes,
         "sin^(2) x^y", "sin^(2)(x^y)"},
        {"that run may reach an open group", Pass::powerPrefixes, "sin^(2)x^(y", "sin^(2)(x^(y)"},
        {"a ) added right after a group ends its operand, so the space after it stays",
         Pass::powerPrefixes, "sin^(2)sin^(3) y", "sin^(2)(sin^(3)) y"},
        {"quotients bracket their right operands", Pass::functions, "2/x/y", "2/(x)/(y)"},
        {"a quotient of an open group", Pass::functions, "2/x/(y", "2/(x)/((y)"},
        {"functions in a row, the last on an open group", Pass::functions, "sin sin(y",
         "sin sin((y)"},
        {"a postfix takes the group before it, and the next one the group built",
         Pass::leftOperands, "((x)!)!", "((((x))!))!"},
        {"powers and postfixes take what the ones before them built", Pass::leftOperands, "a^b!^c",
         "(((a)^b)!)^c"},
        {"a ) that closes no group leaves its postfix without operand", Pass::leftOperands,
         "x)!(y)!", "x)!((y))!"},
        {"the same before a power", Pass::leftOperands, "x)^2", "x)^2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(afterPass(c.pass, c.typed), c.bracketed) << c.behaviour << " (" << c.typed << ")";
}
} // namespace
