#include "FigureFixture.h"

#include "render/figures/FigureHits.h"

#include <cmath>
#include <numbers>

using namespace tarlix;
using namespace tarlix::testing;

// P at (1, 2) is pixel (120, 60).
TEST_F(FigureTest, APointIsHitWithinFourPixelsAcrossAndLessThanFiveDown) {
    store(1, figure(1, FigureKind::Point, "1", "2"));
    update();
    const struct {
        int dx, dy;
        int hit;
    } cases[] = {
        {0, 0, 1}, {4, 0, 1}, {-4, 4, 1}, {0, -4, 1}, {5, 0, 0}, {-5, 0, 0}, {0, 5, 0}, {0, -5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pointAt(view, project.figures, 120 + c.dx, 60 + c.dy), c.hit)
            << c.dx << "," << c.dy;
}

TEST_F(FigureTest, TheLowestNumberedVisiblePointWins) {
    store(2, figure(2, FigureKind::Circle, "1", "2", "1")); // a circle centre
    store(3, figure(3, FigureKind::Point, "1", "2"));
    store(4, curve(4, "t", "2", 0.5)); // its current point is (1, 2)
    update();
    EXPECT_EQ(pointAt(view, project.figures, 120, 60), 2);
    project.figures[2].visible = false;
    project.figures[3].visible = false;
    EXPECT_EQ(pointAt(view, project.figures, 120, 60), 4);
}

TEST_F(FigureTest, OnlyDraggableFiguresAreFoundUnlessAnyWill) {
    const struct {
        const char* what;
        FigureEntry f;
        bool draggable;
    } cases[] = {
        {"numbers", figure(1, FigureKind::Point, "1", "-2.5"), true},
        {"one coordinate a number", figure(1, FigureKind::Point, "a", "(2)"), true},
        {"expressions", figure(1, FigureKind::Point, "a", "b"), false},
        {"horizontal line by its y", figure(1, FigureKind::HorizontalLine, "", "2"), true},
        {"horizontal line, a number only as x", figure(1, FigureKind::HorizontalLine, "1", "a"),
         false},
        {"vertical line by its x", figure(1, FigureKind::VerticalLine, "1", ""), true},
        {"curve", curve(1, "a t", "t", 0.5), true},
    };
    for (const auto& c : cases) {
        store(1, c.f);
        EXPECT_EQ(isDraggable(project.figures[1]), c.draggable) << c.what;
        FigureEntry locked = project.figures[1];
        locked.drag = false;
        EXPECT_FALSE(isDraggable(locked)) << c.what;
    }
    store(1, figure(1, FigureKind::Point, "a", "b")); // at (1, 1), pixel (120, 80)
    update();
    EXPECT_EQ(figureAt(view, project.figures, 120, 80, false).figure, 0);
    const FigureHit hit = figureAt(view, project.figures, 121, 81, true);
    EXPECT_EQ(hit.figure, 1);
    EXPECT_EQ(hit.x, 1);
    EXPECT_EQ(hit.y, 1);
}

// y = 1 is row 80, x = -1 column 80; the axes are row and column 100.
TEST_F(FigureTest, LinesAndAxesAreHitNearTheirRowOrColumn) {
    store(1, figure(1, FigureKind::HorizontalLine, "", "1"));
    store(2, figure(2, FigureKind::VerticalLine, "-1", ""));
    update();
    const struct {
        int px, py;
        int hit;
    } cases[] = {
        {10, 84, 1},  {10, 85, 0},        {84, 10, 2}, {75, 10, 0}, {40, 104, xAxisHit},
        {40, 105, 0}, {96, 40, yAxisHit}, {95, 40, 0}, {79, 79, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(figureAt(view, project.figures, c.px, c.py, true).figure, c.hit)
            << c.px << "," << c.py;
    EXPECT_EQ(figureAt(view, project.figures, 40, 100, false).figure, 0) << "axes need any";
}

TEST_F(FigureTest, ACurveSampleIsFoundFromTheLastFigureDown) {
    store(1, curve(1, "t", "0", 1, "0", "3"));
    store(2, curve(2, "t", "t/100", 1, "0", "3"));
    update();
    const FigureHit hit = curveSampleAt(view, project.figures, 141, 98);
    EXPECT_EQ(hit.figure, 2);
    EXPECT_EQ(hit.x, 2);
    EXPECT_NEAR(static_cast<double>(hit.y), 0.02, 1e-15);
    EXPECT_EQ(curveSampleAt(view, project.figures, 130, 100).figure, 0) << "between samples";
}

// A unit circle of 64 samples; the mouse anywhere around it brings the point onto it.
TEST_F(FigureTest, APointDraggedAlongACurveStaysOnIt) {
    view.setView(-2, 2, -2, 2); // 50 pixels a unit
    store(1, curve(1, "cos t", "sin t", 2 * std::numbers::pi / 64));
    update();
    for (int i = 0; i < 40; ++i) {
        const double angle = 0.3 + i * 0.157;
        const double radius = i % 2 ? 0.7 : 1.4;
        int px = 100 + static_cast<int>(std::lround(50 * radius * std::cos(angle)));
        int py = 100 - static_cast<int>(std::lround(50 * radius * std::sin(angle)));
        const CurveDragResult r = dragAlongCurve(view, project.figures, 1, px, py, {});
        ASSERT_TRUE(r.found);
        EXPECT_EQ(r.parameter, 10);
        // Between two neighbouring samples the chord sags at most 1 - cos(pi / 64).
        const double onCurve = std::hypot(static_cast<double>(r.x), static_cast<double>(r.y));
        EXPECT_NEAR(onCurve, 1, 1.3e-3) << i;
        // t is the angle of the point, blended as x and y are.
        const double t = std::atan2(static_cast<double>(r.y), static_cast<double>(r.x));
        EXPECT_NEAR(std::remainder(static_cast<double>(r.t) - t, 2 * std::numbers::pi), 0, 2e-3);
        EXPECT_EQ(px, view.xAxis.toPixel(r.x));
        EXPECT_EQ(py, view.yAxis.toPixel(r.y));
    }
}

TEST_F(FigureTest, CtrlSnapsToASampleAndShiftLeavesTheMouseAlone) {
    store(1, curve(1, "t", "0", 1, "0", "4"));
    update();
    // x = 1.3 lies between the samples at 1 and 2.
    int px = 126, py = 90;
    CurveDragResult r = dragAlongCurve(view, project.figures, 1, px, py, {});
    EXPECT_GT(r.t, 1);
    EXPECT_LT(r.t, 2);
    EXPECT_EQ(py, 100);
    px = 126, py = 90;
    r = dragAlongCurve(view, project.figures, 1, px, py, {true, false});
    EXPECT_EQ(r.t, 1) << "the nearer sample";
    px = 126, py = 90;
    r = dragAlongCurve(view, project.figures, 1, px, py, {false, true});
    EXPECT_EQ(px, 126);
    EXPECT_EQ(py, 90);
    // Beyond the last sample the point stays on it.
    px = 190, py = 100;
    EXPECT_EQ(dragAlongCurve(view, project.figures, 1, px, py, {}).t, 4);
    // Not a curve: nothing moves.
    store(2, figure(2, FigureKind::Point, "0", "0"));
    px = 10, py = 10;
    EXPECT_FALSE(dragAlongCurve(view, project.figures, 2, px, py, {}).found);
    EXPECT_EQ(px, 10);
}

TEST_F(FigureTest, DraggingSetsTheCurvesParameterAndMarksItsUsers) {
    store(1, curve(1, "t", "0", 1, "0", "4"));
    store(2, figure(2, FigureKind::Point, "t", "1"));
    update();
    int px = 130, py = 100;
    const CurveDragResult r = dragAlongCurve(view, project.figures, 1, px, py, {});
    redraw.clear();
    EXPECT_TRUE(applyCurveDrag(ctx, r));
    EXPECT_EQ(project.parameters[10].value, r.t);
    EXPECT_TRUE(redraw.isDirty(static_cast<std::uint8_t>(figureToken(2))));
    EXPECT_FALSE(applyCurveDrag(ctx, r)) << "the same value changes nothing";
}

TEST_F(FigureTest, TheHighlightRingsAPointAndBandsALineOrAnAxis) {
    store(1, figure(1, FigureKind::Point, "1", "2"));
    store(2, figure(2, FigureKind::HorizontalLine, "", "1"));
    update();
    RecordingCanvas c(200, 200);
    highlightFigure(view, c, 1);
    highlightFigure(view, c, 2);
    highlightFigure(view, c, yAxisHit);
    ASSERT_EQ(c.callsOf(CanvasCall::Ellipse).size(), 1u);
    const RecordedCall& ring = *c.callsOf(CanvasCall::Ellipse)[0];
    EXPECT_EQ(ring.rect, (Rect{116, 56, 125, 65}));
    EXPECT_EQ(ring.pen.color, rgbColor(192, 192, 192));
    EXPECT_EQ(ring.pen.width, 5);
    EXPECT_EQ(c.lines(),
              (std::vector<std::pair<Point, Point>>{{{0, 80}, {200, 80}}, {{100, 0}, {100, 200}}}));
    EXPECT_EQ(c.pen().width, 1) << "the pen is restored";
}
