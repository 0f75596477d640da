#include "render/axes/AxesFixture.h"

#include <algorithm>
#include <set>

using namespace tarlix;
using tarlix::testing::PlacedText;

namespace {

struct Axes : tarlix::testing::AxesTest {};

const std::vector<std::string> kMinusFiveToFive{"-5", "-4", "-3", "-2", "-1",
                                                "1",  "2",  "3",  "4",  "5"};

std::vector<std::pair<Point, Point>> linesWithPen(const RecordingCanvas& c, Color color) {
    std::vector<std::pair<Point, Point>> out;
    for (const RecordedCall* call : c.callsOf(CanvasCall::LineTo))
        if (call->pen.color == color) out.emplace_back(call->points[0], call->points[1]);
    return out;
}

} // namespace

// -5.5..5.5 on 440 pixels: 40 pixels a unit, the origin at pixel 220. The recording canvas's
// characters are 8 pixels wide and 16 high at 12 points.
TEST_F(Axes, TicksMinusFiveToFiveAreLabelledWithoutZeroAndTheOriginIsO) {
    setView(440, -5.5, 5.5);
    const RecordingCanvas c = drawn();
    // Beside the crossing: one pixel below the x axis; the y values one below their ticks.
    EXPECT_EQ(valuesAtRow(c, 221), kMinusFiveToFive);
    std::vector<std::string> yValues;
    for (const PlacedText& t : textsOf(c))
        if (t.font == "Symbol" && t.at.x + 8 * static_cast<int>(t.text.size()) == 217)
            yValues.push_back(t.text);
    EXPECT_EQ(yValues, kMinusFiveToFive);
    const auto texts = textsOf(c);
    EXPECT_EQ(
        std::count(texts.begin(), texts.end(), PlacedText{{210, 220}, "O", "Times New Roman"}), 1);
    // A grid line across the whole height at each of the 11 x ticks.
    const auto grid = linesWithPen(c, kScreenGridColor);
    for (int k = 0; k <= 10; ++k) {
        const int column = 20 + 40 * k;
        EXPECT_EQ(
            std::count(grid.begin(), grid.end(), std::pair{Point{column, 0}, Point{column, 440}}),
            1)
            << column;
    }
}

TEST_F(Axes, LabelIntervalCountsTicksFromZero) {
    setView(440, -5.5, 5.5);
    view.yAxis.valueVisible = false;
    const struct {
        int interval;
        std::vector<std::string> values;
    } cases[] = {
        {1, kMinusFiveToFive},
        {2, {"-4", "-2", "2", "4"}},
        {3, {"-3", "3"}},
    };
    for (const auto& k : cases) {
        view.xAxis.labelInterval = k.interval;
        EXPECT_EQ(valuesOf(drawn()), k.values) << "every " << k.interval;
    }
}

// About 15 pixels a unit: every value needs 10 pixels more than its width, so none fits; they
// are left out together rather than thinned, until every second tick is labelled.
TEST_F(Axes, CrowdedValuesAreAllSkipped) {
    setView(170, -5.5, 5.5);
    EXPECT_TRUE(valuesOf(drawn()).empty());
    view.xAxis.labelInterval = 2;
    view.yAxis.valueVisible = false;
    EXPECT_EQ(valuesOf(drawn()), (std::vector<std::string>{"-4", "-2", "2", "4"}));
}

// Pi fractions: the sign, the stacked fraction and the symbol-font "p" (pi), each its own text.
TEST_F(Axes, AnglesAreWrittenAsFractionsOfPi) {
    setView(440, -7, 7);
    view.xAxis.base = std::numbers::pi_v<Extended>;
    view.yAxis.valueVisible = false;
    EXPECT_EQ(valuesOf(drawn()),
              (std::vector<std::string>{"-2p", "-", "3", "2", "p", "-p", "-", "p", "2", "p", "2",
                                        "p", "3", "2", "p", "2p"}));
}

// With the axes in the strips the area keeps the grid; the strips get marks, values (0 too)
// and arrows in black.
TEST_F(Axes, AxesMovedToTheStripsLeaveOnlyTheGridInTheArea) {
    setView(440, -5.5, 5.5);
    view.axisOn = true;
    const RecordingCanvas area = drawn();
    EXPECT_TRUE(area.texts().empty());
    EXPECT_TRUE(area.callsOf(CanvasCall::Polygon).empty());
    EXPECT_TRUE(linesWithPen(area, kBlack).empty());
    EXPECT_EQ(linesWithPen(area, kScreenGridColor).size(), 22u);

    RecordingCanvas strip(439, 30);
    drawXRulerStrip(AxesTarget{view, strip, style});
    // The last value gives way to the caption at the arrow.
    EXPECT_EQ(valuesOf(strip),
              (std::vector<std::string>{"-5", "-4", "-3", "-2", "-1", "0", "1", "2", "3", "4"}));
    const auto marks = linesWithPen(strip, kBlack);
    EXPECT_EQ(std::count(marks.begin(), marks.end(), std::pair{Point{220, 1}, Point{220, 9}}), 1);
    EXPECT_EQ(strip.callsOf(CanvasCall::Polygon).size(), 1u); // the arrow head

    RecordingCanvas yStrip(29, 439);
    drawYRulerStrip(AxesTarget{view, yStrip, style}, 30);
    EXPECT_EQ(valuesOf(yStrip).size(), 10u);
}

