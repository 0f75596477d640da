#include "expression/functions/Power.h"
#include "expression/functions/ValueChecks.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

Value power(const Value& a, const Value& b, bool complexMode = false) {
    EngineSettings s;
    s.complexMode = complexMode;
    return powerValues(a, b, s);
}

} // namespace

TEST(Power, RealPowersAreExactWhereTheyCanBe) {
    const struct {
        Extended a, b, expected;
    } cases[] = {
        {2, 10, 1024},     {2, -2, 0.25L},      {-2, 3, -8},
        {-2, -3, -0.125L}, {-3, 4, 81},         {0, 0, 1},
        {0, 2.5L, 0},      {2, 30, 1073741824}, {-2, 31, -2147483648.0L},
        {10, 25, 1e25L},   {1.5L, 2, 2.25L},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(isReal(power(R(c.a), R(c.b)), c.expected))
            << static_cast<double>(c.a) << " ^ " << static_cast<double>(c.b);
    EXPECT_TRUE(isReal(power(R(2), R(0.5L)), std::sqrt(2.0L), 1e-18L));
}

TEST(Power, UndefinedAndTypeErrorCases) {
    EXPECT_TRUE(isUndefined(power(R(-8), R(1.0L / 3))));
    EXPECT_TRUE(isUndefined(power(R(0), R(-1))));
    EXPECT_TRUE(isUndefined(power(R(10), R(5000))));
    EXPECT_TRUE(isReal(power(P(3, 4), R(2)), 25));
    EXPECT_TRUE(isTypeError(power(P(3, 4), R(3))));
    EXPECT_TRUE(isTypeError(power(R(2), P(1, 0))));
    EXPECT_TRUE(isUndefined(power(makeUndefined(ValueKind::Real), R(2))));
}

TEST(Power, ComplexModeKeepsImaginaryParts) {
    const Value root = power(R(-1), R(0.5L), true);
    EXPECT_TRUE(isPair(root, 0, 1, 1e-18L));
    // A whole power of a negative real stays a real without a stray imaginary part.
    EXPECT_TRUE(isReal(power(R(-2), R(21), true), -2097152));
    EXPECT_TRUE(isReal(power(R(2), R(0.5L), true), std::sqrt(2.0L), 1e-18L));
    EXPECT_TRUE(isPair(power(P(0, 1), R(2), true), -1, 0));
    EXPECT_TRUE(isPair(power(P(1, 1), R(-1), true), 0.5L, -0.5L, 1e-18L));
    EXPECT_TRUE(isPair(power(P(0, 0), R(0), true), 1, 0));
    EXPECT_TRUE(isUndefined(power(P(0, 0), R(-1), true)));
    // e^(i pi) = -1
    EXPECT_TRUE(isPair(power(R(std::exp(1.0L)), P(0, 3.14159265358979323846264338327950288L), true),
                       -1, 0, 1e-18L));
}

TEST(Power, ReversedPowerSwapsOperands) {
    EngineSettings s;
    EXPECT_TRUE(isReal(reversedPowerValues(R(2), R(3), s), 9));
}
