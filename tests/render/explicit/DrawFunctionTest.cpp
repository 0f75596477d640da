#include "ExplicitPlotFixture.h"

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

using namespace tarlix;
using namespace tarlix::test;

namespace {

using Lines = std::vector<std::vector<Point>>;

// No drawn segment bridges a pole with a step of more than the jump limit, and each branch
// between poles (and the view's ends) is drawn up to within a few pixels of its ends.
void expectBranchesBetween(const View& view, const Lines& lines, std::vector<Extended> poles,
                           const char* name) {
    std::vector<Extended> cuts{0};
    for (Extended p : poles) cuts.push_back(view.xAxis.toPixelFloat(p));
    cuts.push_back(view.xAxis.pixelLength);
    for (const auto& line : lines)
        for (std::size_t k = 1; k < line.size(); ++k)
            for (std::size_t j = 1; j + 1 < cuts.size(); ++j)
                if (line[k - 1].x < cuts[j] && line[k].x > cuts[j]) {
                    EXPECT_LE(std::abs(line[k].y - line[k - 1].y), 10)
                        << name << ": joined across the pole at pixel " << double(cuts[j]);
                }
    for (std::size_t j = 1; j < cuts.size(); ++j) {
        bool covered = false;
        for (const auto& line : lines)
            covered = covered || (line.size() > 2 && line.front().x <= cuts[j - 1] + 3 &&
                                  line.back().x >= cuts[j] - 3);
        EXPECT_TRUE(covered) << name << ": branch " << j << " not drawn whole";
    }
}

} // namespace

TEST_F(ExplicitPlot, AutomaticModeBreaksAtPolesAndJoinsTheRest) {
    const Extended pi = std::numbers::pi_v<Extended>;
    struct Case {
        const char* name;
        Curve curve;
        std::vector<Extended> poles;
    };
    const Case cases[] = {
        {"1/x, undefined on a column", [](Extended x) { return definedIf(x != 0, 1 / x); }, {0}},
        {"1/(x - 0.0123), pole between columns",
         [](Extended x) { return makeReal(1 / (x - 0.0123L)); },
         {0.0123L}},
        {"tan x",
         [](Extended x) { return makeReal(std::tan(x)); },
         {-3 * pi / 2, -pi / 2, pi / 2, 3 * pi / 2}},
        {"x^2", [](Extended x) { return makeReal(x * x); }, {}},
    };
    for (const Case& c : cases) {
        canvas.clear();
        define(1, c.curve);
        plot();
        expectBranchesBetween(view, canvas.polylines(), c.poles, c.name);
    }
}

TEST_F(ExplicitPlot, AStraightGraphIsOneSegmentInBothLineModes) {
    define(1, [](Extended x) { return makeReal(2 * x + 1); });
    for (FunctionDrawMode mode : {FunctionDrawMode::Automatic, FunctionDrawMode::Connect}) {
        canvas.clear();
        settings.drawMode = mode;
        plot();
        const Lines expected{{{0, rowOf(-9)}, {400, rowOf(11)}}};
        EXPECT_EQ(canvas.polylines(), expected) << static_cast<int>(mode);
    }
    // A parabola is not mistaken for a line.
    canvas.clear();
    settings.drawMode = FunctionDrawMode::Automatic;
    define(1, [](Extended x) { return makeReal(x * x / 100); });
    plot();
    ASSERT_EQ(canvas.polylines().size(), 1u);
    EXPECT_EQ(canvas.polylines()[0].size(), 401u);
}