// Polar: circles of radius 1..7 (up to 5 sqrt 2) and thetaNum + 1 rays from the origin; the
// x axis is a half-axis valued from the origin outwards.
TEST_F(Axes, PolarGridHasCirclesAndRays) {
    setView(400, -5, 5);
    view.axisType = AxisType::Polar;
    view.thetaNum = 4;
    view.yAxis.valueVisible = false;
    const RecordingCanvas c = drawn();
    std::vector<Rect> circles;
    for (const RecordedCall* call : c.callsOf(CanvasCall::Ellipse))
        if (call->pen.color == kScreenGridColor && call->brush.style == BrushStyle::Clear)
            circles.push_back(call->rect);
    ASSERT_EQ(circles.size(), 7u);
    EXPECT_EQ(circles[0], (Rect{160, 160, 241, 241}));
    EXPECT_EQ(circles[6], (Rect{-80, -80, 481, 481}));
    const auto rays = linesWithPen(c, kScreenGridColor);
    ASSERT_EQ(rays.size(), 5u);
    EXPECT_EQ(rays[0], (std::pair{Point{200, 200}, Point{483, 200}}));
    EXPECT_EQ(rays[1], (std::pair{Point{200, 200}, Point{200, -83}}));
    EXPECT_EQ(rays[4], rays[0]);
    EXPECT_EQ(valuesOf(c), (std::vector<std::string>{"1", "2", "3", "4"}));
}

// The mesh's crosses, in the darkened grid colour, start at the first multiple of the y
// interval at or above yLow.
TEST_F(Axes, MeshStartsAtTheFirstMultipleAboveYLow) {
    setView(440, -5.5, 5.5);
    setAxis(view.yAxis, 400, -4.5, 5.5);
    view.gridStyle = GridStyle::Crosses;
    const RecordingCanvas c = drawn();
    const auto bars = linesWithPen(c, rgbColor(107, 107, 149));
    std::set<int> rows;
    for (const auto& [from, to] : bars)
        if (from.y == to.y) rows.insert(from.y);
    ASSERT_EQ(rows.size(), 10u); // -4 .. 5
    EXPECT_EQ(*rows.rbegin(), view.yAxis.toPixel(-4));
    EXPECT_EQ(bars.front(),
              (std::pair{Point{18, view.yAxis.toPixel(-4)}, Point{22, view.yAxis.toPixel(-4)}}));
}

// Enlarged output keeps proportions: every position, text and font size doubles. The ticks
// fall on whole pixels, so nothing is rounded differently.
TEST_F(Axes, OutputScaleTwoDoublesEveryPixelLength) {
    setView(440, -5.5, 5.5);
    view.xAxis.caption = view.xAxis.captionText = "x";
    view.yAxis.caption = view.yAxis.captionText = "y";
    const RecordingCanvas single = drawn();
    view.setOutputScale(2);
    const RecordingCanvas doubled = drawn();
    const auto& a = single.calls();
    const auto& b = doubled.calls();
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].kind, b[i].kind) << i;
        ASSERT_EQ(a[i].text, b[i].text) << i;
        if (a[i].kind == CanvasCall::TextOut) {
            EXPECT_EQ(a[i].font.size * 2, b[i].font.size) << i;
        }
        ASSERT_EQ(a[i].points.size(), b[i].points.size()) << i;
        // The arrow heads' barbs are rounded from the head's direction, so they may differ
        // by one.
        const int slack = a[i].kind == CanvasCall::Polygon ? 1 : 0;
        for (std::size_t p = 0; p < a[i].points.size(); ++p) {
            EXPECT_NEAR(a[i].points[p].x * 2, b[i].points[p].x, slack) << i << " " << a[i].text;
            EXPECT_NEAR(a[i].points[p].y * 2, b[i].points[p].y, slack) << i << " " << a[i].text;
        }
        if (a[i].pen.color == kBlack && a[i].kind == CanvasCall::LineTo) {
            EXPECT_EQ(a[i].pen.width * 2, b[i].pen.width) << i;
        }
    }
}

// In degree mode with the degree font, each x value gets its sign at the tick, raised by 2.
TEST_F(Axes, DegreeSignFollowsXValuesInDegreeMode) {
    setView(440, -5.5, 5.5);
    setAxis(view.xAxis, 440, -440, 440); // ticks every 90, 45 pixels apart
    view.xAxis.base = 90;
    view.yAxis.valueVisible = false;
    style.degreeMode = true;
    EXPECT_EQ(valuesOf(drawn()).size(), 8u);
    style.degreeFont = true;
    const RecordingCanvas c = drawn();
    EXPECT_EQ(valuesOf(c), (std::vector<std::string>{"-360", "\xB0", "-270", "\xB0", "-180", "\xB0",
                                                     "-90", "\xB0", "90", "\xB0", "180", "\xB0",
                                                     "270", "\xB0", "360", "\xB0"}));
    const auto texts = textsOf(c);
    EXPECT_EQ(texts[1].at, (Point{view.xAxis.toPixel(-360), 219}));
}
