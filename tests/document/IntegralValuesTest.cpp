#include "document/IntegralValues.h"
#include "document/EntryCompile.h"
#include "document/FunctionValues.h"
#include "document/ProjectFixture.h"
#include "document/WindowSettingsEdit.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarlix;

namespace {

struct IntegralValuesTest : tarlix::testing::ProjectTest {
    void function(int n, const char* text) {
        EquationEntry f = blankEquation();
        f.expr.source = text;
        storeExplicitFunction(ctx, n, f);
    }
    void limits(const char* low, const char* high) {
        project.integralWindow.bounds.low.source = low;
        project.integralWindow.bounds.high.source = high;
        compileWindowTexts(project, false, ctx.compileEnv());
    }
    IntegralTable table() { return integralTable(ctx, integralRequestOf(ctx)); }
    std::string text(int k) { return integralRowText(table()[static_cast<std::size_t>(k)], '.'); }
};

} // namespace

// The window's figures for the cases a teacher checks by hand: Simpson is exact for cubics,
// reversed limits negate, the area of a sine wave is 4 where its integral is 0.
TEST_F(IntegralValuesTest, RowsByTheCompositeSimpsonRule) {
    struct Case {
        const char* function;
        const char* low;
        const char* high;
        int partitions;
        bool area;
        const char* shown;
    };
    const Case cases[] = {
        {"x^2", "0", "1", 2, false, "0.33333333"},
        {"x^2", "1", "0", 2, false, "-0.33333333"},
        {"x^3-x", "-1", "2", 2, false, "2.25000000"},
        {"sin x", "0", "2Pi", 200, true, "4.00000002"}, // |sin x| has corners at 0, Pi, 2Pi
        {"sin x", "0", "2Pi", 200, false, "0.00000000"},
        {"x", "1", "0", 40, true, "0.50000000"}, // an area is never negative
        {"x", "a", "3", 40, false, "4.00000000"}, // a = 1 in a new project
    };
    for (const Case& c : cases) {
        function(1, c.function);
        limits(c.low, c.high);
        project.engine.integralPartitions = c.partitions;
        project.integralWindow.areaMode = c.area;
        EXPECT_EQ(text(1), c.shown) << c.function << " from " << c.low << " to " << c.high;
    }
}

// An undefined value counts as 0: the square root over -1..1 is the Simpson sum of its
// right half alone.
TEST_F(IntegralValuesTest, UndefinedValuesCountAsZero) {
    function(1, "sqrt x");
    limits("-1", "1");
    project.engine.integralPartitions = 4;
    const Extended v[] = {0, 0, 0, std::sqrt(0.5L), 1};
    EXPECT_NEAR(static_cast<double>(table()[1].value), static_cast<double>(simpson(v, -1, 1)),
                1e-15);
    EXPECT_GT(table()[1].value, 0);
}

// The subtracted function is taken from every row, itself included; an area counts the
// difference without its sign.
TEST_F(IntegralValuesTest, TheSubtractedFunctionIsTakenFromEveryRow) {
    function(1, "x");
    function(2, "2x");
    limits("0", "2");
    project.integralWindow.secondFunction = 2;
    EXPECT_EQ(text(1), "-2.00000000");
    EXPECT_EQ(text(2), "0.00000000");
    project.integralWindow.areaMode = true;
    EXPECT_EQ(text(1), "2.00000000");
}

// Rows: listed only for functions with text; "0" for a function hidden on the data panel;
// "---" everywhere without a valid limit.
TEST_F(IntegralValuesTest, RowStates) {
    function(1, "x");
    function(3, "x^2");
    project.explicitFunctions[3].visible = false;
    limits("0", "1");
    EXPECT_EQ(table()[2].state, IntegralRowState::Missing);
    EXPECT_EQ(text(3), "0");
    limits("0", "ln(0)");
    EXPECT_EQ(text(1), "---");
    EXPECT_EQ(text(3), "---");
    limits("0", "1+");
    EXPECT_EQ(text(1), "---") << "a limit that does not compile";
}

TEST_F(IntegralValuesTest, PartitionCounts) {
    for (const char* refused : {"41", "0", "202", "-2", "", "4x", "1e2", "2.0"})
        EXPECT_FALSE(partitionsFromText(refused)) << refused;
    EXPECT_EQ(partitionsFromText("200"), 200);
    EXPECT_EQ(partitionsFromText("2"), 2);
    EXPECT_EQ(partitionsFromText(" 40 "), 40);
    EXPECT_FALSE(setIntegralPartitions(ctx, 41));
    EXPECT_FALSE(project.modified);
    EXPECT_TRUE(setIntegralPartitions(ctx, 200));
    EXPECT_EQ(project.engine.integralPartitions, 200);
    EXPECT_TRUE(project.modified) << "the file keeps the partitions";
}

// The value window: y1 = x^2 at x = 3 is 9 with twelve decimals; a row without its function is
// "---"; an x that is a parameter follows it.
TEST_F(IntegralValuesTest, FunctionValueRows) {
    function(1, "x^2");
    setMarkerText(ctx, Marker::ValueX, "3");
    std::optional<Extended> x = valueWindowX(ctx);
    ASSERT_TRUE(x);
    ValueRows rows = valueRows(ctx, x);
    EXPECT_EQ(valueRowText(rows[1], '.'), "9.000000000000");
    EXPECT_EQ(valueRowText(rows[2], '.'), "---");
    EXPECT_EQ(valueRowText(rows[1], ','), "9,000000000000");

    setMarkerText(ctx, Marker::ValueX, "a");
    project.parameters[1].value = 0.5L;
    x = valueWindowX(ctx);
    ASSERT_TRUE(x);
    EXPECT_EQ(*x, 0.5L);
    EXPECT_EQ(valueRowText(valueRows(ctx, x)[1], '.'), "0.250000000000");
    EXPECT_FALSE(draggableMarkerX(project, {true, true}, Marker::ValueX));

    setValueRowText(ctx, 2, "y1+1");
    EXPECT_EQ(valueRowText(valueRows(ctx, x)[2], '.'), "1.250000000000");
}

// What the windows change is the project's: marked modified and drawn again.
TEST_F(IntegralValuesTest, WindowSettingsMarkTheProjectModified) {
    const int redraws = hooks.redraws;
    toggleMarkerShown(ctx, Marker::LowerLimit);
    EXPECT_EQ(project.integralWindow.bounds.low.marked, 0);
    setIntegratedFunction(ctx, 3);
    setSubtractedFunction(ctx, 2);
    setIntegralAreaMode(ctx, true);
    setSubtractedFunction(ctx, 21); // out of range: ignored
    EXPECT_EQ(project.integralWindow.integratedFunction, 3);
    EXPECT_EQ(project.integralWindow.secondFunction, 2);
    EXPECT_TRUE(project.integralWindow.areaMode);
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(hooks.redraws, redraws + 4);
}
