#include "document/ParameterStepping.h"
#include "ProjectFixture.h"
#include "document/ObjectTokens.h"

#include <cmath>

using namespace tarlix;
using tarlix::testing::ProjectTest;

namespace {
ParameterRec record(Extended value, Extended step, bool additive) {
    ParameterRec p;
    p.value = value;
    p.step = step;
    p.additive = additive;
    return p;
}
} // namespace

TEST(ParameterStep, TenStepsOfATenthLandExactlyOnTwo) {
    ParamTable table;
    table[1].value = 1;
    for (int i = 0; i < 10; ++i) stepParameters(table, 1, true, false);
    EXPECT_EQ(table[1].value, 2.0L);
    // On the way the values were not whole numbers and were left alone.
    for (int i = 0; i < 3; ++i) stepParameters(table, 1, false, false);
    EXPECT_NEAR(static_cast<double>(table[1].value), 1.7, 1e-15);
    EXPECT_NE(table[1].value, std::round(table[1].value));
}

TEST(ParameterStep, AdditiveAndMultiplicativeStepsWithAndWithoutShift) {
    struct Case {
        const char* what;
        ParameterRec p;
        bool up;
        bool finer;
        Extended expected;
    };
    const Case cases[] = {
        {"factor up", record(3, 2, false), true, false, 6},
        {"factor down", record(3, 2, false), false, false, 1.5L},
        {"Shift takes the tenth root of the factor", record(3, 2, false), true, true,
         3 * std::pow(2.0L, 0.1L)},
        {"Shift divides by the tenth root", record(3, 2, false), false, true,
         3 / std::pow(2.0L, 0.1L)},
        {"Shift takes a tenth of the increment", record(1, 0.5L, true), true, true, 1.05L},
        {"increment down", record(1, 0.5L, true), false, false, 0.5L},
        {"a value 1e-9 off a whole number snaps", record(2.999999999L, 1, true), true, false, 4},
        {"a value 1e-7 off a whole number stays", record(2.9999999L, 1, true), true, false,
         3.9999999L},
        {"the snap tolerance scales with the step", record(0.99999995L, 1e-7L, true), true, false,
         1.00000005L},
        {"a factor of 0 divides nothing", record(3, 0, false), false, false, 3},
        {"a negative factor with Shift is used as it is", record(3, -2, false), true, true, -6},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(static_cast<double>(steppedValue(c.p, c.up, c.finer)),
                    static_cast<double>(c.expected), 1e-15)
            << c.what;
}

TEST(ParameterStep, SynchronisedParametersStepTogether) {
    ParamTable table;
    const int a = 1, b = 2, c = 3;
    table[a].sync = table[c].sync = true;
    table[c].step = 2;
    table[c].additive = false;
    EXPECT_EQ(stepParameters(table, a, true, false), (std::vector<int>{a, c}));
    EXPECT_NEAR(static_cast<double>(table[a].value), 1.1, 1e-15);
    EXPECT_EQ(table[b].value, 1);
    EXPECT_EQ(table[c].value, 2);
    // Stepping a parameter that is not synchronised leaves the others alone.
    EXPECT_EQ(stepParameters(table, b, false, false), (std::vector<int>{b}));
    EXPECT_EQ(table[c].value, 2);
    // Any synchronised parameter takes the others along, in the same direction.
    EXPECT_EQ(stepParameters(table, c, false, false), (std::vector<int>{c, a}));
    EXPECT_EQ(table[a].value, 1);
}

TEST(ParameterStep, StepRuleAndModeButton) {
    ParameterRec p = record(1, 0.1L, true);
    EXPECT_FALSE(applyStep(p, 0));
    EXPECT_EQ(p.step, 0.1L);
    EXPECT_TRUE(applyStep(p, -0.5L));
    EXPECT_EQ(p.step, -0.5L); // an increment may be negative
    p.additive = false;
    EXPECT_TRUE(applyStep(p, -3));
    EXPECT_EQ(p.step, 3); // a factor is not

    struct Case {
        const char* what;
        Extended step;
        bool additive;
        Extended expected;
    };
    const Case cases[] = {
        {"0.1 becomes the factor 1.1", 0.1L, true, 1.1L},
        {"the factor 1.1 becomes 0.1 again", 1.1L, false, 0.1L},
        {"the factor 1 would become 0: the step stays", 1, false, 1},
        {"an increment above 1 is kept as the factor", 5, true, 5},
        {"an increment of 1 becomes the factor 2", 1, true, 2},
        {"a negative increment becomes a factor without sign", -3, true, 2},
    };
    for (const Case& c : cases) {
        ParameterRec q = record(1, c.step, c.additive);
        toggleStepMode(q);
        EXPECT_EQ(q.additive, !c.additive) << c.what;
        EXPECT_EQ(q.step, c.expected) << c.what;
    }
    ParameterRec q = record(1, 0.1L, true);
    toggleStepMode(q);
    toggleStepMode(q);
    EXPECT_EQ(q.step, 0.1L);
}

TEST(ParameterStep, RatioLadderAtBothEnds) {
    struct Case {
        Extended step;
        Extended up;
        Extended down;
    };
    const Case cases[] = {
        {0.15L, 0.2L, 0.1L},
        {0.1L, 0.2L, 0.05L},
        {1000, 1000, 500},
        {5000, 5000, 1000},
        {0.001L, 0.002L, 0.001L},
        {0.0005L, 0.001L, 0.0005L},
        {0.1000000000000000055L, 0.2L, 0.05L}, // 0.1 read as a double
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ratioUp(c.step), c.up) << static_cast<double>(c.step);
        EXPECT_EQ(ratioDown(c.step), c.down) << static_cast<double>(c.step);
    }
}

