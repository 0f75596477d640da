#include "FigureFixture.h"

#include "render/FillPatterns.h"

using namespace tarlix;
using namespace tarlix::testing;

namespace {

std::vector<const RecordedCall*> ellipses(const RecordingCanvas& c) {
    return c.callsOf(CanvasCall::Ellipse);
}

} // namespace

// (1, 2) is pixel (120, 60); a point of size 1 has radius 3.
TEST_F(FigureTest, APointIsADiscOfItsSizeAndAHollowOneGetsItsRingLast) {
    FigureEntry p = figure(1, FigureKind::Point, "1", "2");
    p.pointSize = 1;
    store(1, p);
    FigureEntry hollow = figure(2, FigureKind::Point, "-1", "2");
    hollow.hollow = true;
    store(2, hollow);
    FigureEntry hidden = figure(3, FigureKind::Point, "0", "0");
    hidden.pointColor = kWhite;
    store(3, hidden);
    update();
    RecordingCanvas c = drawn();
    const auto discs = ellipses(c);
    ASSERT_EQ(discs.size(), 2u) << "a white point is not drawn";
    EXPECT_EQ(discs[0]->rect, (Rect{117, 57, 124, 64}));
    EXPECT_EQ(discs[0]->brush.color, 0x0000FFu);
    EXPECT_EQ(discs[0]->pen.mode, PenMode::Mask);
    EXPECT_EQ(discs[1]->brush.color, kWhite) << "a hollow point is white inside";
    EXPECT_EQ(discs[1]->pen.width, 0);

    RecordingCanvas rings(200, 200);
    drawHollowRings(view, rings, project.figures, view.positions);
    ASSERT_EQ(ellipses(rings).size(), 1u);
    const RecordedCall& ring = *ellipses(rings)[0];
    EXPECT_EQ(ring.rect, (Rect{78, 58, 83, 63}));
    EXPECT_EQ(ring.pen.color, 0x0000FFu);
    EXPECT_EQ(ring.pen.width, 2);
    EXPECT_EQ(ring.pen.mode, PenMode::Copy) << "over fills as well";
    EXPECT_EQ(ring.brush.color, kWhite);
}

TEST_F(FigureTest, ACircleHasItsCentreItsOutlineAndItsFill) {
    FigureEntry c = figure(1, FigureKind::Circle, "1", "1", "2");
    c.lineWidth = 2;
    store(1, c);
    FigureEntry filled = figure(2, FigureKind::Circle, "-2", "-2", "1");
    filled.fillColor = 0x00FFFF;
    filled.fillPattern = 3;
    store(2, filled);
    update();
    RecordingCanvas canvas = drawn();
    const auto e = ellipses(canvas);
    ASSERT_EQ(e.size(), 4u);
    // Centre (120, 80), radius 40 pixels.
    EXPECT_EQ(e[1]->rect, (Rect{80, 40, 161, 121}));
    EXPECT_EQ(e[1]->pen.color, 0x00FF00u);
    EXPECT_EQ(e[1]->pen.width, 2);
    EXPECT_EQ(e[1]->brush.style, BrushStyle::Clear) << "a white fill is no fill";
    EXPECT_EQ(e[3]->rect, (Rect{40, 120, 81, 161}));
    EXPECT_TRUE(e[3]->brush.hasPattern);
    EXPECT_EQ(e[3]->brush.pattern, fillPatternBits(3));
    EXPECT_EQ(e[3]->brush.color, 0x00FFFFu);
}

// y = 1 is row 80 and x = -1 column 80; a width of 0.5 is 10 pixels.
TEST_F(FigureTest, LinesCrossTheDrawingAndAStripFillsBetweenItsTwoLines) {
    FigureEntry h = figure(1, FigureKind::HorizontalLine, "", "1", "0.5");
    h.fillColor = 0xC0C0C0;
    h.pointSize = 2;
    store(1, h);
    store(2, figure(2, FigureKind::VerticalLine, "-1", "", "0.5"));
    update();
    RecordingCanvas c = drawn();
    const auto lines = c.lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], (std::pair{Point{-10, 80}, Point{210, 80}}));
    EXPECT_EQ(lines[1], (std::pair{Point{-10, 70}, Point{210, 70}})) << "the width lies above";
    EXPECT_EQ(lines[2], (std::pair{Point{80, -10}, Point{80, 210}}));
    EXPECT_EQ(lines[3], (std::pair{Point{90, -10}, Point{90, 210}})) << "and to the right";
    const auto strips = c.callsOf(CanvasCall::Rectangle);
    ASSERT_EQ(strips.size(), 1u) << "an unfilled strip has no rectangle";
    EXPECT_EQ(strips[0]->rect, (Rect{-10, 70, 210, 80}));
    EXPECT_EQ(strips[0]->pen.color, kWhite);
    EXPECT_EQ(c.callsOf(CanvasCall::LineTo)[0]->pen.width, 2) << "the point size is the pen";
}

