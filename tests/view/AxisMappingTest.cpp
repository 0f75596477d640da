#include "view/View.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tarlix;

namespace {

Axis makeAxis(char id, Extended low, Extended high, int pixels, int outputScale = 1) {
    Axis a;
    a.axisId = id;
    a.pixelLength = pixels;
    a.setRange(high, low);
    a.outputScale = outputScale;
    a.recompute();
    return a;
}

} // namespace

TEST(AxisMapping, WorldToPixelOnBothAxes) {
    struct Case {
        char id;
        Extended low, high;
        int pixels;
        Extended v;
        int pixel;
    };
    const Case cases[] = {
        {'x', -5, 5, 400, 1, 240},   {'y', -5, 5, 400, 1, 160},  {'x', -5, 5, 400, -5, 0},
        {'y', -5, 5, 400, 5, 0},     {'y', -5, 5, 400, -5, 400}, {'x', 0, 400, 400, 2.5L, 2},
        {'x', 0, 400, 400, 3.5L, 4}, // ties go to the even pixel
        {'x', -1, 2, 100, 0, 33},    // the origin pixel is rounded: 33.33 + 0.5 truncated
        {'y', -1, 2, 100, 0, 67},
    };
    for (const Case& c : cases) {
        const Axis a = makeAxis(c.id, c.low, c.high, c.pixels);
        EXPECT_EQ(a.toPixel(c.v), c.pixel) << c.id << " " << static_cast<double>(c.v);
        EXPECT_FALSE(a.clipped);
    }
    const Axis x = makeAxis('x', -5, 5, 400);
    EXPECT_EQ(x.pixelsPerUnit, 40);
    EXPECT_EQ(x.originPixel, 200);
    EXPECT_EQ(x.toWorld(240), 1);
    EXPECT_EQ(makeAxis('y', -5, 5, 400).toWorld(160), 1);
    EXPECT_EQ(makeAxis('x', -5, 5, 400, 3).toWorld(720), 1);
    EXPECT_EQ(makeAxis('x', -5, 5, 400, 3).toPixelFloat(1), 720);
}

TEST(AxisMapping, PixelsAreClampedAtTheLimitAndFlaggedClipped) {
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    struct Case {
        Extended v;
        int outputScale;
        int pixel;
        bool clipped;
    };
    // -5..5 on 400 pixels: world 245 is pixel 10000 exactly.
    const Case cases[] = {
        {1e9L, 1, 10000, true},   {-1e9L, 1, -10000, true}, {1e9L, 3, 30000, true},
        {-1e9L, 2, -30000, true}, {245, 1, 10000, false},   {245.1L, 1, 10000, true},
        {nan, 1, -10000, true},   {100, 1, 4200, false},    {240, 3, 29400, false},
    };
    for (const Case& c : cases) {
        const Axis a = makeAxis('x', -5, 5, 400, c.outputScale);
        EXPECT_EQ(a.toPixel(c.v), c.pixel) << static_cast<double>(c.v);
        EXPECT_EQ(a.clipped, c.clipped) << static_cast<double>(c.v);
    }
    const Axis a = makeAxis('x', -5, 5, 400);
    EXPECT_EQ(a.toPixelFloat(1e9L), 40000000200.0L); // unclamped
    a.toPixel(1e9L);
    a.toPixel(1);
    EXPECT_FALSE(a.clipped) << "every conversion sets the flag afresh";
    EXPECT_EQ(a.lengthToPixels(2.5L), 100);
    EXPECT_FALSE(a.clipped);
    EXPECT_EQ(a.lengthToPixels(1e9L), 10000);
    EXPECT_TRUE(a.clipped);
    EXPECT_EQ(makeAxis('x', -5, 5, 400, 3).lengthToPixels(-1e9L), -30000);
}

TEST(AxisMapping, ToWorldSnapsOnlyWithinATinyFractionOfAPixel) {
    const Axis x = makeAxis('x', -5, 5, 400);
    EXPECT_EQ(x.toWorld(240.0000001L), 1);
    EXPECT_NE(x.toWorldRaw(240.0000001L), 1);
    EXPECT_EQ(x.toWorld(159.9999999L), -1);
    EXPECT_NEAR(static_cast<double>(x.toWorld(240.01L)), 1.00025, 1e-12);
    EXPECT_EQ(x.pixelsToLength(40), 1);
}

TEST(AxisMapping, DecimalsShowOnePixelStep) {
    struct Case {
        Extended low, high;
        int pixels;
        int decimals;
    };
    const Case cases[] = {
        {-5, 5, 400, 2},                                                          // 0.025 per pixel
        {0, 400, 400, 0}, {0, 4000, 400, 0}, {0, 200, 400, 1}, {0, 0.8L, 400, 3}, // 0.002 per pixel
    };
    for (const Case& c : cases) {
        EXPECT_EQ(makeAxis('x', c.low, c.high, c.pixels).decimals, c.decimals)
            << static_cast<double>(c.high);
    }
}

TEST(AxisMapping, OnlyAChangedHorizontalMappingFlagsTheRedraw) {
    RedrawState rs;
    Axis x = makeAxis('x', -5, 5, 400);
    Axis y = makeAxis('y', -5, 5, 400);
    x.redraw = &rs;
    y.redraw = &rs;
    x.recompute();
    EXPECT_FALSE(rs.mappingChanged) << "nothing changed";
    y.setRange(6, -6);
    y.recompute();
    EXPECT_FALSE(rs.mappingChanged);
    x.setRange(6, -4); // same scale, origin moved
    x.recompute();
    EXPECT_TRUE(rs.mappingChanged);
}
