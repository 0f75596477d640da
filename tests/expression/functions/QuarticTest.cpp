#include "expression/functions/Quartic.h"
#include "expression/functions/ValueChecks.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

Value solut4(std::initializer_list<Extended> values, bool complexMode = false) {
    EngineSettings s;
    s.complexMode = complexMode;
    ValueArray args;
    for (Extended v : values) args.push_back(R(v));
    return solut4Value(args, s);
}

// (x - r1)(x - r2)(x - r3)(x - r4) as coefficients.
QuarticCoefficients fromRoots(Extended r1, Extended r2, Extended r3, Extended r4) {
    const Extended s1 = r1 + r2 + r3 + r4;
    const Extended s2 = r1 * r2 + r1 * r3 + r1 * r4 + r2 * r3 + r2 * r4 + r3 * r4;
    const Extended s3 = r1 * r2 * r3 + r1 * r2 * r4 + r1 * r3 * r4 + r2 * r3 * r4;
    return {1, -s1, s2, -s3, r1 * r2 * r3 * r4};
}

} // namespace

TEST(Quartic, FourRealRootsInAscendingOrder) {
    EXPECT_TRUE(isReal(solut4({1, 0, -5, 0, 4, 1}), -2));
    EXPECT_TRUE(isReal(solut4({1, 0, -5, 0, 4}), -2));
    EXPECT_TRUE(isReal(solut4({1, 0, -5, 0, 4, 3}), 1));
    EXPECT_TRUE(isReal(solut4({1, 0, -5, 0, 4, 4}), 2));
    EXPECT_TRUE(isUndefined(solut4({1, 0, -5, 0, 4, 5})));
    // Uneven roots with an odd part exercise the resolvent cubic; the result is exact to
    // extended precision.
    const Extended roots[] = {-3.25L, 0.5L, 1.75L, 7};
    const std::vector<Complex> found = polynomialRoots(fromRoots(-3.25L, 7, 0.5L, 1.75L), false);
    ASSERT_EQ(found.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(static_cast<double>(found[i].re), static_cast<double>(roots[i]), 1e-17);
    const QuarticCoefficients scaled{-2, 0, 10, 0, -8}; // -2 (x^4 - 5x^2 + 4)
    EXPECT_TRUE(isReal(polynomialRoot(scaled, 2, false), -1, 1e-18L));
}

TEST(Quartic, ClusteredRootsSurviveTheCoarseResolvent) {
    // (x^2 - 2a x + a^2 + b^2)(x - r3)(x - r4): roots this close together make the
    // resolvent's constant smaller than 1e-8.
    const Extended a = 5.52879L, b = 0.0638556L, r3 = 5.54248L, r4 = 5.58726L;
    const Extended n = a * a + b * b, s = r3 + r4, p = r3 * r4;
    const QuarticCoefficients c{1, -s - 2 * a, p + 2 * a * s + n, -2 * a * p - n * s, n * p};
    const std::vector<Complex> found = polynomialRoots(c, true);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_TRUE(isPair(pairOf(found[0]), a, -b, 1e-12L));
    EXPECT_TRUE(isPair(pairOf(found[1]), a, b, 1e-12L));
    EXPECT_NEAR(static_cast<double>(found[2].re), static_cast<double>(r3), 1e-12);
    EXPECT_NEAR(static_cast<double>(found[3].re), static_cast<double>(r4), 1e-12);
}

TEST(Quartic, CoefficientsOfVeryDifferentSizes) {
    // 1e-30 x^4 + x^3 - 3x^2 + 2x: a huge root beside 0, 1 and 2.
    const QuarticCoefficients c{1e-30L, 1, -3, 2, 0};
    EXPECT_TRUE(isReal(polynomialRoot(c, 1, false), -1e30L, 1e12L));
    const Value zero = polynomialRoot(c, 2, false);
    EXPECT_TRUE(isReal(zero, 0, 1e-18L));
    EXPECT_FALSE(std::signbit(zero.x));
    EXPECT_TRUE(isReal(polynomialRoot(c, 3, false), 1, 1e-18L));
    EXPECT_TRUE(isReal(polynomialRoot(c, 4, false), 2, 1e-18L));
}

TEST(Quartic, DoubleRootsCountTwice) {
    // (x - 1)^2 (x + 1)(x + 2)
    const std::vector<Complex> found = polynomialRoots(fromRoots(1, 1, -1, -2), false);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_NEAR(static_cast<double>(found[0].re), -2, 1e-17);
    EXPECT_NEAR(static_cast<double>(found[1].re), -1, 1e-17);
    EXPECT_NEAR(static_cast<double>(found[2].re), 1, 1e-12);
    EXPECT_NEAR(static_cast<double>(found[3].re), 1, 1e-12);
    EXPECT_TRUE(isReal(solut4({1, -2, 1, 0, 0, 4}), 1, 1e-12L)); // x^2 (x - 1)^2
    // Roots 1 +- 1e-9 i lie within the tolerance of the real axis and count as a double
    // root; 1 +- 1e-7 i do not.
    EXPECT_TRUE(isReal(solut4({0, 0, 1, -2, 1 + 1e-18L, 2}), 1, 1e-12L));
    EXPECT_TRUE(isUndefined(solut4({0, 0, 1, -2, 1 + 1e-14L, 1})));
    EXPECT_TRUE(isPair(solut4({0, 0, 1, -2, 1 + 1e-14L, 1}, true), 1, -1e-7L, 1e-12L));
}

TEST(Quartic, ComplexRootsOnlyWithComplexMode) {
    EXPECT_TRUE(isUndefined(solut4({0, 0, 1, 0, 1, 1})));
    EXPECT_TRUE(isPair(solut4({0, 0, 1, 0, 1, 1}, true), 0, -1));
    EXPECT_TRUE(isPair(solut4({0, 0, 1, 0, 1, 2}, true), 0, 1));
    // (x^2 + 1)(x - 3)(x + 2): two real roots, then the complex pair by real part.
    const QuarticCoefficients mixed{1, -1, -5, -1, -6};
    EXPECT_TRUE(isReal(polynomialRoot(mixed, 1, false), -2, 1e-18L));
    EXPECT_TRUE(isReal(polynomialRoot(mixed, 2, false), 3, 1e-18L));
    EXPECT_TRUE(isUndefined(polynomialRoot(mixed, 3, false)));
    EXPECT_TRUE(isPair(polynomialRoot(mixed, 2, true), 0, -1, 1e-18L));
    EXPECT_TRUE(isPair(polynomialRoot(mixed, 3, true), 0, 1, 1e-18L));
    EXPECT_TRUE(isReal(polynomialRoot(mixed, 4, true), 3, 1e-18L));
    // x^4 + 1: four complex roots at odd eighths of a turn.
    const Extended h = std::sqrt(0.5L);
    EXPECT_TRUE(isPair(polynomialRoot({1, 0, 0, 0, 1}, 1, true), -h, -h, 1e-18L));
    EXPECT_TRUE(isPair(polynomialRoot({1, 0, 0, 0, 1}, 4, true), h, h, 1e-18L));
}

TEST(Quartic, LowerDegreesAndCubics) {
    EXPECT_TRUE(isReal(solut4({0, 0, 0, 2, -3}), 1.5L));
    EXPECT_TRUE(isUndefined(solut4({0, 0, 0, 0, 5})));
    EXPECT_TRUE(isUndefined(solut4({0, 0, 0, 0, 0})));
    // x^3 - 6x^2 + 11x - 6 = (x-1)(x-2)(x-3)
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(isReal(solut4({0, 1, -6, 11, -6, static_cast<Extended>(n)}), n, 1e-18L));
    // x^3 - 1: one real root, two complex ones.
    EXPECT_TRUE(isReal(solut4({0, 1, 0, 0, -1}), 1, 1e-18L));
    EXPECT_TRUE(isUndefined(solut4({0, 1, 0, 0, -1, 2})));
    EXPECT_TRUE(isPair(solut4({0, 1, 0, 0, -1, 1}, true), -0.5L, -std::sqrt(0.75L), 1e-18L));
    EXPECT_TRUE(isUndefined(solut4({1, 0, -5, 0, 4, 0})));
}
