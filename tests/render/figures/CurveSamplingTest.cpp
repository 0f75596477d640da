#include "FigureFixture.h"

#include <cmath>
#include <numbers>

using namespace tarlix;
using namespace tarlix::testing;

TEST_F(FigureTest, ACurveIsSampledFromLowToHighAndEndsOnHigh) {
    store(1, curve(1, "2cos t", "sin(a t)", 0.5));
    update();
    const CurveCache& cache = view.curveCaches[1];
    // t = 0, 0.5, ..., 6, then 2 pi itself.
    ASSERT_EQ(cache.count, 14);
    EXPECT_EQ(cache.paramIndex, 10);
    for (int i = 1; i <= cache.count; ++i) {
        const CurveSample s = cache.sample(i);
        const Extended t = i < 14 ? (i - 1) * 0.5L : 2 * std::numbers::pi_v<Extended>;
        EXPECT_NEAR(static_cast<double>(s.t), static_cast<double>(t), 1e-15) << i;
        // The rows give what the stack machine gives at the same t.
        parameters.value(10) = s.t;
        const Value v = evaluator.figureValue(1, FigurePart::Whole);
        EXPECT_TRUE(s.valid);
        EXPECT_NEAR(static_cast<double>(s.x), static_cast<double>(v.x), 1e-15) << i;
        EXPECT_NEAR(static_cast<double>(s.y), static_cast<double>(v.y), 1e-15) << i;
    }
}

// The parameter values are kept between samplings of one curve: a new range or step, even one
// read from a parameter, must give new ones.
TEST_F(FigureTest, ANewRangeOrStepGivesNewParameterValues) {
    store(1, curve(1, "t", "a t", 0.5, "0", "b"));
    const struct {
        Extended b, step;
        int count;
        Extended last;
    } cases[] = {
        {1, 0.5L, 3, 1}, {1, 0.5L, 3, 1}, {2, 0.5L, 5, 2}, {2, 0.25L, 9, 2}, {1, 0.25L, 5, 1}};
    for (const auto& k : cases) {
        project.parameters[2].value = k.b;
        project.figures[1].paramStep = k.step;
        redraw.markDirty(static_cast<std::uint8_t>(figureToken(1)));
        update();
        const CurveCache& cache = view.curveCaches[1];
        ASSERT_EQ(cache.count, k.count) << static_cast<double>(k.b);
        EXPECT_EQ(cache.sample(2).t, k.step);
        EXPECT_EQ(cache.sample(cache.count).t, k.last);
        EXPECT_EQ(cache.sample(cache.count).x, k.last);
    }
}

TEST_F(FigureTest, ACurveWithoutAProperRangeHasNoSamples) {
    store(1, curve(1, "t", "t", 0));                 // no step
    store(2, curve(2, "t", "t", 0.1, "3", "3"));     // low = high
    store(3, curve(3, "t", "t", 0.1, "4", "1"));     // low > high
    store(4, curve(4, "t", "t", 0.1, "ln(0)", "1")); // low undefined
    store(5, curve(5, "t", "t", -0.1));              // negative step
    update();
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(view.curveCaches[n].count, 0) << n;
    RecordingCanvas c(200, 200);
    drawCurves(drawing(&c), project.figures);
    EXPECT_TRUE(c.polylines().empty());
}

TEST_F(FigureTest, SamplingStopsAtTheCapacityOfTheCache) {
    store(1, curve(1, "t", "t", 0.0001, "0", "1")); // 10001 steps
    store(2, curve(2, "t", "t", 1e-30L, "0", "1")); // steps that barely move t
    update();
    for (int n : {1, 2}) {
        const CurveCache& cache = view.curveCaches[n];
        EXPECT_EQ(cache.count, curveSampleCapacity) << n;
        EXPECT_LT(cache.sample(curveSampleCapacity).t, 1) << "the high end is cut off";
    }
    EXPECT_NEAR(static_cast<double>(view.curveCaches[1].sample(5000).t), 0.4999, 1e-12);
}

TEST_F(FigureTest, APolarCurveWithForbiddenNegativeRadiiHasGaps) {
    project.engine.circleMode = CircleMode::NegativeRadiusUndefined;
    FigureEntry f = polar(1, "cos@", 0.75);
    f.paramHigh.source = "6";
    store(1, f);
    update();
    const CurveCache& cache = view.curveCaches[1];
    ASSERT_EQ(cache.count, 9);
    // θ = 0, 0.75, ..., 5.25, 6: cos θ is negative from 2.25 to 4.5.
    const bool expected[] = {true, true, true, false, false, false, false, true, true};
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(cache.sample(i).valid, expected[i - 1]) << i;
    EXPECT_NEAR(static_cast<double>(cache.sample(2).x), std::pow(std::cos(0.75), 2), 1e-15);
}

TEST_F(FigureTest, OnlyDirtyCurvesAreResampled) {
    store(1, curve(1, "a cos t", "sin t", 0.5));
    store(2, curve(2, "b cos t", "sin t", 0.5));
    update();
    project.parameters[1].value = 3;
    project.parameters[2].value = 3;
    redraw.clear();
    markChanged(project, redraw, parameterToken(1));
    copyToEvaluator(project.parameters, parameters);
    curves.update(project.figures, false);
    EXPECT_NEAR(static_cast<double>(view.curveCaches[1].sample(1).x), 3, 1e-15);
    EXPECT_NEAR(static_cast<double>(view.curveCaches[2].sample(1).x), 1, 1e-15)
        << "b's curve was not dirty";
    // Moving its own parameter does not make a curve dirty.
    redraw.clear();
    markChanged(project, redraw, parameterToken(10));
    EXPECT_FALSE(redraw.isDirty(static_cast<std::uint8_t>(figureToken(1))));
}
