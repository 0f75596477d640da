#include "document/ScaleEdit.h"
#include "document/ProjectFixture.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
struct ScaleEditTest : tarlix::testing::ProjectTest {
    void setLevel(int level) {
        for (Axis* a : {&view.xAxis, &view.yAxis}) {
            a->axesVisible = level > 0;
            a->scaleVisible = level > 1;
            a->valueVisible = level > 2;
            a->guideVisible = level > 3;
        }
    }
};
} // namespace

// A click goes one graduation level down and Shift one up, wrapping at both ends; both axes
// take the level, and each step is a redrawn change of the project.
TEST_F(ScaleEditTest, GraduationLevelsStepAndWrap) {
    const struct {
        int from;
        bool up;
        int to;
    } cases[] = {{4, false, 3}, {1, false, 0}, {0, false, 4}, {0, true, 1}, {4, true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.from << (c.up ? " up" : " down"));
        setLevel(c.from);
        project.modified = false;
        const int redraws = hooks.redraws;
        stepGraduation(ctx, c.up);
        EXPECT_EQ(graduationLevel(view.xAxis), c.to);
        EXPECT_EQ(graduationLevel(view.yAxis), c.to);
        EXPECT_EQ(view.yAxis.guideVisible, c.to == 4);
        EXPECT_TRUE(project.modified);
        EXPECT_EQ(hooks.redraws, redraws + 1);
    }
}

TEST_F(ScaleEditTest, LabelSizeCyclesThroughItsFourSizes) {
    const struct {
        int from;
        bool down;
        int to;
    } cases[] = {{12, false, 18}, {24, false, 32}, {32, false, 12}, {14, false, 18},
                 {18, true, 12},  {12, true, 32},  {14, true, 12}};
    for (const auto& c : cases) {
        view.fontSize = static_cast<std::uint8_t>(c.from);
        stepLabelSize(ctx, c.down);
        EXPECT_EQ(view.fontSize, c.to) << c.from << (c.down ? " down" : " up");
    }
}

// The grid step changes with each press; with the label key the label interval moves by one
// within 1 and the lesser of 10 and half the grid steps across the plot.
TEST_F(ScaleEditTest, GridButtonsChangeTheStepOrTheLabelInterval) {
    view.setView(-5, 5, -5, 5);
    const Extended step = view.xAxis.tickInterval();
    finerGrid(ctx, ScaleAxis::X, false);
    EXPECT_LT(view.xAxis.tickInterval(), step);
    coarserGrid(ctx, ScaleAxis::X, false);
    coarserGrid(ctx, ScaleAxis::X, false);
    EXPECT_GT(view.xAxis.tickInterval(), step);

    view.yAxis.labelInterval = 1;
    finerGrid(ctx, ScaleAxis::Y, true);
    EXPECT_EQ(view.yAxis.labelInterval, 1);
    const int steps =
        static_cast<int>((view.yAxis.high - view.yAxis.low) / view.yAxis.tickInterval());
    for (int i = 0; i < 20; ++i) coarserGrid(ctx, ScaleAxis::Y, true);
    EXPECT_EQ(view.yAxis.labelInterval, std::min(10, steps / 2));
    finerGrid(ctx, ScaleAxis::Y, true);
    EXPECT_EQ(view.yAxis.labelInterval, std::min(10, steps / 2) - 1);
}
