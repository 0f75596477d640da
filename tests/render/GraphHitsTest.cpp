#include "render/GraphHits.h"
#include "render/PictureFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tarlix;

namespace {

struct GraphHitsTest : tarlix::testing::PictureTest {
    CurveUnderPointer functionUnder(int px, int py) {
        return functionAt(view, project.explicitFunctions, picture.evaluator(), px, py);
    }
    CurveUnderPointer relationUnder(int px, int py) {
        return relationAt(view, picture.relationEntries(), px, py);
    }
    void storeC(int n, const std::string& text) { storeRelation(ctx, n, equation(text)); }
};

constexpr Extended undefinedSample = std::numeric_limits<Extended>::quiet_NaN();

} // namespace

TEST(CurvePassesBetween, NeedsTwoDefinedSamplesOfDifferentSigns) {
    struct Case {
        const char* name;
        Extended s[4];
        bool passes;
    } cases[] = {
        {"all above", {1, 2, 3, 4}, false},
        {"all below", {-1, -2, -3, -4}, false},
        {"one below", {1, 2, -3, 4}, true},
        {"two defined, opposite", {undefinedSample, 1, undefinedSample, -1}, true},
        {"two defined, alike", {undefinedSample, 1, undefinedSample, 2}, false},
        {"one defined", {undefinedSample, undefinedSample, undefinedSample, -1}, false},
        {"a zero among positives", {0, 1, 1, 1}, true},
        {"none defined",
         {undefinedSample, undefinedSample, undefinedSample, undefinedSample},
         false},
    };
    for (const Case& c : cases) EXPECT_EQ(passesBetween(c.s), c.passes) << c.name;
}

// The highest-numbered function through the pointer is found, with its value at the pointer's x.
TEST_F(GraphHitsTest, FindsTheFunctionThroughThePointer) {
    storeY(1, "x^2");
    storeY(2, "x^2");
    storeY(3, "sqrt(x)");
    picture.recompute();
    const PixelPoint on = view.toPoint(0.5L, 0.25L);
    const CurveUnderPointer hit = functionUnder(on.x, on.y);
    EXPECT_EQ(hit.number, 2);
    EXPECT_NEAR(hit.x, view.xAxis.toWorld(on.x), 1e-12);
    EXPECT_NEAR(hit.y, hit.x * hit.x, 1e-12);

    const PixelPoint above = view.toPoint(0.5L, 3);
    EXPECT_EQ(functionUnder(above.x, above.y).number, 0);
    // Left of its domain sqrt is undefined at every sample: no hit, though y = 0 is near.
    storeY(1, "");
    storeY(2, "");
    const PixelPoint left = view.toPoint(-2, 0);
    EXPECT_EQ(functionUnder(left.x, left.y).number, 0);
}

// A pointer near a relation's curve finds it, and the point given lies on the curve within a
// pixel; a pointer inside the circle, away from it, finds nothing.
TEST_F(GraphHitsTest, FindsTheRelationNearThePointerAndAPointOnIt) {
    storeC(1, "x^2+y^2=4");
    storeC(2, "x=y");
    picture.recompute();
    const PixelPoint near = view.toPoint(0, 2);
    const CurveUnderPointer hit = relationUnder(near.x + 1, near.y + 1);
    EXPECT_EQ(hit.number, 1);
    EXPECT_NEAR(std::hypot(static_cast<double>(hit.x), static_cast<double>(hit.y)), 2,
                static_cast<double>(view.xAxis.unitsPerPixel));

    const PixelPoint inside = view.toPoint(0.5L, 1);
    EXPECT_EQ(relationUnder(inside.x, inside.y).number, 0);
    const PixelPoint diagonal = view.toPoint(0.5L, 0.5L);
    const CurveUnderPointer line = relationUnder(diagonal.x + 1, diagonal.y);
    EXPECT_EQ(line.number, 2);
    EXPECT_NEAR(line.x, line.y, view.xAxis.unitsPerPixel);
}
