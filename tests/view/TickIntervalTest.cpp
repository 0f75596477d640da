#include "view/View.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>

using namespace tarlix;

namespace {
constexpr Extended pi = std::numbers::pi_v<Extended>;

Axis makeAxis(Extended low, Extended high, int number, Extended base = 1) {
    Axis a;
    a.pixelLength = 400;
    a.setRange(high, low);
    a.divisions = number;
    a.base = base;
    a.recompute();
    return a;
}
} // namespace

TEST(TickInterval, LargestStepOfTheSequenceNotAboveTheDivision) {
    struct Case {
        Extended low, high;
        int number;
        Extended base;
        Extended step;
    };
    const Case cases[] = {
        {-5, 5, 7, 1, 1},         {-5, 5, 40, 1, 0.2L},     {0, 1000, 7, 1, 100},
        {-5, 5, 1, 1, 10},        {0, 0.001L, 7, 1, 1e-4L}, {0, 35, 7, 2, 4}, // base 2: 20, 10, 4
        {-10, 10, 7, pi, pi / 2}, {0, 360, 7, 180, 45},     {0, 360, 40, 90, 7.5L},
        {0, 50, 10, 180, 3},      {0, 12, 10, 180, 1},      {0, 4000, 10, 180, 360},
        {0, 60, 7, 45, 4.5L}, // 45 is not an angle base: 45, 22.5, 9, 4.5
    };
    for (const Case& c : cases) {
        const Extended step = tickInterval(c.low, c.high, c.number, c.base);
        EXPECT_NEAR(static_cast<double>(step / c.step), 1.0, 1e-15)
            << static_cast<double>(c.high) << " / " << c.number << " base "
            << static_cast<double>(c.base);
    }
    EXPECT_EQ(makeAxis(-5, 5, 7).tickInterval(), 1);
    EXPECT_EQ(makeAxis(-5, 5, 40).tickInterval(), 0.2L);
    EXPECT_EQ(makeAxis(-5, 5, 0).tickInterval(), 10000000) << "no tick inside the range";
}

TEST(TickInterval, DegenerateInputsEndTheLoops) {
    EXPECT_EQ(tickInterval(-5, 5, 7, 0), 0);
    EXPECT_LE(tickInterval(-5, 5, 7, -1), 0);
    EXPECT_GT(tickInterval(3, 3, 7, 1), 0);
    EXPECT_GE(tickInterval(-1e4000L, 1e4000L, 1, 1e-4000L), 0);
}

TEST(TickInterval, AngleBasesAreRationalMultiplesOfPiOrRightAngles) {
    struct Case {
        Extended base;
        bool angle;
    };
    const Case cases[] = {{pi, true},  {pi / 2, true}, {2 * pi / 3, true}, {90, true},
                          {180, true}, {1, false},     {45, false},        {360, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(isAngleBase(c.base), c.angle) << static_cast<double>(c.base);
    }
}

TEST(TickInterval, ContinuedFractionFindsShortFractions) {
    struct Case {
        Extended value;
        bool rational;
        std::int64_t numerator, denominator;
    };
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Case cases[] = {
        {0.5L, true, 1, 2},
        {-0.75L, true, 3, 4},
        {1.0L / 3, true, 1, 3},
        {2, true, 2, 1},
        {0, true, 0, 1},
        {355.0L / 113, true, 355, 113},
        {55.0L / 89, true, 55, 89}, // ten terms
        {89.0L / 144, false, 0, 0}, // eleven terms
        {0.999999999999L, true, 1, 1},
        {1e-9L, true, 0, 1},
        {1 / pi, false, 0, 0},
        {1e20L, false, 0, 0},
        {nan, false, 0, 0},
        {std::numeric_limits<Extended>::infinity(), false, 0, 0},
    };
    for (const Case& c : cases) {
        Fraction f;
        ASSERT_EQ(rationalOf(c.value, f), c.rational) << static_cast<double>(c.value);
        if (!c.rational) continue;
        EXPECT_EQ(f.numerator, c.numerator) << static_cast<double>(c.value);
        EXPECT_EQ(f.denominator, c.denominator) << static_cast<double>(c.value);
    }
}

TEST(TickInterval, MoreAndFewerTicksStepUntilTheIntervalChanges) {
    RedrawState rs;
    Axis a = makeAxis(-5, 5, 7);
    a.redraw = &rs;
    a.moreTicks(); // 8, 9 and 10 divisions still give 1
    EXPECT_EQ(a.divisions, 11);
    EXPECT_EQ(a.tickInterval(), 0.5L);
    EXPECT_TRUE(rs.ticksChanged);
    a.fewerTicks();
    EXPECT_EQ(a.divisions, 10);
    EXPECT_EQ(a.tickInterval(), 1);

    rs.clear();
    a.divisions = 40;
    a.moreTicks();
    EXPECT_EQ(a.divisions, 40);
    EXPECT_FALSE(rs.ticksChanged) << "at 40 nothing changes";
    a.divisions = 1;
    a.fewerTicks();
    EXPECT_EQ(a.divisions, 1);
    EXPECT_FALSE(rs.ticksChanged);
    a.divisions = 0;
    a.moreTicks();
    EXPECT_EQ(a.divisions, 1);
}

TEST(TickInterval, ClampNumberKeepsDivisionsBetweenOneAndForty) {
    const int in[] = {-3, 0, 1, 17, 40, 41, 1000};
    const int out[] = {1, 1, 1, 17, 40, 40, 40};
    for (std::size_t i = 0; i < std::size(in); ++i) {
        int n = in[i];
        Axis::clampNumber(n);
        EXPECT_EQ(n, out[i]) << in[i];
    }
}

TEST(TickInterval, SnapToTickRoundsHalvesAwayFromZero) {
    const Axis a = makeAxis(-5, 5, 7); // 40 pixels per unit, ticks every 1
    EXPECT_EQ(a.snapToTick(250), 1);   // 1.25
    EXPECT_EQ(a.snapToTick(260), 2);   // 1.5
    EXPECT_EQ(a.snapToTick(140), -2);  // -1.5
    EXPECT_NEAR(static_cast<double>(makeAxis(-5, 5, 40).snapToTick(250)), 1.2, 1e-15);
}
