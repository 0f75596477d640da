#include "render/relation/RelationPlotter.h"

#include "RelationTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarlix;
using namespace tarlix::relationtest;

namespace {

struct Scene {
    TestView tv;
    ScriptedHooks hooks;
    RelationSettings settings;
    PixelCanvas canvas;

    ScanOutcome draw(RelationPlotter& plotter, RelationSampler& f, RelationOp op,
                     RelationStyle style = {}) {
        RelationParts parts;
        parts.parts.push_back({&f, op, false});
        parts.groups.push_back(partBit(1));
        RelationCanvases canvases{&canvas, nullptr, false, false, false};
        return plotter.drawRelation(tv.view, canvases, style, parts);
    }
    // The largest distance, in pixels, of a traced point from the circle of radius r about
    // the origin.
    double worstCircleError(Extended r) const {
        double worst = 0;
        for (const auto& line : canvas.lines())
            for (Point p : line) {
                const Extended d = std::hypot(tv.worldX(p.x), tv.worldY(p.y)) - r;
                worst = std::max(worst, double(std::fabs(d) * 20));
            }
        return worst;
    }
};

Extended circle(Extended x, Extended y) {
    return x * x + y * y - 4;
}

} // namespace

TEST(RelationScan, GenericScanTracesACircleAsJoinedPolylinesAtEveryScanWidth) {
    for (int width : {1, 2, 4, 8}) {
        Scene s;
        s.settings.scanWidth = width;
        RelationPlotter plotter(s.settings, s.hooks);
        CountingSampler f(circle);
        EXPECT_EQ(s.draw(plotter, f, RelationOp::Equal), ScanOutcome::Completed);
        EXPECT_EQ(plotter.lastMode(), RelationMode::Generic);
        // The joiner leaves a few long lines, not hundreds of cell pieces.
        const auto lines = s.canvas.lines();
        ASSERT_FALSE(lines.empty()) << width;
        EXPECT_LE(lines.size(), 4u) << width;
        std::size_t points = 0;
        for (const auto& l : lines) points += l.size();
        EXPECT_GT(points, 200u) << width;
        EXPECT_LT(s.worstCircleError(2), width == 1 ? 1.0 : 1.5) << width;
        // Only every width-th row and column (and the border ones) is evaluated.
        const int rows = 203 / width + 3;
        EXPECT_LE(f.rowCalls, rows) << width;
        EXPECT_LE(f.pointsInRows, long(rows) * (203 / width + 3)) << width;
    }
}

TEST(RelationScan, NothingIsTracedThroughUndefinedPoints) {
    // y = sqrt(x) exists only right of the y axis (column 100).
    for (int width : {1, 4}) {
        Scene s;
        s.settings.scanWidth = width;
        RelationPlotter plotter(s.settings, s.hooks);
        CountingSampler f([](Extended x, Extended y) { return y - std::sqrt(x); });
        s.draw(plotter, f, RelationOp::Greater, RelationStyle{});
        ASSERT_FALSE(s.canvas.lines().empty());
        for (const auto& line : s.canvas.lines())
            for (Point p : line) EXPECT_GE(p.x, 100) << width;
        for (int r = -1; r <= 201; ++r)
            for (int c = -1; c < 100; ++c) ASSERT_EQ(plotter.region().at(c, r), 0) << c << "," << r;
    }
}

TEST(RelationScan, PolynomialModeTracesTheFoliumLikeTheGenericScanWithoutEvaluatingRows) {
    const auto folium = [](Extended x, Extended y) { return x * x * x + y * y * y - 3 * x * y; };
    Scene fast, plain;
    RelationStyle style;
    style.fastPoly = true;
    RelationPlotter fastPlotter(fast.settings, fast.hooks);
    RelationPlotter plainPlotter(plain.settings, plain.hooks);
    CountingSampler f(folium), g(folium);
    fast.draw(fastPlotter, f, RelationOp::Equal, style);
    plain.draw(plainPlotter, g, RelationOp::Equal);
    EXPECT_EQ(fastPlotter.lastMode(), RelationMode::Polynomial);
    EXPECT_EQ(f.rowCalls, 11); // the node grid only
    EXPECT_EQ(f.pointCalls, 30);
    ASSERT_FALSE(fast.canvas.lines().empty());
    EXPECT_EQ(fast.canvas.lines(), plain.canvas.lines());
    // The loop and both arms: lines reach the corners of the view through the second and
    // fourth quadrants, and the loop passes (1.5, 1.5).
    bool loopTip = false, leftArm = false;
    for (const auto& line : fast.canvas.lines())
        for (Point p : line) {
            loopTip = loopTip || (std::abs(p.x - 130) <= 1 && std::abs(p.y - 70) <= 1);
            leftArm = leftArm || p.x <= 1;
        }
    EXPECT_TRUE(loopTip);
    EXPECT_TRUE(leftArm);
}

