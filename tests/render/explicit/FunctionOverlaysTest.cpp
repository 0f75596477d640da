#include "render/explicit/FunctionOverlays.h"
#include "ExplicitPlotFixture.h"

using namespace tarlix;
using namespace tarlix::test;

namespace {

constexpr Color kLightBlue = rgbColor(51, 51, 0); // XOR colours
constexpr Color kPink = rgbColor(0, 51, 51);

} // namespace

TEST_F(ExplicitPlot, MarkerLinesAreXorAcrossThePlot) {
    drawValueMarker(view, canvas, {true, 1});
    drawIntegralLimits(view, canvas, {false, 2});
    const auto lines = canvas.callsOf(CanvasCall::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->points, (std::vector<Point>{{240, 0}, {240, 400}}));
    EXPECT_EQ(lines[0]->pen.mode, PenMode::Xor);
    EXPECT_EQ(lines[0]->pen.width, 2);
    EXPECT_EQ(lines[0]->pen.color, rgbColor(192, 192, 192));
    EXPECT_EQ(canvas.pen().mode, PenMode::Copy);
}

// y1 = x from -1 to 1 covers columns 160..240: negative left of 0, positive right of it.
TEST_F(ExplicitPlot, IntegralAreaColoursPositiveAndNegativeParts) {
    define(1, [](Extended x) { return makeReal(x); });
    define(2, [](Extended) { return makeReal(2); });
    updateFunctionSamples(view, functions, sampler);
    struct Case {
        const char* name;
        IntegralShading shading;
        Color left, right; // colours at columns 180 and 220
        Point rightLine;   // the line at column 220, top and bottom rows
    };
    const Case cases[] = {
        {"signed", {true, -1, 1, 1, 0, false}, kPink, kLightBlue, {rowOf(0.5L), 200}},
        {"limits reversed", {true, 1, -1, 1, 0, false}, kLightBlue, kPink, {rowOf(0.5L), 200}},
        {"area", {true, -1, 1, 1, 0, true}, kLightBlue, kLightBlue, {rowOf(0.5L), 200}},
        {"down to y2", {true, -1, 1, 1, 2, false}, kPink, kPink, {rowOf(0.5L), rowOf(2)}},
    };
    for (const Case& c : cases) {
        canvas.clear();
        drawIntegralArea(view, canvas, c.shading);
        const auto lines = canvas.callsOf(CanvasCall::LineTo);
        ASSERT_EQ(lines.size(), 81u) << c.name;
        EXPECT_EQ(lines[20]->points[1].x, 180) << c.name;
        EXPECT_EQ(lines[20]->pen.color, c.left) << c.name;
        EXPECT_EQ(lines[60]->pen.color, c.right) << c.name;
        EXPECT_EQ(lines[60]->points[0], (Point{220, c.rightLine.x})) << c.name;
        EXPECT_EQ(lines[60]->points[1], (Point{220, c.rightLine.y})) << c.name;
    }
    // Nothing without a function, with equal limits, or with stale samples.
    canvas.clear();
    drawIntegralArea(view, canvas, {true, -1, 1, 0, 0, false});
    drawIntegralArea(view, canvas, {true, 1, 1, 1, 0, false});
    view.functionSamples[1].upToDate = false;
    drawIntegralArea(view, canvas, {true, -1, 1, 1, 0, false});
    EXPECT_TRUE(canvas.calls().empty());
}