TEST_F(ExplicitPlot, ConnectModeSkipsUndefinedSamplesAndDotModeDrawsEverySample) {
    define(
        1, [](Extended x) { return definedIf(x != 0, 1 / x); }, 2);
    settings.drawMode = FunctionDrawMode::Connect;
    plot();
    auto strokes = canvas.callsOf(CanvasCall::Polyline);
    ASSERT_EQ(strokes.size(), 1u);
    const std::vector<Point>& joined = strokes[0]->points;
    ASSERT_EQ(joined.size(), 400u);
    EXPECT_EQ(joined[199], (Point{199, rowOf(1 / view.xSamples[199].x)}));
    EXPECT_EQ(joined[200], (Point{201, rowOf(1 / view.xSamples[201].x)}));

    canvas.clear();
    settings.drawMode = FunctionDrawMode::Dots;
    plot();
    EXPECT_TRUE(canvas.polylines().empty());
    const auto dots = canvas.callsOf(CanvasCall::Ellipse);
    ASSERT_EQ(dots.size(), 400u);
    // Radius (width + 1) div 2 = 1.
    EXPECT_EQ(dots[100]->rect, (Rect{99, rowOf(-0.4L) - 1, 101, rowOf(-0.4L) + 1}));
    EXPECT_EQ(dots[100]->brush.color, dots[100]->pen.color);
}

TEST_F(ExplicitPlot, ASampleWithoutDefinedNeighboursIsADotOnEveryCanvasInUse) {
    EquationEntry& f = define(
        1, [](Extended x) { return definedIf(x == -2.5L, 1); }, 2);
    f.afterimage = true;
    f.penColor = 0x00FF00;
    settings.afterimageColour = [](Color) { return Color{0x80FF80}; };
    const auto colours = plot();
    EXPECT_TRUE(canvas.polylines().empty());
    const Rect dot{100 - 3, rowOf(1) - 3, 100 + 3, rowOf(1) + 3}; // radius width + 1
    for (const RecordingCanvas* target : {&canvas, &afterimages}) {
        const auto dots = target->callsOf(CanvasCall::Ellipse);
        ASSERT_EQ(dots.size(), 1u);
        EXPECT_EQ(dots[0]->rect, dot);
        EXPECT_EQ(dots[0]->pen.mode, PenMode::Mask);
        EXPECT_EQ(dots[0]->brush.color, target == &canvas ? 0x00FF00u : 0x80FF80u);
    }
    EXPECT_EQ(colours[0], 0x00FF00u);
}

TEST_F(ExplicitPlot, PensFollowTheFunctionAndTheOutputScale) {
    EquationEntry& f = define(
        1, [](Extended x) { return makeReal(2 * x + 1); }, 3);
    f.penColor = 0x0000FF;
    f.lineStyle = 2;
    define(2, [](Extended x) { return makeReal(-x); });
    settings.blackAndWhite = [](Color c) { return c == 0x0000FF ? Color{0x555555} : c; };
    view.setOutputScale(2);
    const auto colours = plot();

    const auto dashes = canvas.callsOf(CanvasCall::StrokePath);
    ASSERT_FALSE(dashes.empty());
    EXPECT_EQ(dashes[0]->pen.color, 0x555555u);
    EXPECT_EQ(dashes[0]->pen.width, 6);
    EXPECT_EQ(dashes[0]->points.front(), (Point{0, rowOf(-9)}));
    EXPECT_EQ(dashes[0]->points.front().y, 2 * 560);
    EXPECT_EQ(canvas.pen().mode, PenMode::Copy);
    EXPECT_EQ(canvas.pen().width, 1);
    EXPECT_EQ(canvas.pen().color, kBlack);
    EXPECT_TRUE(afterimages.calls().empty());
    EXPECT_EQ(colours[0], kWhite);

    // Forced into the afterimage layer alone: the picture is left untouched.
    canvas.clear();
    rs.markDirty(functionToken(1));
    const auto forced = plot(true, true);
    EXPECT_TRUE(canvas.calls().empty());
    EXPECT_FALSE(afterimages.callsOf(CanvasCall::StrokePath).empty());
    EXPECT_EQ(forced[0], 0x0000FFu);
    EXPECT_EQ(forced[1], functions[2].penColor);
    EXPECT_EQ(forced[2], kWhite);
}