TEST(RelationScan, ANonPolynomialFailsTheTableCheckAndIsScanned) {
    Scene s;
    RelationStyle style;
    style.fastPoly = true;
    RelationPlotter plotter(s.settings, s.hooks);
    CountingSampler f([](Extended x, Extended y) { return y - std::sin(x); });
    s.draw(plotter, f, RelationOp::Equal, style);
    EXPECT_EQ(plotter.lastMode(), RelationMode::Generic);
    EXPECT_FALSE(s.canvas.lines().empty());
}

TEST(RelationScan, ProgressIsReportedOnScheduleAndTheCaptionIsRestored) {
    // The clock advances by `step` ms at each reading (once at the start and once per row,
    // 203 rows): a report falls due at 500 ms, then 1000 ms after each report.
    const struct {
        std::uint64_t step;
        bool reports;
    } cases[] = {{0, false}, {300, true}, {4, false} /* half done at the first due time */};
    for (const auto& c : cases) {
        Scene s;
        s.hooks.step = c.step;
        RelationPlotter plotter(s.settings, s.hooks);
        CountingSampler f(circle);
        EXPECT_EQ(s.draw(plotter, f, RelationOp::Equal), ScanOutcome::Completed);
        ASSERT_FALSE(s.hooks.captions.empty());
        EXPECT_EQ(s.hooks.captions.back(), "TARLIX - demo");
        EXPECT_EQ(s.hooks.captions.size() > 1, c.reports) << c.step;
        if (c.reports) {
            EXPECT_EQ(s.hooks.captions[0], "TARLIX - demo : 1% : Interrumpir con la tecla F1");
            // Rows 0, 4 and 8 of 200: a report every fourth row of 300 ms.
            EXPECT_EQ(s.hooks.captions[1], "TARLIX - demo : 3% : Interrumpir con la tecla F1");
            EXPECT_EQ(s.hooks.captions[2], "TARLIX - demo : 5% : Interrumpir con la tecla F1");
        }
    }
}

TEST(RelationScan, TheBreakKeyEndsTheScanButDrawsTheLinesFoundSoFar) {
    Scene s;
    s.hooks.step = 10; // the first report comes at row 48, a quarter of the way
    s.settings.drawWhileComputing = true;
    RelationPlotter plotter(s.settings, s.hooks);
    // Rows of small closed curves, some finished before the report.
    CountingSampler f(
        [](Extended x, Extended y) { return std::sin(4 * x) * std::sin(4 * y) - 0.5L; });
    s.hooks.breakHeld = true;
    EXPECT_EQ(s.draw(plotter, f, RelationOp::Equal), ScanOutcome::Broken);
    EXPECT_EQ(s.hooks.captions.front(), "TARLIX - demo : 25% : Interrumpir con la tecla F1");
    EXPECT_EQ(s.hooks.current, "TARLIX - demo");
    EXPECT_GE(s.hooks.repaints, 1);
    EXPECT_LT(f.rowCalls, 60);
    ASSERT_FALSE(s.canvas.lines().empty());
    for (const auto& line : s.canvas.lines())
        for (Point p : line) EXPECT_LE(p.y, 49);
}

TEST(RelationScan, ADragThatLeavesItsStepAbandonsTheRelation) {
    Scene s;
    s.hooks.step = 300;
    s.hooks.dragAfterRows = 120;
    RelationPlotter plotter(s.settings, s.hooks);
    CountingSampler f(circle);
    RelationStyle hatched;
    hatched.pattern = 2;
    EXPECT_EQ(s.draw(plotter, f, RelationOp::Less, hatched), ScanOutcome::Abandoned);
    EXPECT_TRUE(s.tv.view.interrupted);
    EXPECT_TRUE(s.canvas.calls.empty());
    EXPECT_TRUE(s.canvas.pixels.empty());
    EXPECT_EQ(s.hooks.current, "TARLIX - demo");
    // The flag stops the next relation of the same redraw at once.
    CountingSampler g(circle);
    EXPECT_EQ(s.draw(plotter, g, RelationOp::Equal), ScanOutcome::Abandoned);
    EXPECT_EQ(g.rowCalls, 0);
}

TEST(RelationScan, EnlargedOutputScansTheSameGridAndScalesTheLines) {
    Scene s;
    s.tv.view.setOutputScale(3);
    RelationPlotter plotter(s.settings, s.hooks);
    CountingSampler f(circle);
    s.draw(plotter, f, RelationOp::Equal);
    EXPECT_LE(f.rowCalls, 203); // the grid stays at screen size
    ASSERT_FALSE(s.canvas.lines().empty());
    EXPECT_EQ(s.canvas.calls[0].pen.width, 3);
    for (const auto& line : s.canvas.lines())
        for (Point p : line) EXPECT_NEAR(std::hypot(p.x - 300.0, p.y - 300.0), 120.0, 3.0);
}
