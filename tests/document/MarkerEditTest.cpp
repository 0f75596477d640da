#include "document/MarkerEdit.h"
#include "document/EntryCompile.h"
#include "document/ProjectFixture.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
struct MarkerEditTest : tarlix::testing::ProjectTest {
    void setText(CompiledExpression& e, const std::string& text) {
        e.source = text;
        compileWindowTexts(project, false, ctx.compileEnv());
    }
};
} // namespace

// A marker may be dragged only while its window is open, the marker shown and its expression a
// plain number; its column is found within two pixels.
TEST_F(MarkerEditTest, AMarkerIsDraggableWhenShownOpenAndANumber) {
    CompiledExpression& x = project.valueWindow.x;
    setText(x, "2.5");
    const MarkerWindows both{true, true};
    EXPECT_EQ(draggableMarkerX(project, both, Marker::ValueX), 2.5L);
    EXPECT_FALSE(draggableMarkerX(project, {false, true}, Marker::ValueX)) << "window closed";
    x.marked = 0;
    EXPECT_FALSE(draggableMarkerX(project, both, Marker::ValueX)) << "marker hidden";
    x.marked = 1;
    setText(x, "2a");
    EXPECT_FALSE(draggableMarkerX(project, both, Marker::ValueX)) << "not a plain number";

    setText(project.integralWindow.bounds.low, "-1");
    setText(project.integralWindow.bounds.high, "3");
    const int column = view.xAxis.toPixel(3);
    EXPECT_EQ(markerAt(ctx, both, column + 2), Marker::UpperLimit);
    EXPECT_FALSE(markerAt(ctx, both, column + 3));
    EXPECT_FALSE(markerAt(ctx, {true, false}, column)) << "the integral window is closed";
    EXPECT_EQ(markerAt(ctx, both, view.xAxis.toPixel(-1) - 2), Marker::LowerLimit);
}

// A dragged marker's expression takes the text of its new x, compiled, and the graph is
// redrawn once; the same x again changes nothing.
TEST_F(MarkerEditTest, SettingAMarkerWritesItsExpression) {
    const int redraws = hooks.redraws;
    EXPECT_TRUE(setMarkerX(ctx, Marker::LowerLimit, -0.25L));
    EXPECT_EQ(project.integralWindow.bounds.low.source, "-0.25");
    EXPECT_FALSE(project.integralWindow.bounds.low.code.empty());
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(hooks.redraws, redraws + 1);
    EXPECT_FALSE(setMarkerX(ctx, Marker::LowerLimit, -0.25L));
    EXPECT_EQ(hooks.redraws, redraws + 1);
}
