#include "view/View.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarlix;

// The mapping rounds to the nearest pixel, ties to even, exactly as nearbyint does: on both
// sides of 0, at every half, and up to the clamp limit.
TEST(PixelRounding, AgreesWithTheLibrarysNearestWhole) {
    Axis a;
    a.axisId = 'x';
    a.pixelLength = 400;
    a.setRange(200, -200); // one unit a pixel, the origin at pixel 200
    a.recompute();
    for (int i = -4000; i <= 4000; ++i) {
        const Extended v = i / 8.0L;
        const Extended f = a.toPixelFloat(v);
        EXPECT_EQ(a.toPixel(v), static_cast<int>(std::nearbyint(f))) << static_cast<double>(v);
        EXPECT_EQ(a.lengthToPixels(v), static_cast<int>(std::nearbyint(v)))
            << static_cast<double>(v);
    }
    for (const Extended v : {-10200.5L, -10199.5L, 9799.5L, 9800.5L, 1e30L, -1e30L}) {
        const Extended clamped = std::fmax(std::fmin(a.toPixelFloat(v), 10000), -10000);
        EXPECT_EQ(a.toPixel(v), static_cast<int>(std::nearbyint(clamped)))
            << static_cast<double>(v);
    }
}
