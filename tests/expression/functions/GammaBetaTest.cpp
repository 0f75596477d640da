#include "expression/functions/GammaBeta.h"
#include "expression/functions/Angles.h"
#include "expression/functions/ValueChecks.h"
#include "expression/functions/WholeNumber.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

::testing::AssertionResult closeRelative(const Value& v, Extended expected, Extended tolerance) {
    if (v.valid && v.kind == ValueKind::Real && std::fabs(v.x / expected - 1) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << describe(v) << " is not close to " << static_cast<double>(expected);
}

} // namespace

TEST(GammaBeta, GammaReachesExtendedPrecisionAcrossTheShift) {
    const Extended sqrtPi = std::sqrt(kPi);
    EXPECT_TRUE(closeRelative(gammaValue(R(0.5L)), sqrtPi, 1e-18L));
    EXPECT_TRUE(closeRelative(gammaValue(R(-0.5L)), -2 * sqrtPi, 1e-18L));
    EXPECT_TRUE(closeRelative(gammaValue(R(5)), 24, 1e-18L));
    for (Extended x : {0.1L, 3.7L, 16.5L, 17.0L, 30.25L, 100.5L, -7.3L})
        EXPECT_TRUE(closeRelative(gammaValue(R(x)), std::tgamma(x), 2e-17L))
            << static_cast<double>(x);
    EXPECT_TRUE(closeRelative(gammaValue(R(171)), factorialValue(R(170)).x, 1e-17L));
}

TEST(GammaBeta, GammaUndefinedAtPolesAndBeyondTheRange) {
    for (Extended x : {0.0L, -1.0L, -20.0L, 1750.5L, 1700.0L, -1761.5L, -1750.5L})
        EXPECT_TRUE(isUndefined(gammaValue(R(x)))) << static_cast<double>(x);
    EXPECT_TRUE(isUndefined(gammaValue(P(1, 1))));
}

TEST(GammaBeta, BetaCancelsLargeGammaValues) {
    EXPECT_TRUE(closeRelative(betaValue(R(2), R(3)), 1.0L / 12, 1e-18L));
    EXPECT_TRUE(closeRelative(betaValue(R(0.5L), R(0.5L)), kPi, 1e-18L));
    // Beta(a, b) = (a-1)! (b-1)! / (a+b-1)! for whole arguments.
    const Extended expected =
        factorialValue(R(199)).x * factorialValue(R(299)).x / factorialValue(R(499)).x;
    EXPECT_TRUE(closeRelative(betaValue(R(200), R(300)), expected, 1e-16L));
    EXPECT_TRUE(closeRelative(betaValue(R(1e6L), R(2)), 1 / (1e6L * (1e6L + 1)), 1e-9L));
    EXPECT_TRUE(isUndefined(betaValue(R(0), R(1))));
    EXPECT_TRUE(isUndefined(betaValue(R(1), R(-2))));
}
