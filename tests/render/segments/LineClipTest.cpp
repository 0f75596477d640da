// The line clipper: what reaches the canvas of lines, rays, segments and rectangles whose points
// lie inside, outside or absurdly far outside the picture.
#include "render/LineClip.h"
#include "render/segments/SegmentFixture.h"

#include <cmath>
#include <limits>

namespace tarlix::testing {

namespace {

struct ClipCase {
    const char* name;
    ClipRule rule;
    WorldPoint a, b;
    PixelF expectedA, expectedB;
};

// 500 x 500 pixels, 50 a unit, origin (250, 250); the pixel limit is 10000.
const ClipCase kCases[] = {
    {"a segment inside stays as it is",
     ClipRule::Segment,
     {-1, 1},
     {2, -3},
     {200, 200},
     {350, 400}},
    {"a segment crossing the picture keeps ends within the limit",
     ClipRule::Segment,
     {-100, 0},
     {100, 0},
     {-4750, 250},
     {5250, 250}},
    {"a segment beyond one edge stays there, clamped",
     ClipRule::Segment,
     {100, 1},
     {300, 2},
     {5250, 200},
     {10000, 150}},
    {"a segment whose line misses the picture goes right out of it",
     ClipRule::Segment,
     {-1000, 10},
     {10, -1000},
     {1000, 250},
     {1000, 250}},
    {"a far end is pulled in along the line to twice the picture from the centre",
     ClipRule::Segment,
     {0, 0},
     {1e6, 1e6},
     {250, 250},
     {250 + 1000 / std::sqrt(2.0L), 250 - 1000 / std::sqrt(2.0L)}},
    {"a huge end lands where a far one does",
     ClipRule::Segment,
     {0, 0},
     {1e300L, 1e300L},
     {250, 250},
     {250 + 1000 / std::sqrt(2.0L), 250 - 1000 / std::sqrt(2.0L)}},
    {"a line runs from edge to edge", ClipRule::Line, {0, 0}, {1, 1}, {0, 500}, {500, 0}},
    {"a steep line runs from bottom to top in its direction",
     ClipRule::Line,
     {0, 0},
     {1, 2},
     {125, 500},
     {375, 0}},
    {"a line far from the origin still crosses from edge to edge",
     ClipRule::Line,
     {1e12L, 1e12L},
     {1e12L + 1, 1e12L + 1},
     {0, 500},
     {500, 0}},
    {"a ray from inside runs to the edge it heads for",
     ClipRule::Ray,
     {0, 0},
     {1, 0.5},
     {250, 250},
     {500, 125}},
    {"a steep ray heads for the bottom",
     ClipRule::Ray,
     {1, 0},
     {1.5, -2},
     {300, 250},
     {362.5, 500}},
    {"a ray starting beyond the edge it heads for keeps its points",
     ClipRule::Ray,
     {6, 0},
     {7, 0},
     {550, 250},
     {600, 250}},
    {"a ray from far behind the picture starts at its near edge",
     ClipRule::Ray,
     {-1e9L, 0},
     {0, 0},
     {0, 250},
     {500, 250}},
    {"rectangle corners outside become one pixel beyond the picture",
     ClipRule::Rectangle,
     {-6, 1.01L},
     {20, -9},
     {-1, 200},
     {501, 501}},
};

} // namespace

TEST_F(SegmentTest, LineClipGivesTheVisiblePart) {
    for (const ClipCase& c : kCases) {
        const auto pair = lineClip(view, c.rule, c.a, c.b);
        ASSERT_TRUE(pair) << c.name;
        EXPECT_NEAR(double(pair->first.x), double(c.expectedA.x), 1e-6) << c.name;
        EXPECT_NEAR(double(pair->first.y), double(c.expectedA.y), 1e-6) << c.name;
        EXPECT_NEAR(double(pair->second.x), double(c.expectedB.x), 1e-6) << c.name;
        EXPECT_NEAR(double(pair->second.y), double(c.expectedB.y), 1e-6) << c.name;
    }
}

TEST_F(SegmentTest, LineClipDrawsNothingWithoutDirectionOrWithEndsThatAreNoNumbers) {
    const Extended inf = std::numeric_limits<Extended>::infinity();
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    EXPECT_FALSE(lineClip(view, ClipRule::Line, {1, 1}, {1, 1}));
    EXPECT_FALSE(lineClip(view, ClipRule::Ray, {1, 1}, {1, 1}));
    EXPECT_FALSE(lineClip(view, ClipRule::Segment, {0, 0}, {inf, 1}));
    EXPECT_FALSE(lineClip(view, ClipRule::Line, {nan, 0}, {1, 1}));
    // A segment of no length is still a point to draw.
    EXPECT_TRUE(lineClip(view, ClipRule::Segment, {1, 1}, {1, 1}));
}

TEST_F(SegmentTest, LineClipWorksInOutputPixelsWhenEnlarged) {
    view.xAxis.outputScale = view.yAxis.outputScale = 2;
    const auto line = lineClipRounded(view, ClipRule::Line, {0, 0}, {1, 1});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->first, (Point{0, 1000}));
    EXPECT_EQ(line->second, (Point{1000, 0}));
}

} // namespace tarlix::testing
