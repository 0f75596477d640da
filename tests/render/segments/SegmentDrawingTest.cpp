// Each kind of connected figure as it reaches the canvas, through points, axes and lines.
#include "render/relation/RelationColours.h"
#include "render/segments/SegmentFixture.h"

#include <cmath>

namespace tarlix::testing {

namespace {

enum : int { P = 1, Q = 2, R = 3, S = 4, T = 5, X = kXAxisVertex, Y = kYAxisVertex };

double distance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

TEST_F(SegmentTest, StraightKindsRunBetweenTheirClippedPoints) {
    place(P, -1, 1);
    place(Q, 2, -3);
    place(S, 1, -1);
    place(T, 0, 2, FigureKind::HorizontalLine);
    struct Case {
        const char* name;
        SegmentKind kind;
        std::initializer_list<int> vertices;
        std::vector<Point> expected;
    };
    const Case cases[] = {
        {"segment", SegmentKind::Segment, {P, Q}, {at(-1, 1), at(2, -3)}},
        {"segment to the x axis is its perpendicular",
         SegmentKind::Segment,
         {P, X},
         {at(-1, 1), at(-1, 0)}},
        {"segment from the y axis", SegmentKind::Segment, {Y, P}, {at(0, 1), at(-1, 1)}},
        {"segment to a horizontal line", SegmentKind::Segment, {P, T}, {at(-1, 1), at(-1, 2)}},
        {"line from edge to edge", SegmentKind::Line, {P, S}, {{0, 0}, {500, 500}}},
        {"ray from its first point to the edge", SegmentKind::Ray, {S, P}, {at(1, -1), {0, 0}}},
        {"polyline through every vertex",
         SegmentKind::Polyline,
         {P, Q, S},
         {at(-1, 1), at(2, -3), at(1, -1)}},
    };
    for (const Case& c : cases) {
        project.segments.clear();
        add(c.kind, c.vertices);
        const RecordingCanvas canvas = drawn(1);
        ASSERT_EQ(canvas.polylines().size(), 1u) << c.name;
        EXPECT_EQ(canvas.polylines()[0], c.expected) << c.name;
        const RecordedCall* line = canvas.callsOf(CanvasCall::Polyline).front();
        EXPECT_EQ(line->pen.mode, PenMode::Mask) << c.name;
    }
}

TEST_F(SegmentTest, VectorIsAnArrowEndingAtItsSecondVertex) {
    place(P, -1, 1);
    place(Q, 2, 1);
    add(SegmentKind::Vector, {P, Q});
    const RecordingCanvas canvas = drawn(1);
    ASSERT_EQ(canvas.lines().size(), 1u);
    EXPECT_EQ(canvas.lines()[0].first, at(-1, 1));
    const auto heads = canvas.callsOf(CanvasCall::Polygon);
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0]->points.front(), at(2, 1));
}

TEST_F(SegmentTest, RectangleIsFilledWithItsPatternAndSpansTheViewBesideAnAxis) {
    place(P, -1, 1);
    place(Q, 2, -3);
    SegmentRecord& box = add(SegmentKind::Rectangle, {P, Q});
    box.fillColor = 0x00FF00;
    box.fillPattern = 2;
    RecordingCanvas canvas = drawn(1);
    auto fills = canvas.callsOf(CanvasCall::Polygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->points, (std::vector<Point>{at(-1, 1), at(2, 1), at(2, -3), at(-1, -3)}));
    EXPECT_EQ(fills[0]->brush.color, 0x00FF00u);
    EXPECT_TRUE(fills[0]->brush.hasPattern);

    // Beside the x axis the rectangle is the band from it to P, wider than the picture.
    box.vertices = {P, X};
    canvas = drawn(1);
    fills = canvas.callsOf(CanvasCall::Polygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->points, (std::vector<Point>{{-1, 200}, {501, 200}, {501, 250}, {-1, 250}}));
}

TEST_F(SegmentTest, PolygonClosesBackToItsFirstVertexWithItsLabelAtTheVertexMean) {
    place(P, -1, 1);
    place(Q, 2, -3);
    place(S, 2, 2);
    SegmentRecord& polygon = add(SegmentKind::Polygon, {P, Q, S});
    polygon.label = "ABC";
    polygon.labelPosition = 4; // lower right, a = 12 / 5 pixels away
    const RecordingCanvas canvas = drawn(1);
    ASSERT_EQ(canvas.polylines().size(), 1u);
    EXPECT_EQ(canvas.polylines()[0],
              (std::vector<Point>{at(-1, 1), at(2, -3), at(2, 2), at(-1, 1)}));
    const auto texts = canvas.callsOf(CanvasCall::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->text, "ABC");
    EXPECT_EQ(texts[0]->points.front(), (Point{at(1, 0).x + 2, at(1, 0).y + 2}));
}

