#include "expression/Value.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tarlix;

TEST(Value, RangeRuleRejectsInfinityNanAndTinyMagnitudes) {
    const Extended inf = std::numeric_limits<Extended>::infinity();
    EXPECT_FALSE(checkRange(makeReal(inf)).isValid());
    EXPECT_FALSE(checkRange(makeReal(std::numeric_limits<Extended>::quiet_NaN())).isValid());
    EXPECT_FALSE(checkRange(makeReal(1e-2420L)).isValid());
    EXPECT_FALSE(checkRange(makeReal(-1e+2415L)).isValid());
    EXPECT_TRUE(checkRange(makeReal(0)).isValid());
    EXPECT_TRUE(checkRange(makeReal(-1e+2413L)).isValid());
    EXPECT_FALSE(checkRange(makePair(1, inf)).isValid());
    EXPECT_TRUE(checkRange(makeReal(1)).kind == ValueKind::Real);
}

TEST(Value, SnapReplacesOnlyNearTruncations) {
    EXPECT_EQ(snap(makeReal(2.00000000000000000001L)).x, 2.0L);
    const Extended almost = 1.9999999999999999L;
    EXPECT_EQ(snap(makeReal(almost)).x, almost);
    const Value p = snap(makePair(-3.000000000000000000001L, 0.5L));
    EXPECT_EQ(p.x, -3.0L);
    EXPECT_EQ(p.y, 0.5L);
    EXPECT_FALSE(snap(makeUndefined(ValueKind::Real)).isValid());
}

TEST(Value, ToPairPromotesRealsAndUndefined) {
    const Value p = toPair(makeReal(4));
    EXPECT_EQ(p.kind, ValueKind::Pair);
    EXPECT_EQ(p.x, 4.0L);
    EXPECT_EQ(p.y, 0.0L);
    const Value u = toPair(makeUndefined(ValueKind::Real));
    EXPECT_EQ(u.kind, ValueKind::Pair);
    EXPECT_FALSE(u.isValid());
}
