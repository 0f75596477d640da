#include "render/relation/RelationColours.h"
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
    RelationStyle style;

    Scene() { hooks.step = 300; } // a scan would report

    ScanOutcome draw(const RelationParts& parts, bool vector = false) {
        RelationPlotter plotter(settings, hooks);
        RelationCanvases canvases{&canvas, nullptr, false, false, vector};
        const ScanOutcome outcome = plotter.drawRelation(tv.view, canvases, style, parts);
        mode = plotter.lastMode();
        return outcome;
    }
    RelationMode mode = RelationMode::Generic;
};

RelationParts single(RelationSampler& f, RelationOp op) {
    RelationParts parts;
    parts.parts.push_back({&f, op, false});
    parts.groups.push_back(partBit(1));
    return parts;
}

bool isVerticalLine(const std::vector<Point>& line, int x) {
    return line.size() == 2 && line[0] == Point{x, 0} && line[1] == Point{x, 200};
}

} // namespace

TEST(QuadraticMode, ACircleIsDrawnInClosedFormWithoutAScan) {
    Scene s;
    s.style.fastPoly = true;
    CountingSampler f([](Extended x, Extended y) { return x * x + y * y - 4; });
    s.draw(single(f, RelationOp::Equal));
    EXPECT_EQ(s.mode, RelationMode::Quadratic);
    EXPECT_EQ(f.rowCalls, 11 + 3); // the node grid, then y = 0, 1 and -1
    // No scan: the caption is only restored, never set to a progress text.
    EXPECT_EQ(s.hooks.captions, std::vector<std::string>{"TARLIX - demo"});
    const auto lines = s.canvas.lines();
    ASSERT_EQ(lines.size(), 2u); // the upper and the lower half
    for (const auto& line : lines) {
        // Columns 60 .. 140, with both ends moved to where the halves meet.
        EXPECT_EQ(line.front(), (Point{60, 100}));
        EXPECT_EQ(line.back(), (Point{140, 100}));
        for (Point p : line)
            EXPECT_NEAR(double(std::hypot(s.tv.worldX(p.x), s.tv.worldY(p.y))), 2.0, 0.06);
    }
}

TEST(QuadraticMode, XyEqualsOneHasAPoleAndNoVerticalLine) {
    Scene s;
    s.style.fastPoly = true;
    CountingSampler f([](Extended x, Extended y) { return x * y - 1; });
    s.draw(single(f, RelationOp::Equal));
    EXPECT_EQ(s.mode, RelationMode::Quadratic);
    const auto lines = s.canvas.lines();
    ASSERT_EQ(lines.size(), 2u);
    // Left of the pole the branch runs off the bottom; the right one comes in from the top.
    EXPECT_EQ(lines[0].back(), (Point{99, 10000}));
    EXPECT_EQ(lines[1].front(), (Point{101, -10000}));
    EXPECT_EQ(lines[0].front(), (Point{0, 104})); // y = -0.2 at x = -5
    for (const auto& line : lines)
        for (Point p : line) EXPECT_FALSE(p.x == 100 && std::abs(p.y) < 10000);
}

TEST(QuadraticMode, LinesOfOneVariableAndTheVerticalLineThroughThePole) {
    const struct {
        const char* name;
        Extended (*f)(Extended, Extended);
        std::vector<int> verticals;
        std::size_t lines;
    } cases[] = {
        {"x^2 = 1: two vertical lines",
         [](Extended x, Extended) { return x * x - 1; },
         {120, 80},
         2},
        {"x = 2: one vertical line", [](Extended x, Extended) { return x - 2; }, {140}, 1},
        {"x y = 0: the x axis and the vertical through the pole",
         [](Extended x, Extended y) { return x * y; },
         {100},
         2},
        {"x y = x: y = 1 and the vertical x = 0",
         [](Extended x, Extended y) { return x * y - x; },
         {100},
         2},
    };
    // A pole of a straight line has no side to run off to: the line goes straight on.
    for (const auto& c : cases) {
        Scene s;
        s.style.fastPoly = true;
        CountingSampler f(c.f);
        s.draw(single(f, RelationOp::Equal));
        EXPECT_EQ(s.mode, RelationMode::Quadratic) << c.name;
        const auto lines = s.canvas.lines();
        EXPECT_EQ(lines.size(), c.lines) << c.name;
        for (int x : c.verticals) {
            bool found = false;
            for (const auto& line : lines) found = found || isVerticalLine(line, x);
            EXPECT_TRUE(found) << c.name << " at " << x;
        }
    }
}

