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

// The shade that covers column c, and the rows it covers there: the run of columns a polygon
// fills is a staircase of one-column steps along the top, then back along the bottom.
struct ColumnShade {
    Color colour = kWhite;
    int top = 0;
    int bottom = 0;
    int polygons = 0;
};

ColumnShade shadeAt(const RecordingCanvas& canvas, int c) {
    ColumnShade found;
    for (const RecordedCall* call : canvas.callsOf(CanvasCall::Polygon)) {
        ++found.polygons;
        EXPECT_EQ(call->pen.mode, PenMode::Xor);
        EXPECT_EQ(call->pen.style, PenStyle::Clear);
        const std::vector<Point>& p = call->points;
        const std::size_t steps = p.size() / 4;
        for (std::size_t i = 0; i < steps; ++i)
            if (p[2 * i].x == c) {
                found.colour = call->brush.color;
                found.top = p[2 * i].y;
                found.bottom = p[p.size() - 1 - 2 * i].y;
                EXPECT_EQ(p[p.size() - 1 - 2 * i].x, c);
            }
    }
    return found;
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
        Point rightRows;   // the rows covered at column 220, top and bottom
        int polygons;      // one per run of a shade
    };
    const Case cases[] = {
        {"signed", {true, -1, 1, 1, 0, false}, kPink, kLightBlue, {rowOf(0.5L), 200}, 2},
        {"limits reversed", {true, 1, -1, 1, 0, false}, kLightBlue, kPink, {rowOf(0.5L), 200}, 2},
        {"area", {true, -1, 1, 1, 0, true}, kLightBlue, kLightBlue, {rowOf(0.5L), 200}, 1},
        {"down to y2", {true, -1, 1, 1, 2, false}, kPink, kPink, {rowOf(0.5L), rowOf(2)}, 1},
    };
    for (const Case& c : cases) {
        canvas.clear();
        drawIntegralArea(view, canvas, c.shading);
        EXPECT_EQ(shadeAt(canvas, 180).colour, c.left) << c.name;
        const ColumnShade right = shadeAt(canvas, 220);
        EXPECT_EQ(right.colour, c.right) << c.name;
        EXPECT_EQ(right.top, c.rightRows.x) << c.name;
        EXPECT_EQ(right.bottom, c.rightRows.y) << c.name;
        EXPECT_EQ(right.polygons, c.polygons) << c.name;
        EXPECT_EQ(shadeAt(canvas, 159).colour, kWhite) << c.name << ": left of the limits";
        EXPECT_NE(shadeAt(canvas, 240).colour, kWhite) << c.name;
        EXPECT_EQ(shadeAt(canvas, 241).colour, kWhite) << c.name << ": right of the limits";
    }
    // Nothing without a function, with equal limits, or with stale samples.
    canvas.clear();
    drawIntegralArea(view, canvas, {true, -1, 1, 0, 0, false});
    drawIntegralArea(view, canvas, {true, 1, 1, 1, 0, false});
    view.functionSamples[1].upToDate = false;
    drawIntegralArea(view, canvas, {true, -1, 1, 1, 0, false});
    EXPECT_TRUE(canvas.calls().empty());
}
