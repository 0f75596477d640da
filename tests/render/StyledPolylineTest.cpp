#include "render/StyledPolyline.h"

#include "RecordingCanvasForTests.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarlix;
using namespace tarlix::recording;

namespace {

Pen penOf(PenStyle style, int width, Color color = rgbColor(200, 0, 0)) {
    Pen pen;
    pen.style = style;
    pen.width = width;
    pen.color = color;
    return pen;
}

std::vector<Point> straightLine(int length) {
    return {{0, 0}, {length, 0}};
}

} // namespace

TEST(StyledPolyline, ThreePixelDashesAre15WithGapsOf6WithRoundEnds) {
    RecordingCanvas canvas;
    canvas.setPen(penOf(PenStyle::Dash, 3));
    drawStyledPolyline(canvas, straightLine(100), LineDrawOptions{false, false});

    const auto dashes = canvas.callsOf(Op::StrokePath);
    ASSERT_EQ(dashes.size(), 5u); // dashes start at 0, 21, 42, 63, 84; the next at 105 is past
    for (std::size_t k = 0; k < dashes.size(); ++k) {
        const int start = 21 * static_cast<int>(k);
        EXPECT_EQ(dashes[k].points.front(), (Point{start, 0})) << k;
        EXPECT_EQ(dashes[k].points.back(), (Point{start + 15, 0})) << k;
        EXPECT_TRUE(dashes[k].pen.geometric);
        EXPECT_EQ(dashes[k].pen.cap, CapStyle::Round);
        EXPECT_EQ(dashes[k].pen.join, JoinStyle::Round);
        EXPECT_EQ(dashes[k].pen.width, 3);
        EXPECT_EQ(dashes[k].pen.style, PenStyle::Solid);
        EXPECT_EQ(dashes[k].pen.color, rgbColor(200, 0, 0));
    }
    EXPECT_TRUE(canvas.callsOf(Op::Polyline).empty());
    // The caller's pen is back, style and all.
    EXPECT_FALSE(canvas.pen().geometric);
    EXPECT_EQ(canvas.pen().style, PenStyle::Dash);
}

TEST(StyledPolyline, FlatEndsShortenTheGapsTo4AndAHalf) {
    RecordingCanvas canvas;
    canvas.setPen(penOf(PenStyle::Dash, 3));
    drawStyledPolyline(canvas, straightLine(100), LineDrawOptions{true, false});

    const auto dashes = canvas.callsOf(Op::StrokePath);
    ASSERT_EQ(dashes.size(), 6u); // starts at 0, 19.5, 39, 58.5, 78, 97.5
    for (std::size_t k = 0; k < dashes.size(); ++k) {
        // Ends are rounded to pixels, so each lies within half a pixel of its exact place.
        const double start = 19.5 * static_cast<double>(k);
        const double end = std::min(start + 15, 100.0);
        EXPECT_LE(std::abs(dashes[k].points.front().x - start), 0.5) << k;
        EXPECT_LE(std::abs(dashes[k].points.back().x - end), 0.5) << k;
        EXPECT_EQ(dashes[k].pen.cap, CapStyle::Flat);
    }
}

TEST(StyledPolyline, DashesFollowTheArcLengthAroundCornersAndKeepTheirVertices) {
    RecordingCanvas canvas;
    canvas.setPen(penOf(PenStyle::Dash, 3));
    // Pieces of 10, 30 and 30 pixels.
    const std::vector<Point> path{{0, 0}, {10, 0}, {10, 30}, {40, 30}};
    drawStyledPolyline(canvas, path, LineDrawOptions{false, false});

    const auto dashes = canvas.callsOf(Op::StrokePath);
    ASSERT_EQ(dashes.size(), 4u);
    EXPECT_EQ(dashes[0].points, (std::vector<Point>{{0, 0}, {10, 0}, {10, 5}}));
    EXPECT_EQ(dashes[1].points, (std::vector<Point>{{10, 11}, {10, 26}}));
    EXPECT_EQ(dashes[2].points, (std::vector<Point>{{12, 30}, {27, 30}}));
    // The last dash runs past the end and stops at the last vertex.
    EXPECT_EQ(dashes[3].points, (std::vector<Point>{{33, 30}, {40, 30}}));
}

