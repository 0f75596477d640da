#include "render/relation/Hatching.h"
#include "render/relation/RelationPlotter.h"

#include "RelationTestSupport.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::relationtest;

TEST(Hatching, PatternsFollowTheirSlopesAndOffsets) {
    const struct {
        int pattern, x, y;
        bool on;
    } cases[] = {
        {0, 0, 0, false},  {1, 16, 5, true},  {1, 15, 5, false}, {2, 3, 32, true},
        {2, 3, 31, false}, {3, 5, 5, true},   {3, 5, 6, false},  {4, 15, 1, true},
        {4, 1, 15, true},  {4, 1, 1, false},  {5, 2, 1, true},   {5, 1, 1, false},
        {6, 14, 1, true},  {7, 1, 14, true},  {8, 1, 2, true},   {8, 2, 1, false},
        {9, 4, 1, true},   {9, 4, 2, false},  {10, 6, 4, true},  {10, 4, 1, false},
        {3, -1, -1, true}, {1, -16, 0, true}, {11, 0, 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(onHatchPattern(c.pattern, c.x, c.y), c.on)
            << c.pattern << " at " << c.x << "," << c.y;
}

namespace {

// The strip x > 1 hatched in vector output at four output pixels per grid pixel, without a
// boundary line.
struct VectorStrip {
    TestView tv;
    ScriptedHooks hooks;
    PixelCanvas canvas;

    explicit VectorStrip(int pattern) {
        tv.view.setOutputScale(4);
        CountingSampler f([](Extended x, Extended) { return x - 1; });
        RelationParts parts;
        parts.parts.push_back({&f, RelationOp::Greater, false});
        parts.groups.push_back(1);
        RelationStyle style;
        style.pattern = pattern;
        style.border = 1;
        RelationPlotter plotter(RelationSettings{}, hooks);
        RelationCanvases canvases{&canvas, nullptr, false, false, true};
        plotter.drawRelation(tv.view, canvases, style, parts);
    }
};

} // namespace

TEST(Hatching, VectorVerticalHatchIsOneSegmentPerColumn) {
    VectorStrip strip(1);
    std::vector<std::vector<Point>> expected;
    for (int x : {128, 144, 160, 176, 192}) expected.push_back({{4 * x, -6}, {4 * x, 806}});
    auto lines = strip.canvas.lines();
    for (auto& line : lines)
        if (line[0].y > line[1].y) std::swap(line[0], line[1]);
    std::sort(lines.begin(), lines.end(),
              [](const auto& a, const auto& b) { return a[0].x < b[0].x; });
    EXPECT_EQ(lines, expected);
    ASSERT_FALSE(strip.canvas.calls.empty());
    EXPECT_EQ(strip.canvas.calls[0].pen.width, 2); // half the output scale
}

TEST(Hatching, VectorHalfStepsJoinIntoLongLinesOfSlopeOneHalf) {
    VectorStrip strip(5);
    const auto lines = strip.canvas.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_LT(lines.size(), 60u);
    for (const auto& line : lines) {
        ASSERT_EQ(line.size(), 2u);
        const int dx = line[1].x - line[0].x, dy = line[1].y - line[0].y;
        EXPECT_EQ(std::abs(dx), 2 * std::abs(dy));
        EXPECT_EQ(dx * dy >= 0, true);
    }
    int longest = 0;
    for (const auto& line : lines) longest = std::max(longest, std::abs(line[1].x - line[0].x));
    EXPECT_GE(longest, 4 * 70);
}

TEST(Hatching, VectorDotPatternsDrawSmallDiscs) {
    for (int pattern : {9, 10}) {
        VectorStrip strip(pattern);
        EXPECT_TRUE(strip.canvas.lines().empty());
        ASSERT_FALSE(strip.canvas.ellipses.empty());
        for (const Rect& r : strip.canvas.ellipses) {
            EXPECT_EQ(r.width(), 4); // radius round(3 h / 4) = 2 with h = 2
            EXPECT_GE(r.left + 2, 4 * 120);
        }
    }
}