TEST_F(SegmentTest, AngleMarksTheAngleFromItsFirstArmOrTheSmallerOne) {
    place(P, 1, 0);
    place(Q, 0, 0);
    place(R, 0, 1);
    const int radius = (12 / 2 + 6) * 3;
    const auto arc = [&] {
        const RecordingCanvas canvas = drawn(1);
        EXPECT_EQ(canvas.polylines().size(), 1u);
        return canvas.polylines().empty() ? std::vector<Point>{} : canvas.polylines()[0];
    };
    add(SegmentKind::Angle, {P, Q, R});
    std::vector<Point> a = arc();
    ASSERT_GE(a.size(), 2u);
    EXPECT_EQ(a.front(), (Point{250 + radius, 250}));
    EXPECT_EQ(a.back(), (Point{250, 250 - radius}));
    for (Point p : a) EXPECT_NEAR(distance(p, at(0, 0)), radius, 1);

    // The other way round the directed angle is the reflex one; in (-pi, pi] the smaller.
    project.segments[1].vertices = {R, Q, P};
    a = arc();
    EXPECT_TRUE(std::any_of(a.begin(), a.end(), [](Point p) { return p.y > 260; }));
    project.engine.angleArea = AngleArea::MinusPiToPi;
    a = arc();
    EXPECT_FALSE(std::any_of(a.begin(), a.end(), [](Point p) { return p.y > 260; }));
}

TEST_F(SegmentTest, AngleFillsItsSectorAndArcItsChordAndCoincidentArmsDrawNothing) {
    place(P, 2, 0);
    place(Q, 0, 0);
    place(R, 0, 1);
    place(S, 3, 0);
    SegmentRecord& angle = add(SegmentKind::Angle, {P, Q, R});
    angle.fillColor = 0x0000FF;
    RecordingCanvas canvas = drawn(1);
    auto fills = canvas.callsOf(CanvasCall::Polygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->points.front(), at(0, 0));
    EXPECT_EQ(fills[0]->pen.style, PenStyle::Clear);

    // An arc has the radius of its first arm and fills between the ends of its arc.
    angle.kind = SegmentKind::Arc;
    canvas = drawn(1);
    fills = canvas.callsOf(CanvasCall::Polygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->points.front(), at(2, 0));
    EXPECT_EQ(fills[0]->points.back(), at(0, 2));

    angle.kind = SegmentKind::Angle;
    angle.vertices = {P, Q, S};
    angle.label = "a";
    angle.labelPosition = 5;
    EXPECT_TRUE(drawn(1).calls().empty());
}

TEST_F(SegmentTest, BracketLiesAboveItsPointsShortenedAtBothEnds) {
    place(P, -1, 0);
    place(Q, 1, 0);
    SegmentRecord& bracket = add(SegmentKind::Bracket, {P, Q});
    bracket.label = "2";
    bracket.labelPosition = 5;
    const RecordingCanvas canvas = drawn(1);
    ASSERT_EQ(canvas.polylines().size(), 1u);
    const std::vector<Point> path = canvas.polylines()[0];
    EXPECT_EQ(path.front(), at(-1, 0));
    EXPECT_EQ(path.back(), at(1, 0));
    // d = the font size, 12 pixels: the straight part runs from 212 to 288, 12 above.
    EXPECT_NE(std::find(path.begin(), path.end(), Point{212, 238}), path.end());
    EXPECT_NE(std::find(path.begin(), path.end(), Point{288, 238}), path.end());
    for (Point p : path) EXPECT_LE(p.y, 250);
    // The label is centred one bracket height above the straight part.
    const auto text = canvas.callsOf(CanvasCall::TextOut);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0]->points.front().y, 226 - fontPixelHeight(13) / 2);
}

TEST_F(SegmentTest, BezierTakesSixtyPointsForEachGroupOfFourSharingTheirEnds) {
    place(P, 0, 0);
    place(Q, 1, 2);
    place(R, 2, 2);
    place(S, 3, 0);
    place(T, 4, -1);
    SegmentRecord& curve = add(SegmentKind::Bezier, {P, Q, R, S});
    RecordingCanvas canvas = drawn(1);
    ASSERT_EQ(canvas.polylines().size(), 1u);
    std::vector<Point> points = canvas.polylines()[0];
    ASSERT_EQ(points.size(), 60u);
    EXPECT_EQ(points.front(), at(0, 0));
    EXPECT_EQ(points.back(), at(3, 0));
    EXPECT_EQ(points[29].y, points[30].y); // symmetric: the top lies between points 30 and 31

    curve.vertices = {P, Q, R, S, T};
    canvas = drawn(1);
    points = canvas.polylines()[0];
    ASSERT_EQ(points.size(), 120u);
    EXPECT_EQ(points[60], at(3, 0));
    EXPECT_EQ(points.back(), at(4, -1));
}

