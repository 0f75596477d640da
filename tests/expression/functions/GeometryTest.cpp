#include "expression/functions/Angles.h"
#include "expression/functions/Constructions.h"
#include "expression/functions/Curves.h"
#include "expression/functions/Measures.h"
#include "expression/functions/ValueChecks.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

constexpr Extended kTight = 1e-18L;
const Value kUndefinedReal = makeUndefined(ValueKind::Real);

EngineSettings degrees() {
    EngineSettings s;
    s.angleMode = AngleMode::Degrees;
    return s;
}

} // namespace

TEST(Geometry, MeasuresAcceptPointsOrPairsOfReals) {
    const EngineSettings s;
    for (const ValueArray& args :
         {ValueArray{P(3, 4)}, ValueArray{R(3), R(4)}, ValueArray{P(1, 1), P(4, 5)},
          ValueArray{R(1), R(1), R(4), R(5)}})
        EXPECT_TRUE(isReal(lenValue(args), 5)) << args.size() << " arguments";
    EXPECT_TRUE(isUndefined(lenValue({R(1), R(2), R(3)})));
    EXPECT_TRUE(isReal(detValue({P(1, 2), P(3, 4)}), -2));
    EXPECT_TRUE(isReal(detValue({R(1), R(2), R(3), R(4)}), -2));
    EXPECT_TRUE(isReal(inpValue({P(1, 2), P(3, 4)}, s), 11));
    EXPECT_TRUE(isReal(maxValue({R(1), R(5), R(3)}), 5));
    EXPECT_TRUE(isReal(minValue({R(4), kUndefinedReal, R(3)}), 3));
    EXPECT_TRUE(isUndefined(maxValue({R(1), P(9, 9)})));
    EXPECT_TRUE(isUndefined(maxValue({kUndefinedReal})));
}

TEST(Geometry, ArgFollowsAngleAreaAndAngleMode) {
    EngineSettings s;
    EXPECT_TRUE(isReal(argValue({P(0, -1)}, s), 3 * kPi / 2, kTight));
    EXPECT_TRUE(isReal(argValue({P(-1, -1)}, s), 5 * kPi / 4, kTight));
    EXPECT_TRUE(isReal(argValue({P(1, 0), P(0, 0), P(0, 1)}, s), kPi / 2, kTight));
    EXPECT_TRUE(isReal(argValue({P(1, 0), P(0, -1)}, s), 3 * kPi / 2, kTight));
    EXPECT_TRUE(isReal(argValue({R(-1), R(0)}, s), kPi, kTight));
    EXPECT_TRUE(isUndefined(argValue({P(0, 0)}, s)));
    EXPECT_TRUE(isUndefined(argValue({P(1, 1), P(1, 1), P(2, 2)}, s)));
    EXPECT_TRUE(isUndefined(argValue({R(-1)}, s)));
    s.angleArea = AngleArea::MinusPiToPi;
    EXPECT_TRUE(isReal(argValue({P(0, -1)}, s), -kPi / 2, kTight));
    EXPECT_TRUE(isReal(argValue({P(-1, 0)}, s), kPi, kTight));
    s.complexMode = true;
    EXPECT_TRUE(isReal(argValue({R(-1)}, s), kPi, kTight));
    EXPECT_TRUE(isReal(argValue({P(0, 1)}, degrees()), 90, 1e-16L));
}

TEST(Geometry, MidAndRot) {
    EXPECT_TRUE(isPair(midValue({P(0, 0), P(4, 2)}), 2, 1));
    EXPECT_TRUE(isPair(midValue({P(0, 0), P(4, 0), R(1), R(3)}), 1, 0));
    EXPECT_TRUE(isUndefined(midValue({P(0, 0), P(4, 0), R(1), R(-1)})));
    EXPECT_TRUE(isUndefined(midValue({R(0), R(0), R(4), R(2)})));
    const EngineSettings rad;
    EXPECT_TRUE(isPair(rotValue({P(1, 0)}, rad), 0, 1));
    EXPECT_TRUE(isPair(rotValue({P(1, 0), R(90)}, degrees()), 0, 1, kTight));
    EXPECT_TRUE(isPair(rotValue({P(2, 1), P(1, 1), R(kPi)}, rad), 0, 1, kTight));
}

TEST(Geometry, IntersectionsOfLinesAndCircles) {
    const struct {
        const char* what;
        ValueArray args;
        bool defined;
        Extended x, y;
    } cases[] = {
        {"crossing lines", {P(0, 0), P(2, 2), P(0, 2), P(2, 0)}, true, 1, 1},
        {"parallel lines", {P(0, 0), P(1, 0), P(0, 1), P(1, 1)}, false, 0, 0},
        {"a line without direction", {P(1, 1), P(1, 1), P(0, 2), P(2, 0)}, false, 0, 0},
        {"line and circle", {P(-2, 0), P(2, 0), P(0, 0), R(1)}, true, 1, 0},
        {"negative radius picks the other point", {P(-2, 0), P(2, 0), P(0, 0), R(-1)}, true, -1, 0},
        {"circle first", {P(0, 0), R(1), P(-2, 0), P(2, 0)}, true, 1, 0},
        {"tangent line counts as missing", {P(-2, 1), P(2, 1), P(0, 0), R(1)}, false, 0, 0},
        {"two circles", {P(0, 0), R(5), P(6, 0), R(5)}, true, 3, 4},
        {"two circles, other point", {P(0, 0), R(5), P(6, 0), R(-5)}, true, 3, -4},
        {"touching circles", {P(0, 0), R(1), P(2, 0), R(1)}, true, 1, 0},
        {"circles apart", {P(0, 0), R(1), P(3, 0), R(1)}, false, 0, 0},
        {"circle inside circle", {P(0, 0), R(5), P(1, 0), R(1)}, false, 0, 0},
        {"concentric circles", {P(0, 0), R(1), P(0, 0), R(1)}, false, 0, 0},
        {"radius 0 gives the centre", {P(1, 1), R(0), P(2, 1), R(1)}, true, 1, 1},
        {"undefined argument",
         {P(0, 0), P(2, 2), makeUndefined(ValueKind::Pair), P(2, 0)},
         false,
         0,
         0},
    };
    for (const auto& c : cases) {
        const Value r = intrValue(c.args);
        if (c.defined)
            EXPECT_TRUE(isPair(r, c.x, c.y, 1e-18L)) << c.what;
        else
            EXPECT_TRUE(isUndefined(r) && r.kind == ValueKind::Pair) << c.what;
    }
}