TEST(StyledPolyline, ThinAndLongSolidLinesTakeTheCanvasPolyline) {
    const struct {
        PenStyle style;
        int width;
        int points;
        bool fast;
    } cases[] = {
        {PenStyle::Dash, 1, 5, true},    {PenStyle::Solid, 0, 5, true},
        {PenStyle::Solid, 3, 22, true},  {PenStyle::Solid, 3, 21, false},
        {PenStyle::Dash, 3, 100, false}, {PenStyle::Solid, 2, 5, false},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        canvas.setPen(penOf(c.style, c.width));
        Brush brush;
        brush.color = rgbColor(0, 0, 255);
        canvas.setBrush(brush);
        std::vector<Point> points;
        for (int i = 0; i < c.points; ++i) points.push_back({i * 7, (i % 2) * 5});
        drawStyledPolyline(canvas, points, LineDrawOptions{});

        const auto fast = canvas.callsOf(Op::Polyline);
        const auto paths = canvas.callsOf(Op::StrokePath);
        SCOPED_TRACE(::testing::Message() << "width " << c.width << " points " << c.points);
        if (c.fast) {
            ASSERT_EQ(fast.size(), 1u);
            EXPECT_EQ(fast[0].points, points);
            EXPECT_EQ(fast[0].brush.style, BrushStyle::Clear);
            EXPECT_TRUE(paths.empty());
        } else {
            EXPECT_TRUE(fast.empty());
            EXPECT_FALSE(paths.empty());
        }
        EXPECT_EQ(canvas.brush().style, BrushStyle::Solid);
    }
}

TEST(StyledPolyline, ThickLineWithoutStyleDrawsNothingButItsPolygonIsFilled) {
    RecordingCanvas canvas;
    canvas.setPen(penOf(PenStyle::Clear, 3));
    const std::vector<Point> triangle{{0, 0}, {50, 0}, {25, 40}};
    drawStyledPolyline(canvas, triangle, LineDrawOptions{});
    EXPECT_TRUE(canvas.calls.empty());

    Brush brush;
    brush.color = rgbColor(0, 255, 0);
    canvas.setBrush(brush);
    drawStyledPolygon(canvas, triangle, LineDrawOptions{});
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].op, Op::Polygon);
    EXPECT_EQ(canvas.calls[0].points, triangle);
    EXPECT_EQ(canvas.calls[0].brush.color, rgbColor(0, 255, 0));
    EXPECT_EQ(canvas.calls[0].pen.style, PenStyle::Clear);
    EXPECT_EQ(canvas.pen().width, 3);
}

TEST(StyledPolyline, PolygonStrokesItsClosedOutlineBeforeFilling) {
    RecordingCanvas canvas;
    canvas.setPen(penOf(PenStyle::Solid, 4));
    const std::vector<Point> triangle{{0, 0}, {50, 0}, {25, 40}};
    drawStyledPolygon(canvas, triangle, LineDrawOptions{});

    ASSERT_GE(canvas.calls.size(), 2u);
    const RecordedCall& outline = canvas.calls.front();
    EXPECT_EQ(outline.op, Op::StrokePath);
    EXPECT_EQ(outline.points.front(), triangle.front());
    EXPECT_EQ(outline.points.back(), triangle.front());
    EXPECT_EQ(canvas.calls.back().op, Op::Polygon);
    EXPECT_EQ(canvas.pen().style, PenStyle::Solid);
    EXPECT_EQ(canvas.pen().color, rgbColor(200, 0, 0));
}

TEST(StyledPolyline, ClearOrZeroPatternsStrokeNothing) {
    RecordingCanvas canvas;
    drawDashedPath(straightLine(50), canvas, false, DashPattern{0}, 3, kBlack);
    drawDashedPath(straightLine(50), canvas, false, DashPattern{5, 2}, 0, kBlack);
    drawDashedPath(std::vector<Point>{}, canvas, false, DashPattern{5, 2}, 3, kBlack);
    EXPECT_TRUE(canvas.calls.empty());
}
