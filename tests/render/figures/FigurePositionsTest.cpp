#include "FigureFixture.h"

#include <cmath>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

struct PositionCase {
    const char* what;
    int n;
    FigureEntry entry;
    FigureKind kind; // of the position
    Extended x, y, r;
};

} // namespace

// Parameters start at 1 (θ at 0), so a curve stands at its point for t = 1 or θ = 0.
TEST_F(FigureTest, EachKindIsEvaluatedIntoItsPosition) {
    const PositionCase cases[] = {
        {"point", 1, figure(1, FigureKind::Point, "1", "a+1"), FigureKind::Point, 1, 2, 0},
        {"circle", 2, figure(2, FigureKind::Circle, "-1", "2", "3"), FigureKind::Circle, -1, 2, 3},
        {"horizontal strip", 3, figure(3, FigureKind::HorizontalLine, "", "2", "0.5"),
         FigureKind::HorizontalLine, 0, 2, 0.5},
        {"vertical line with an empty width", 4, figure(4, FigureKind::VerticalLine, "-1", "", ""),
         FigureKind::VerticalLine, -1, 0, 0},
        {"polar curve at its current angle", 5, polar(5, "2", 0.1), FigureKind::Point, 2, 0, 2},
        {"parametric curve at its current parameter", 6, curve(6, "t", "t^2+1", 0.1),
         FigureKind::Point, 1, 2, 0},
        {"point built from P and the circle's centre", 8,
         figure(8, FigureKind::Point, "mid(P,Q).x", "mid(P,Q).y"), FigureKind::Point, 0, 2, 0},
    };
    for (const PositionCase& c : cases) store(c.n, c.entry);
    update();
    for (const PositionCase& c : cases) {
        const FigurePosition& p = at(c.n);
        EXPECT_EQ(p.kind, c.kind) << c.what;
        EXPECT_NEAR(static_cast<double>(p.x), static_cast<double>(c.x), 1e-12) << c.what;
        EXPECT_NEAR(static_cast<double>(p.y), static_cast<double>(c.y), 1e-12) << c.what;
        EXPECT_NEAR(static_cast<double>(p.r), static_cast<double>(c.r), 1e-12) << c.what;
    }
}

TEST_F(FigureTest, AFigureWithAnUndefinedPartIsNotDrawable) {
    store(1, figure(1, FigureKind::Point, "1", "sqrt(-1)"));
    store(2, figure(2, FigureKind::Circle, "0", "0", "ln(0)"));
    store(3, figure(3, FigureKind::HorizontalLine, "", "1", "1/0"));
    store(4, figure(4, FigureKind::Point, "S.x+1", "0")); // refers to itself
    update();
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(at(n).kind, FigureKind::Empty) << n;
    // Undefined values read as 0, so connected figures never see garbage; a point is one
    // value, undefined as a whole.
    EXPECT_EQ(at(1).x, 0);
    EXPECT_EQ(at(1).y, 0);
    EXPECT_EQ(at(3).y, 1);
    RecordingCanvas c = drawn();
    EXPECT_TRUE(c.calls().empty()) << "neither the circle nor its centre is drawn";
}

TEST_F(FigureTest, NegativeRadiiAreRefusedOnlyWhenTheLanguageForbidsThem) {
    store(1, figure(1, FigureKind::Circle, "0", "0", "-2"));
    store(2, polar(2, "-1", 0.1));
    update();
    EXPECT_EQ(at(1).kind, FigureKind::Circle);
    EXPECT_EQ(at(2).kind, FigureKind::Point);
    project.engine.circleMode = CircleMode::NegativeRadiusUndefined;
    update();
    EXPECT_EQ(at(1).kind, FigureKind::Empty);
    EXPECT_EQ(at(2).kind, FigureKind::Empty);
}

TEST_F(FigureTest, OnlyATraceRedrawKeepsTheLocusWidth) {
    FigureEntry p = figure(1, FigureKind::Point, "a", "0");
    p.locusWidth = 3;
    store(1, p);
    FigureEntry c = curve(2, "t", "0", 0.5);
    c.locusWidth = 3;
    store(2, c);
    store(3, figure(3, FigureKind::Point, "0", "0")); // no trace at all
    update(false);
    EXPECT_EQ(at(1).locusWidth, noTraceThisRedraw);
    EXPECT_EQ(at(2).locusWidth, 0);
    EXPECT_EQ(at(3).locusWidth, 0);
    update(true);
    EXPECT_EQ(at(1).locusWidth, 3);
    EXPECT_EQ(at(2).locusWidth, 0) << "curves leave no trace";
}