TEST_F(SegmentTest, FiguresThatCannotStandAsVerticesLeaveTheFigureUndrawn) {
    place(P, -1, 1);
    place(Q, 2, -3);
    place(R, 0, 2, FigureKind::HorizontalLine);
    place(S, 1, 0, FigureKind::VerticalLine);
    struct Case {
        const char* name;
        SegmentKind kind;
        std::initializer_list<int> vertices;
        bool drawn;
    };
    const Case cases[] = {
        {"a vertex figure that is not drawable", SegmentKind::Segment, {P, T}, false},
        {"a line as a polygon vertex", SegmentKind::Polygon, {P, Q, R}, false},
        {"an axis as a polyline vertex", SegmentKind::Polyline, {P, Q, X}, false},
        {"a horizontal line beside a vertical one", SegmentKind::Segment, {R, S}, false},
        {"the x axis beside the y axis", SegmentKind::Segment, {X, Y}, false},
        {"two horizontal lines bound no segment", SegmentKind::Segment, {R, X}, false},
        {"two horizontal lines bound a band", SegmentKind::Rectangle, {R, X}, true},
        {"a segment between two points", SegmentKind::Segment, {P, Q}, true},
    };
    for (const Case& c : cases) {
        project.segments.clear();
        add(c.kind, c.vertices);
        EXPECT_EQ(!drawn(1).calls().empty(), c.drawn) << c.name;
    }
}

TEST_F(SegmentTest, HiddenVerticesHideTheFigureOnlyWhenItFollowsThem) {
    place(P, -1, 1);
    SegmentRecord& s = add(SegmentKind::Segment, {P, X});
    project.figures[P].visible = false;
    view.xAxis.axesVisible = false;
    EXPECT_FALSE(drawn(1).calls().empty());
    project.settings.showSync = true;
    EXPECT_TRUE(drawn(1).calls().empty());
    project.figures[P].visible = true;
    EXPECT_TRUE(drawn(1).calls().empty()); // the hidden x axis
    view.xAxis.axesVisible = true;
    EXPECT_FALSE(drawn(1).calls().empty());
    s.visible = false;
    EXPECT_TRUE(drawn(1).calls().empty());
}

TEST_F(SegmentTest, PenFollowsWidthStyleAndOutputScale) {
    place(P, -1, 1);
    place(Q, 2, -3);
    SegmentRecord& s = add(SegmentKind::Segment, {P, Q});
    s.width = 3;
    s.lineStyle = 2;
    s.penColor = 0x0000FF;
    view.xAxis.outputScale = view.yAxis.outputScale = 2;
    RecordingCanvas canvas(1000, 1000);
    drawSegment(canvas, scene, 1, true);
    const auto dashes = canvas.callsOf(CanvasCall::StrokePath);
    ASSERT_GT(dashes.size(), 1u); // dashed
    EXPECT_EQ(dashes[0]->pen.width, 6);
    EXPECT_EQ(dashes[0]->pen.color, 0x0000FFu);
    EXPECT_EQ(dashes[0]->points.front(), (Point{400, 400}));
}

TEST_F(SegmentTest, AfterimagePassTakesFlaggedFiguresInFadedColoursAndKeepsTheirColours) {
    place(P, -1, 1);
    place(Q, 2, -3);
    SegmentRecord& first = add(SegmentKind::Segment, {P, Q});
    first.afterimage = true;
    first.penColor = 0x0000FF;
    first.fillColor = 0x00FF00;
    first.label = "L1";
    first.labelPosition = 5;
    add(SegmentKind::Segment, {Q, P}).penColor = 0xFF0000;
    RecordingCanvas main(500, 500), layer(500, 500);
    SegmentAfterimageBook book;
    drawSegments(SegmentsPass{&main, &layer}, scene, book);
    EXPECT_EQ(main.polylines().size(), 2u);
    EXPECT_EQ(main.texts().size(), 1u);
    ASSERT_EQ(layer.polylines().size(), 1u);
    EXPECT_TRUE(layer.texts().empty());
    const Color faded = afterimageColourOf(0x0000FF, project.settings.afterimageColorIndex);
    EXPECT_EQ(layer.callsOf(CanvasCall::Polyline)[0]->pen.color, faded);
    EXPECT_EQ(book[1], (SegmentAfterimageColours{0x0000FF, 0x00FF00}));
    EXPECT_EQ(book[2], SegmentAfterimageColours{});

    // Forced, every figure goes to the layer; skipped, the picture gets nothing.
    RecordingCanvas skipped(500, 500), forced(500, 500);
    drawSegments(SegmentsPass{&skipped, &forced, true, true}, scene, book);
    EXPECT_TRUE(skipped.calls().empty());
    EXPECT_EQ(forced.polylines().size(), 2u);
    EXPECT_EQ(book[2].pen, 0xFF0000u);

    // Deleting the first moves the second's colours down and frees the last slot.
    book.removed(1, 2);
    EXPECT_EQ(book[1].pen, 0xFF0000u);
    EXPECT_EQ(book[2], SegmentAfterimageColours{});
}

} // namespace tarlix::testing
