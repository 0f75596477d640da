#include "ExplicitPlotFixture.h"

#include <cmath>

using namespace tarlix;
using namespace tarlix::test;

namespace {

Curve sqrtFrom(Extended a) {
    return [a](Extended x) { return definedIf(x >= a, std::sqrt(x - a)); };
}

} // namespace

TEST_F(ExplicitPlot, OnlyDirtyFunctionsAreEvaluatedAndEmptyOnesAreUndefined) {
    define(1, [](Extended x) { return makeReal(x); });
    define(2, [](Extended x) { return makeReal(-x); });
    updateFunctionSamples(view, functions, sampler);
    EXPECT_EQ(view.functionSamples[1].samples[240].x, 1);
    EXPECT_EQ(view.functionSamples[2].samples[240].x, -1);
    EXPECT_FALSE(view.functionSamples[1].samples[-1].isValid()); // margins are never sampled
    EXPECT_FALSE(view.functionSamples[1].samples[401].isValid());

    // Only y2 changes; y1 keeps its cache. y2 loses its text: its cache becomes undefined.
    rs.clear();
    rs.markDirty(functionToken(2));
    evaluations = {};
    curves[1] = [](Extended) { return makeReal(99); };
    functions[3].expr.source.clear();
    view.functionSamples[3].samples[10] = makeReal(5);
    functions[2].expr.source.clear();
    updateFunctionSamples(view, functions, sampler);
    EXPECT_EQ(evaluations[1], 0);
    EXPECT_EQ(evaluations[2], 0);
    EXPECT_EQ(view.functionSamples[1].samples[240].x, 1);
    EXPECT_FALSE(view.functionSamples[2].samples[240].isValid());
    EXPECT_FALSE(view.functionSamples[3].samples[10].isValid());
    for (int i = 1; i <= functionCount; ++i) EXPECT_TRUE(view.functionSamples[i].upToDate) << i;
}

// Columns lie 0.025 apart with x = 0 on column 200 and 0.3 on column 212; a domain edge
// between columns is found by bisection and the nearer column takes the value at the edge.
TEST_F(ExplicitPlot, DomainEdgesAreMovedOntoTheBoundary) {
    struct Case {
        const char* name;
        Curve curve;
        bool atStart; // the edge starts the graph, else it ends it
        Point end;    // first (or last) point of the graph
    };
    const Case cases[] = {
        {"sqrt(x) starts at the origin", sqrtFrom(0), true, {200, 200}},
        {"edge nearer the undefined column", sqrtFrom(0.31L), true, {212, 200}},
        {"edge nearer the defined column", sqrtFrom(0.32L), true, {213, 200}},
        {"domain ending between columns",
         [](Extended x) { return definedIf(x <= 0.31L, std::sqrt(0.31L - x)); },
         false,
         {212, 200}},
    };
    for (const Case& c : cases) {
        canvas.clear();
        define(1, c.curve);
        plot();
        const auto lines = canvas.polylines();
        ASSERT_EQ(lines.size(), 1u) << c.name;
        EXPECT_EQ(c.atStart ? lines[0].front() : lines[0].back(), c.end) << c.name;
    }
}

TEST_F(ExplicitPlot, ViewsWiderThanTheCachesAreDrawnUpToTheirLastColumn) {
    view.xAxis.pixelLength = 1500;
    view.xAxis.recompute();
    view.fillXSamples();
    define(1, [](Extended x) { return definedIf(x < 20, x * x); });
    plot();
    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].front().x, 0);
    EXPECT_EQ(lines[0].back().x, lastFilledColumn - 1);
}