TEST(QuadraticMode, EnlargedOutputScalesColumnsAndRows) {
    Scene s;
    s.style.fastPoly = true;
    s.tv.view.setOutputScale(3);
    CountingSampler f([](Extended x, Extended) { return x - 2; });
    s.draw(single(f, RelationOp::Equal));
    ASSERT_EQ(s.canvas.lines().size(), 1u);
    EXPECT_EQ(s.canvas.lines()[0], (std::vector<Point>{{420, 0}, {420, 600}}));
    EXPECT_EQ(s.canvas.calls[0].pen.width, 3);
}

TEST(QuadraticMode, AConicInequalityStillMarksItsRegion) {
    Scene s;
    s.style.fastPoly = true;
    s.style.pattern = 2;
    CountingSampler f([](Extended x, Extended y) { return x * x + y * y - 4; });
    s.draw(single(f, RelationOp::LessEqual));
    EXPECT_EQ(s.mode, RelationMode::Quadratic);
    EXPECT_EQ(f.rowCalls, 14); // the region comes from the conic's coefficients
    EXPECT_EQ(s.canvas.lines().size(), 2u);
    EXPECT_TRUE(s.canvas.pixels.count({100, 96}));
    EXPECT_FALSE(s.canvas.pixels.count({100, 48}));
}

namespace {

// Every grid pixel (x, y) in 0 .. 201 on a pattern row or column where inside(world x, world
// y) holds, as the hatching must set them.
template <typename Inside, typename OnPattern>
std::map<std::pair<int, int>, Color> expectedPixels(const TestView& tv, Inside inside, OnPattern on,
                                                    Color color) {
    std::map<std::pair<int, int>, Color> out;
    for (int y = 0; y <= 201; ++y)
        for (int x = 0; x <= 201; ++x)
            if (on(x, y) && inside(tv.worldX(x), tv.worldY(y))) out[{x, y}] = color;
    return out;
}

} // namespace

TEST(RelationRegion, TwoPartsInOneGroupFillOnlyTheUpperHalfDisc) {
    Scene s;
    s.style.pattern = 2; // horizontal lines every 16th row
    s.style.color = rgbColor(0, 0, 200);
    CountingSampler disc([](Extended x, Extended y) { return x * x + y * y - 4; });
    CountingSampler upper([](Extended, Extended y) { return y; });
    RelationParts parts;
    parts.parts = {{&disc, RelationOp::Less, false}, {&upper, RelationOp::Greater, false}};
    parts.groups = {std::uint8_t(partBit(1) | partBit(2))};
    s.draw(parts);
    const auto expected = expectedPixels(
        s.tv, [](Extended x, Extended y) { return x * x + y * y - 4 < -1e-8L && y > 1e-8L; },
        [](int, int y) { return y % 16 == 0; }, s.style.color);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(s.canvas.pixels, expected);
}

TEST(RelationRegion, TwoGroupsFillBothOuterStrips) {
    Scene s;
    s.style.pattern = 1; // vertical lines every 16th column
    CountingSampler left([](Extended x, Extended) { return x + 1; });
    CountingSampler right([](Extended x, Extended) { return x - 1; });
    RelationParts parts;
    parts.parts = {{&left, RelationOp::Less, false}, {&right, RelationOp::Greater, false}};
    parts.groups = {partBit(1), partBit(2)};
    s.draw(parts);
    const auto expected = expectedPixels(
        s.tv, [](Extended x, Extended) { return x < -1 - 1e-8L || x > 1 + 1e-8L; },
        [](int x, int) { return x % 16 == 0; }, s.style.color);
    EXPECT_EQ(s.canvas.pixels, expected);
    EXPECT_TRUE(s.canvas.pixels.count({64, 100}));
    EXPECT_TRUE(s.canvas.pixels.count({128, 100}));
}

TEST(RelationRegion, StrictInequalitiesShowAFadedBoundaryOrNoneWithBorder) {
    const Color blue = rgbColor(0, 0, 255);
    for (int border : {0, 1}) {
        Scene s;
        s.style.pattern = 3;
        s.style.color = blue;
        s.style.border = border;
        CountingSampler f([](Extended x, Extended y) { return x * x + y * y - 4; });
        s.draw(single(f, RelationOp::Less));
        EXPECT_FALSE(s.canvas.pixels.empty()) << border;
        if (border != 0) {
            EXPECT_TRUE(s.canvas.calls.empty());
        } else {
            ASSERT_FALSE(s.canvas.calls.empty());
            EXPECT_EQ(s.canvas.calls[0].pen.color, fadeColour(blue, 0.75L));
            EXPECT_NE(s.canvas.calls[0].pen.color, blue);
        }
    }
    // Non-strict ones keep the colour of the relation.
    Scene s;
    s.style.color = blue;
    s.style.border = 1;
    CountingSampler f([](Extended x, Extended y) { return x * x + y * y - 4; });
    s.draw(single(f, RelationOp::LessEqual));
    ASSERT_FALSE(s.canvas.calls.empty());
    EXPECT_EQ(s.canvas.calls[0].pen.color, blue);
}
