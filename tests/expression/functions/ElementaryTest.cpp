#include "expression/functions/Elementary.h"
#include "expression/functions/Angles.h"
#include "expression/functions/ValueChecks.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

constexpr Extended kTight = 1e-18L;

EngineSettings settings(AngleMode angleMode, bool complexMode = false) {
    EngineSettings s;
    s.angleMode = angleMode;
    s.complexMode = complexMode;
    return s;
}

} // namespace

TEST(Elementary, TrigonometryFollowsTheAngleUnit) {
    const EngineSettings rad = settings(AngleMode::Radians), deg = settings(AngleMode::Degrees);
    EXPECT_TRUE(isReal(sinValue(R(30), deg), 0.5L, kTight));
    EXPECT_TRUE(isReal(sinValue(R(kPi / 6), rad), 0.5L, kTight));
    EXPECT_TRUE(isReal(cosValue(R(60), deg), 0.5L, kTight));
    EXPECT_TRUE(isReal(tanValue(R(45), deg), 1, kTight));
    EXPECT_TRUE(isReal(asinValue(R(1), deg), 90, 1e-16L));
    EXPECT_TRUE(isReal(acosValue(R(-1), rad), kPi, kTight));
    EXPECT_TRUE(isReal(atanValue(R(1), deg), 45, 1e-16L));
    EXPECT_TRUE(isUndefined(asinValue(R(1.0000001L), rad)));
    EXPECT_TRUE(isUndefined(sinValue(P(1, 0), rad)));
    EXPECT_TRUE(isPair(rollValue(R(90), deg), 0, 1, kTight));
}

TEST(Elementary, ComplexArgumentsAreRadiansWhateverTheAngleMode) {
    const EngineSettings s = settings(AngleMode::Degrees, true);
    EXPECT_TRUE(isPair(sinValue(P(0, 1), s), 0, std::sinh(1.0L), kTight));
    EXPECT_TRUE(isPair(cosValue(P(0, 1), s), std::cosh(1.0L), 0, kTight));
    EXPECT_TRUE(isPair(expValue(P(0, kPi), s), -1, 0, kTight));
    EXPECT_TRUE(isPair(coshValue(P(0, kPi), s), -1, 0, kTight));
    EXPECT_TRUE(isPair(tanhValue(P(0, kPi / 4), s), 0, 1, kTight));
    EXPECT_TRUE(isUndefined(expValue(P(0, 1), settings(AngleMode::Radians, false))));
}

TEST(Elementary, LogarithmsInRealAndComplexMode) {
    EngineSettings s = settings(AngleMode::Radians);
    EXPECT_TRUE(isUndefined(lnValue(R(-1), s)));
    EXPECT_TRUE(isUndefined(lnValue(R(0), s)));
    EXPECT_TRUE(isReal(logValue(R(8), s), std::log(8.0L)));
    s.logMode = LogMode::Common;
    EXPECT_TRUE(isReal(logValue(R(1000), s), 3, kTight));
    EXPECT_TRUE(isReal(logBaseValue(R(2), R(8), s), 3));
    EXPECT_TRUE(isReal(logBaseValue(R(10), R(0.001L), s), -3, kTight));
    EXPECT_TRUE(isUndefined(logBaseValue(R(1), R(5), s)));

    s.complexMode = true;
    EXPECT_TRUE(isPair(lnValue(R(-1), s), 0, kPi, kTight));
    EXPECT_TRUE(isReal(lnValue(R(std::exp(1.0L)), s), 1, kTight));
    EXPECT_TRUE(isPair(lnValue(P(0, -1), s), 0, 3 * kPi / 2, kTight)); // AngleArea 1
    s.angleMode = AngleMode::Degrees;
    EXPECT_TRUE(isPair(lnValue(R(-1), s), 0, 180, 1e-16L));
    // The quotient of logarithms stays in radians: log base i of -1 is 2.
    EXPECT_TRUE(isReal(logBaseValue(P(0, 1), R(-1), s), 2, kTight));
}

TEST(Elementary, RootsAndMagnitudes) {
    EngineSettings s = settings(AngleMode::Radians);
    EXPECT_TRUE(isReal(sqrtValue(R(2), s), std::sqrt(2.0L)));
    EXPECT_TRUE(isUndefined(sqrtValue(R(-4), s)));
    s.complexMode = true;
    EXPECT_TRUE(isUndefined(sqrtValue(R(-4), s)));
    s.allowSqrtN = true;
    EXPECT_TRUE(isPair(sqrtValue(R(-4), s), 0, 2));
    EXPECT_TRUE(isReal(cbrtValue(R(-8)), -2));
    EXPECT_TRUE(isReal(cbrtValue(R(27)), 3));
    EXPECT_TRUE(isReal(absValue(P(3, 4)), 5));
    EXPECT_TRUE(isReal(absValue(R(-2.5L)), 2.5L));
    EXPECT_TRUE(isPair(conjValue(P(1, 2)), 1, -2));
    EXPECT_TRUE(isReal(conjValue(R(3)), 3));
    EXPECT_TRUE(isReal(tanhValue(R(20000), s), 1)); // no overflow through sinh / cosh
}