TEST_F(FigureTest, AfterimagesGetWhatTheFigureAsksFor) {
    FigureEntry p = figure(1, FigureKind::Point, "0", "0");
    p.pointAfterimage = true;
    store(1, p);
    FigureEntry c = figure(2, FigureKind::Circle, "1", "1", "1");
    c.fillColor = 0x00FFFF;
    c.lineAfterimage = true;
    store(2, c);
    store(3, figure(3, FigureKind::Point, "2", "2"));
    update();
    settings.afterimageColour = [](Color) { return Color{0x808080}; };
    RecordingCanvas main(200, 200), second(200, 200);
    drawFigures(drawing(&main, &second), project.figures, view.positions);
    EXPECT_EQ(ellipses(main).size(), 4u);
    const auto faded = ellipses(second);
    // P's point and the circle's outline only: the circle's centre and fills stay out.
    ASSERT_EQ(faded.size(), 2u);
    EXPECT_EQ(faded[0]->brush.color, 0x808080u);
    EXPECT_EQ(faded[1]->pen.color, 0x808080u);
    EXPECT_EQ(faded[1]->brush.style, BrushStyle::Clear);
}

// A unit circle of radius 1 around (0, 0): 20 pixels.
TEST_F(FigureTest, ACurveIsOnePolylineThroughItsSamplesBrokenWhereUndefined) {
    store(1, curve(1, "cos t", "sin t", 0.5));
    store(2, curve(2, "t", "1/(t-2)", 1, "0", "4")); // undefined at t = 2
    update();
    RecordingCanvas c(200, 200);
    drawCurves(drawing(&c), project.figures);
    const auto lines = c.polylines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 14u);
    EXPECT_EQ(lines[0].front(), (Point{120, 100}));
    EXPECT_EQ(lines[0].back(), (Point{120, 100}));
    EXPECT_EQ(lines[1], (std::vector<Point>{{100, 110}, {120, 120}}));
    EXPECT_EQ(lines[2], (std::vector<Point>{{160, 80}, {180, 90}}));
}

TEST_F(FigureTest, ACurveAreaClosesOnTheOriginOrAnAxis) {
    // The upper half of the unit circle about (0, 1): t = 0, 1.6 and pi.
    FigureEntry f = curve(1, "cos t", "sin t+1", 1.6, "0", "Pi");
    f.fillColor = 0x00FFFF;
    f.fillPattern = 1;
    const struct {
        CurveFill fill;
        std::vector<Point> closing;
    } cases[] = {
        {CurveFill::ThroughPoint, {{100, 100}}},       // sectors from the origin
        {CurveFill::ToRow, {{80, 100}, {120, 100}}},   // down to the x axis
        {CurveFill::ToColumn, {{100, 80}, {100, 80}}}, // across to the y axis
    };
    for (const auto& c : cases) {
        f.curveFill = c.fill;
        store(1, f);
        update();
        RecordingCanvas canvas(200, 200);
        drawCurves(drawing(&canvas), project.figures);
        const auto polygons = canvas.callsOf(CanvasCall::Polygon);
        ASSERT_EQ(polygons.size(), 1u) << static_cast<int>(c.fill);
        std::vector<Point> expected{{120, 80}, {99, 60}, {80, 80}};
        expected.insert(expected.end(), c.closing.begin(), c.closing.end());
        EXPECT_EQ(polygons[0]->points, expected) << static_cast<int>(c.fill);
        EXPECT_EQ(polygons[0]->brush.color, 0x00FFFFu);
    }
}

// A sample so far away that the mapping clamps it: the pieces to it are drawn on their own,
// shortened, and the curve goes on without a gap.
TEST_F(FigureTest, APieceToAFarSampleIsShortenedAndTheCurveGoesOn) {
    // y = t, except 10^6 + 1 at t = 1.
    store(1, curve(1, "t", "t+10^6*0^((t-1)^2)", 1, "-1", "3"));
    update();
    RecordingCanvas c(200, 200);
    drawCurves(drawing(&c), project.figures);
    const auto lines = c.polylines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], (std::vector<Point>{{80, 120}, {100, 100}}));
    // Straight up from (0, 0) and down onto (2, 2), each ending within the canvas's reach.
    EXPECT_EQ(lines[1].front(), (Point{100, 100}));
    EXPECT_EQ(lines[1].back(), (Point{100, -300}));
    EXPECT_EQ(lines[2].front(), (Point{140, -300}));
    EXPECT_EQ(lines[2].back(), (Point{140, 60}));
    EXPECT_EQ(lines[3], (std::vector<Point>{{140, 60}, {160, 40}})) << "the curve goes on";
}
