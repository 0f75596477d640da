#include "render/axes/TickText.h"

#include <gtest/gtest.h>

using namespace tarlix;

TEST(TickText, DecimalValuesDropTrailingZerosAndNoise) {
    const struct {
        Extended value;
        const char* text;
    } cases[] = {
        {0.1L + 0.2L, "0.3"},          {2.5L, "2.5"}, {1e-10L, "0"}, {1000000, "1000000"},
        {0.000000001L, "0.000000001"},
        // Nineteen significant digits, then general format past them.
        {123456789012.123456789L, "123456789012.1234568"},
        {5e18L, "5000000000000000000"},
        {2e20L, "2E20"},
    };
    for (const auto& c : cases) EXPECT_EQ(decimalTickText(c.value), c.text) << c.text;
}

// A tick a hair beside 0 is the origin, not "-0".
TEST(TickText, ANearZeroTickIsZero) {
    Axis axis;
    const TickText t = tickText(axis, -1e-17L);
    EXPECT_TRUE(t.zero);
    EXPECT_EQ(t.text, "0");
}
