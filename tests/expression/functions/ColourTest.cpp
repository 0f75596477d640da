#include "expression/functions/Colour.h"
#include "expression/functions/ValueChecks.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

TEST(Colour, RgbAndHslColourNumbers) {
    const struct {
        const char* what;
        bool hsl;
        Extended a, b, c, expected;
    } cases[] = {
        {"rgb red", false, 1, 0, 0, 255},
        {"rgb blue", false, 0, 0, 1, 16711680},
        {"rgb clamps", false, 2, -1, 0.5L, 255 + 65536 * 128},
        {"rgb rounds halves to even", false, 0.5L / 255, 1.5L / 255, 0, 0 + 256 * 2},
        {"hsl red", true, 0, 1, 0.5L, 255},
        {"hsl green", true, 1.0L / 3, 1, 0.5L, 255 * 256},
        {"hsl blue", true, 2.0L / 3, 1, 0.5L, 255 * 65536},
        {"hsl negative hue wraps", true, -1.0L / 3, 1, 0.5L, 255 * 65536},
        {"hsl hue beyond a turn", true, 1, 1, 0.5L, 255},
        {"hsl yellow", true, 1.0L / 6, 1, 0.5L, 255 + 255 * 256},
        {"hsl white", true, 0.3L, 1, 1, 16777215},
        {"hsl grey", true, 0.7L, 0, 0.5L, 128 + 128 * 256 + 128 * 65536},
        {"hsl light", true, 0, 1, 0.75L, 255 + 128 * 256 + 128 * 65536},
    };
    for (const auto& c : cases) {
        const ValueArray args{R(c.a), R(c.b), R(c.c)};
        EXPECT_TRUE(isReal(c.hsl ? hslValue(args) : rgbValue(args), c.expected)) << c.what;
    }
    EXPECT_TRUE(isUndefined(rgbValue({R(1), R(0)})));
    EXPECT_TRUE(isUndefined(hslValue({R(1), makeUndefined(ValueKind::Real), R(0)})));
}