TEST(Geometry, PerpendicularsCentresAndRadii) {
    EXPECT_TRUE(isPair(perpValue({P(0, 2), P(-1, 0), P(1, 0)}), 0, 0));
    EXPECT_TRUE(isPair(perpValue({P(1, 0), P(0, 1)}), 0.5L, 0.5L, kTight));
    EXPECT_TRUE(isUndefined(perpValue({P(0, 2), P(1, 0), P(1, 0)})));

    const ValueArray triangle{P(0, 0), P(4, 0), P(0, 3)};
    EXPECT_TRUE(isPair(ccentrValue(triangle), 2, 1.5L, kTight));
    EXPECT_TRUE(isReal(cradValue(triangle), 2.5L, kTight));
    EXPECT_TRUE(isPair(icentrValue(triangle), 1, 1, kTight));
    EXPECT_TRUE(isReal(iradValue(triangle), 1, kTight));
    EXPECT_TRUE(isPair(hcentrValue(triangle), 0, 0, kTight));
    EXPECT_TRUE(isPair(gcentrValue({P(0, 0), P(3, 0), P(0, 3)}), 1, 1, kTight));
    EXPECT_TRUE(isPair(hcentrValue({P(0, 0), P(4, 0), P(1, 3)}), 1, 1, kTight));

    const ValueArray collinear{P(0, 0), P(1, 1), P(2, 2)};
    EXPECT_TRUE(isUndefined(ccentrValue(collinear)));
    EXPECT_TRUE(isUndefined(cradValue(collinear)));
    EXPECT_TRUE(isUndefined(icentrValue({P(1, 1), P(1, 1), P(1, 1)})));
    EXPECT_TRUE(isUndefined(gcentrValue({P(0, 0), R(3)})));
}

TEST(Geometry, TangentPoints) {
    const Value t = ptanValue({P(2, 0), P(0, 0), R(1)});
    ASSERT_TRUE(t.valid);
    EXPECT_NEAR(static_cast<double>(t.x), 0.5, 1e-15);
    EXPECT_NEAR(static_cast<double>(t.x * t.x + t.y * t.y), 1.0, 1e-15);
    const Value other = ptanValue({P(2, 0), R(-1)});
    EXPECT_TRUE(isPair(other, t.x, -t.y, kTight));
    EXPECT_TRUE(isUndefined(ptanValue({P(0.5L, 0), P(0, 0), R(1)})));
    EXPECT_TRUE(isUndefined(ptanValue({P(0, 0), P(0, 0), R(0)})));
}

TEST(Geometry, PathAndBezierCurves) {
    EXPECT_TRUE(isReal(pathValue({R(1.5L), P(1, 1), P(2, 4)}), 2.5L));
    EXPECT_TRUE(isReal(pathValue({R(0.5L), P(-1, 1), P(0, 0), P(2, 4)}), 0.25L, kTight));
    EXPECT_TRUE(isUndefined(pathValue({R(0.5L), P(1, 1), P(1, 4)})));
    EXPECT_TRUE(isUndefined(pathValue({R(0.5L), P(1, 1)})));

    EXPECT_TRUE(isPair(bezierValue({R(0.5L), P(0, 0), P(1, 2), P(2, 0)}), 1, 1));
    EXPECT_TRUE(isPair(bezierValue({R(1), P(0, 0), P(1, 2), P(2, 0), P(7, 3)}), 7, 3));
    EXPECT_TRUE(isPair(bezierValue({R(0.5L), P(0, 0), P(0, 0), P(4, 4), P(4, 4)}), 2, 2));
    EXPECT_TRUE(isUndefined(bezierValue({R(0.5L), P(0, 0), P(1, 1), P(2, 2), P(3, 3), P(4, 4)})));
}

TEST(Geometry, ProjectionParallelAndCentral) {
    const EngineSettings s;
    EXPECT_TRUE(isPair(projValue({R(0), R(1), R(0), R(0), R(0)}, s), 1, 0));
    EXPECT_TRUE(isPair(projValue({R(0), R(0), R(1), R(0), R(0)}, s), 0, 1));
    EXPECT_TRUE(isPair(projValue({R(1), R(1), R(0), R(0), R(0), R(10)}, s), 10.0L / 9, 0, kTight));
    EXPECT_TRUE(isPair(projValue({P(1, 1), R(0), R(0), R(0), R(10)}, s), 10.0L / 9, 0, kTight));
    EXPECT_TRUE(isReal(projzValue({R(1), R(1), R(0), R(0), R(0), R(10)}, s), 1));
    EXPECT_TRUE(isUndefined(projValue({R(10), R(0), R(0), R(0), R(0), R(10)}, s)));
    EXPECT_TRUE(isUndefined(projzValue({R(10), R(0), R(0), R(0), R(0), R(10)}, s)));
    EXPECT_TRUE(isReal(projzValue({R(0), R(1), R(0), R(90), R(0)}, degrees()), 1, kTight));
}
