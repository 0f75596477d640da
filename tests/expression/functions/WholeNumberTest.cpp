#include "expression/functions/WholeNumber.h"
#include "expression/functions/Random.h"
#include "expression/functions/ValueChecks.h"

#include <gtest/gtest.h>

#include <set>

using namespace tarlix;
using namespace tarlix::testing;

TEST(WholeNumber, IntFrcAndRoundOfNegativesAndNearWholes) {
    const struct {
        Extended x, intOf, frcOf, roundOf;
    } cases[] = {
        {3.2L, 3, 0.2L, 3}, {-3.2L, -4, 0.8L, -3}, {2.999999999999L, 3, 0, 3}, {-3, -3, 0, -3},
        {2.5L, 2, 0.5L, 3}, {-2.5L, -3, 0.5L, -3}, {-2.4L, -3, 0.6L, -2},      {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const double x = static_cast<double>(c.x);
        EXPECT_TRUE(isReal(intValue(R(c.x)), c.intOf)) << "int " << x;
        EXPECT_TRUE(isReal(frcValue(R(c.x)), c.frcOf, 1e-18L)) << "frc " << x;
        EXPECT_TRUE(isReal(roundValue(R(c.x)), c.roundOf)) << "round " << x;
    }
    EXPECT_TRUE(isReal(signValue(R(-0.1L)), -1));
    EXPECT_TRUE(isUndefined(intValue(P(1, 1))));
    EXPECT_EQ(roundHalfEven(2.5L), 2);
    EXPECT_EQ(roundHalfEven(3.5L), 4);
    EXPECT_EQ(roundHalfEven(-2.5L), -2);
}

TEST(WholeNumber, FactorialWithinTheRangeRule) {
    EXPECT_TRUE(isReal(factorialValue(R(0)), 1));
    EXPECT_TRUE(isReal(factorialValue(R(20)), 2432902008176640000.0L));
    EXPECT_TRUE(isReal(factorialValue(R(2.5L)), 2)); // rounds halves to even
    EXPECT_TRUE(isReal(factorialValue(R(3.5L)), 24));
    const Value f170 = factorialValue(R(170));
    ASSERT_TRUE(f170.valid);
    EXPECT_NEAR(static_cast<double>(f170.x / 7.257415615307998967e306L), 1.0, 1e-15);
    EXPECT_TRUE(isUndefined(factorialValue(R(1000))));
    EXPECT_TRUE(isUndefined(factorialValue(R(-1))));
    EXPECT_TRUE(isUndefined(factorialValue(R(1751))));
}

TEST(WholeNumber, BinomialsDivisorsAndMultiples) {
    EXPECT_TRUE(isReal(nCrValue(R(6), R(2)), 15));
    EXPECT_TRUE(isReal(nCrValue(R(6), R(0)), 1));
    EXPECT_TRUE(isReal(nCrValue(R(50), R(25)), 126410606437752.0L));
    EXPECT_TRUE(isUndefined(nCrValue(R(5), R(6))));
    EXPECT_TRUE(isUndefined(nCrValue(R(-1), R(0))));
    EXPECT_TRUE(isUndefined(nCrValue(R(100000), R(50000)))); // passes the range limit

    EXPECT_TRUE(isReal(gcmValue(R(6), R(9)), 3));
    EXPECT_TRUE(isReal(gcmValue(R(-6), R(9)), 3));
    EXPECT_TRUE(isUndefined(gcmValue(R(0), R(5))));
    EXPECT_TRUE(isReal(lcmValue(R(6), R(9)), 18));
    EXPECT_TRUE(isReal(lcmValue(R(-6), R(9)), -18));
    EXPECT_TRUE(isUndefined(lcmValue(R(65536), R(65537)))); // beyond 32 bits
    EXPECT_TRUE(isUndefined(lcmValue(R(3e9L), R(2))));
}

TEST(WholeNumber, RndDrawsInItsRangeAndRepeatsForOneSeed) {
    RandomState random(42);
    std::set<Extended> faces;
    for (int i = 0; i < 600; ++i) {
        const Value unit = rndValue(R(1), random);
        ASSERT_TRUE(unit.valid);
        EXPECT_TRUE(unit.x >= 0 && unit.x < 1);
        const Value face = rndValue(R(6.2L), random);
        ASSERT_TRUE(face.valid);
        EXPECT_EQ(face.x, std::trunc(face.x));
        faces.insert(face.x);
    }
    EXPECT_EQ(faces, (std::set<Extended>{0, 1, 2, 3, 4, 5}));
    RandomState first(7), second(7);
    EXPECT_EQ(rndValue(R(1000), first).x, rndValue(R(1000), second).x);
    EXPECT_TRUE(isUndefined(rndValue(R(0.5L), random))); // rounds to 0
    EXPECT_TRUE(isUndefined(rndValue(R(0.4L), random)));
    EXPECT_TRUE(isUndefined(rndValue(R(3e9L), random)));
}
