// Relations typed as text, split, compiled and evaluated by the expression evaluator, drawn
// end to end onto a recording canvas.

#include "expression/Calc.h"
#include "render/relation/ProjectRelations.h"

#include "RelationTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarlix;
using namespace tarlix::relationtest;

namespace {

struct Drawn {
    Project project;
    ParameterValues parameters;
    EvalEnv env{project.engine, project, parameters};
    Evaluator evaluator{env};
    ProjectRelations relations{evaluator};
    TestView tv;
    ScriptedHooks hooks;
    PixelCanvas canvas;
    RelationSettings settings;
    RegionBitmap region;
    std::vector<std::uint8_t> groups;
    RelationMode mode = RelationMode::Generic;

    explicit Drawn(const std::string& text, bool fastPoly = true) {
        RecordingMessageBox box;
        const CompileEnv compileEnv{project.engine, box};
        EquationEntry& c1 = project.relations[1];
        c1.fastPolynomial = fastPoly;
        setSource(c1.expr, text, kModePlain - 1, compileEnv);
        EXPECT_TRUE(compile(c1.expr, kModeRelation, false, compileEnv)) << text;
        relations.build(project, compileEnv);
        const RelationEntry& entry = relations.entries()[0];
        RelationPlotter plotter(settings, hooks, &relations.explicitPlotter());
        plotter.drawRelation(tv.view, RelationCanvases{&canvas}, entry.style, entry.parts);
        mode = plotter.lastMode();
        region = plotter.region();
        groups = entry.parts.groups;
    }

    // Whether the world point lies in the drawn region.
    bool inside(Extended x, Extended y) const {
        const int c = tv.view.xAxis.toPixel(x), r = tv.view.yAxis.toPixel(y);
        return inRegion(region.at(c, r), groups);
    }
    // The largest |f| over the traced points.
    template <typename F> double worstOnLines(F f) const {
        double worst = 0;
        for (const auto& line : canvas.lines())
            for (Point p : line)
                worst = std::max(worst, double(std::fabs(f(tv.worldX(p.x), tv.worldY(p.y)))));
        return worst;
    }
};

} // namespace

TEST(RelationThroughEvaluator, CircleInClosedFormAndByTheScan) {
    const auto circle = [](Extended x, Extended y) { return std::hypot(x, y) - 2; };
    Drawn closed("x^2+y^2=4");
    EXPECT_EQ(closed.mode, RelationMode::Quadratic);
    EXPECT_EQ(closed.hooks.captions, std::vector<std::string>{"TARLIX - demo"}); // no scan
    EXPECT_EQ(closed.canvas.lines().size(), 2u);
    EXPECT_LT(closed.worstOnLines(circle), 0.06);

    Drawn scanned("x^2+y^2=4", false);
    EXPECT_EQ(scanned.mode, RelationMode::Generic);
    ASSERT_FALSE(scanned.canvas.lines().empty());
    EXPECT_LT(scanned.worstOnLines(circle), 0.06);
}

TEST(RelationThroughEvaluator, QuadraticSpecialCases) {
    Drawn hyperbola("x y=1");
    EXPECT_EQ(hyperbola.mode, RelationMode::Quadratic);
    const auto lines = hyperbola.canvas.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].back(), (Point{99, 10000})); // runs off the bottom left of the pole
    EXPECT_EQ(lines[1].front(), (Point{101, -10000}));

    Drawn verticals("x^2=1");
    EXPECT_EQ(verticals.mode, RelationMode::Quadratic);
    const auto bars = verticals.canvas.lines();
    ASSERT_EQ(bars.size(), 2u);
    std::vector<int> xs;
    for (const auto& bar : bars) {
        ASSERT_EQ(bar.size(), 2u);
        EXPECT_EQ(bar[0].x, bar[1].x);
        xs.push_back(bar[0].x);
    }
    std::sort(xs.begin(), xs.end());
    EXPECT_EQ(xs, (std::vector<int>{80, 120}));
}

TEST(RelationThroughEvaluator, FoliumInPolynomialMode) {
    Drawn folium("x^3+y^3=3x y");
    EXPECT_EQ(folium.mode, RelationMode::Polynomial);
    const auto lines = folium.canvas.lines();
    ASSERT_FALSE(lines.empty());
    std::size_t points = 0;
    for (const auto& line : lines) points += line.size();
    EXPECT_GT(points, 300u); // the loop and both arms
    // On the curve, f changes sign within about a pixel (0.05) of every traced point.
    EXPECT_LT(folium.worstOnLines([](Extended x, Extended y) {
        return (x * x * x + y * y * y - 3 * x * y) / (1 + 3 * (x * x + y * y));
    }),
              0.1);
}

TEST(RelationThroughEvaluator, ExplicitInequalityMarksBelowTheCurve) {
    Drawn below("y<sin x");
    EXPECT_EQ(below.mode, RelationMode::Explicit);
    for (Extended x : {-4.0L, -1.0L, 0.5L, 3.0L}) {
        EXPECT_TRUE(below.inside(x, std::sin(x) - 0.3L)) << x;
        EXPECT_FALSE(below.inside(x, std::sin(x) + 0.3L)) << x;
    }
    const auto lines = below.canvas.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_GT(lines[0].size(), 150u);
    EXPECT_LT(below.worstOnLines([](Extended x, Extended y) { return y - std::sin(x); }), 0.06);
    EXPECT_FALSE(below.canvas.pixels.empty()); // the hatching
}

TEST(RelationThroughEvaluator, ChainedComparisonAndAlternativeStrips) {
    Drawn annulus("1<x^2+y^2<4");
    for (Extended r : {1.2L, 1.5L, 1.9L}) EXPECT_TRUE(annulus.inside(r, 0)) << r;
    for (Extended r : {0.0L, 0.8L, 2.2L, 4.0L}) EXPECT_FALSE(annulus.inside(0, r)) << r;

    Drawn strips("(x<-1) or (x>1)");
    EXPECT_EQ(strips.groups.size(), 2u);
    for (Extended x : {-4.0L, -1.5L, 1.5L, 4.0L}) EXPECT_TRUE(strips.inside(x, 2)) << x;
    for (Extended x : {-0.5L, 0.0L, 0.5L}) EXPECT_FALSE(strips.inside(x, -2)) << x;
}