TEST(ParameterStep, SpeedBarAndPeriodBothWays) {
    const std::pair<int, int> positionToPeriod[] = {{0, 0},  {1, 152}, {10, 80},
                                                    {19, 8}, {20, 1},  {25, 1}};
    for (const auto& [position, period] : positionToPeriod)
        EXPECT_EQ(setAnimationSpeed(position), period) << position;
    for (int position = 0; position <= kSpeedPositions; ++position)
        EXPECT_EQ(speedPosition(setAnimationSpeed(position)), position) << position;
    EXPECT_EQ(speedPosition(90), 9);   // a period between two positions shows the nearer one
    EXPECT_EQ(speedPosition(5000), 0); // longer than the slowest position: the bar's end
}

TEST(HeldStepButton, WithoutRepetitionStepsExactlyOnce) {
    FakeClock clock;
    int steps = 0;
    HeldStepLoop loop(clock, [&] { ++steps; });
    EXPECT_EQ(loop.press(0), HeldStepLoop::kStop);
    EXPECT_FALSE(loop.running());
    EXPECT_EQ(loop.resume(true, 0), HeldStepLoop::kStop);
    EXPECT_EQ(steps, 1);
}

TEST(HeldStepButton, WaitsFirstDelayThenThePeriodFromTheStartOfEachStep) {
    FakeClock clock;
    int steps = 0;
    HeldStepLoop loop(clock, [&] {
        ++steps;
        clock.advance(30); // every step takes 30 ms
    });
    EXPECT_EQ(loop.press(80), firstDelay - 30);
    clock.set(500);
    EXPECT_EQ(loop.resume(true, 80), 50);
    clock.set(580);
    loop.resume(true, 20); // a step longer than the period: the next one follows at once
    EXPECT_EQ(loop.resume(true, 20), 0);
    EXPECT_EQ(steps, 4);
    // Released, or the pointer off the button: no further step.
    EXPECT_EQ(loop.resume(false, 80), HeldStepLoop::kStop);
    EXPECT_EQ(loop.resume(true, 80), HeldStepLoop::kStop);
    EXPECT_EQ(steps, 4);
}

TEST_F(ProjectTest, AStepMarksExactlyTheUsersOfTheLetterAndSetsModified) {
    storeY(1, "a x");
    storeY(2, "b x");
    storeY(3, "f(x)");
    storeUserFunction(ctx, 1, expression("a+x"));
    project.modified = false;
    redraw.clear();

    EXPECT_EQ(stepParameter(project, redraw, 1, 1, false), (std::vector<int>{1}));
    for (int n : {1, 3})
        EXPECT_TRUE(redraw.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(n)))) << n;
    EXPECT_FALSE(redraw.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(2))));
    EXPECT_TRUE(project.modified);
    EXPECT_TRUE(redraw.traceRedraw); // afterimages are on

    project.modified = false;
    redraw.clear();
    EXPECT_FALSE(setParameter(project, redraw, 2, 1)); // b is 1 already
    EXPECT_FALSE(project.modified);
    EXPECT_TRUE(setParameter(project, redraw, 2, 4));
    EXPECT_TRUE(redraw.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(2))));
    EXPECT_FALSE(redraw.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(1))));
    EXPECT_TRUE(project.modified);

    for (auto change : std::initializer_list<std::function<void()>>{
             [&] { setStep(project, redraw, 3, 0.5L); },
             [&] { toggleStepMode(project, redraw, 3); },
             [&] { changeRatio(project, redraw, 3, true); }}) {
        project.modified = false;
        change();
        EXPECT_TRUE(project.modified);
    }
    project.modified = false;
    EXPECT_FALSE(setStep(project, redraw, 3, 0)); // 0 keeps the step: nothing changed
    EXPECT_FALSE(project.modified);
}
