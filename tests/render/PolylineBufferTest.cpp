#include "render/PolylineBuffer.h"

#include "RecordingCanvasForTests.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::recording;

namespace {

constexpr std::uint8_t kStrokeAndFill = PolylineBuffer::kStroke | PolylineBuffer::kFill;

// A canvas with a thin red pen and a solid blue brush, so both stroke and fill are due.
void prepare(RecordingCanvas& canvas) {
    Pen pen;
    pen.color = rgbColor(255, 0, 0);
    canvas.setPen(pen);
    Brush brush;
    brush.color = rgbColor(0, 0, 255);
    canvas.setBrush(brush);
}

} // namespace

TEST(PolylineBuffer, FillModesCloseTheOutlineThroughTheFixedPointRowOrColumn) {
    const std::vector<Point> curve{{10, 20}, {30, 40}, {50, 25}};
    const int fixedX = 5;
    const int fixedY = 100;
    const struct {
        CurveFill mode;
        std::vector<Point> added;
    } cases[] = {
        {CurveFill::None, {}},
        {CurveFill::ThroughPoint, {{5, 100}}},
        {CurveFill::ToRow, {{50, 100}, {10, 100}}},
        {CurveFill::ToColumn, {{5, 25}, {5, 20}}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        prepare(canvas);
        PolylineBuffer buffer;
        buffer.reset(&canvas, nullptr, fixedY, fixedX, c.mode, kStrokeAndFill, false, false, {});
        for (const Point& p : curve) buffer.push(p.x, p.y);
        buffer.flush();

        SCOPED_TRACE(static_cast<int>(c.mode));
        ASSERT_EQ(canvas.calls.size(), 2u);
        EXPECT_EQ(canvas.calls[0].op, Op::Polyline);
        EXPECT_EQ(canvas.calls[0].points, curve);
        std::vector<Point> outline = curve;
        outline.insert(outline.end(), c.added.begin(), c.added.end());
        EXPECT_EQ(canvas.calls[1].op, Op::Polygon);
        EXPECT_EQ(canvas.calls[1].points, outline);
        EXPECT_EQ(canvas.calls[1].pen.style, PenStyle::Clear);
        EXPECT_EQ(canvas.pen().style, PenStyle::Solid);
        EXPECT_EQ(buffer.count(), 0);
    }
}

TEST(PolylineBuffer, The5001stPointIsIgnored) {
    RecordingCanvas canvas;
    PolylineBuffer buffer;
    buffer.reset(&canvas, nullptr, 0, 0, CurveFill::None, PolylineBuffer::kStroke, false, false,
                 {});
    for (int i = 0; i <= PolylineBuffer::kCapacity; ++i) buffer.push(i, i % 7);
    EXPECT_EQ(buffer.count(), 5000);
    buffer.flush();
    ASSERT_EQ(canvas.calls.size(), 1u);
    ASSERT_EQ(canvas.calls[0].points.size(), 5000u);
    EXPECT_EQ(canvas.calls[0].points.back(), (Point{4999, 4999 % 7}));
}

TEST(PolylineBuffer, SecondCanvasGetsFillsOnlyWithAfterimageFills) {
    for (const bool afterimageFills : {false, true}) {
        RecordingCanvas picture;
        RecordingCanvas afterimage;
        prepare(picture);
        prepare(afterimage);
        PolylineBuffer buffer;
        buffer.reset(&picture, &afterimage, 100, 0, CurveFill::ToRow, kStrokeAndFill, false, true,
                     LineDrawOptions{false, afterimageFills});
        buffer.push(0, 0);
        buffer.push(10, 10);
        buffer.flush();
        EXPECT_EQ(picture.callsOf(Op::Polygon).size(), 1u);
        EXPECT_EQ(afterimage.callsOf(Op::Polyline).size(), 1u);
        EXPECT_EQ(afterimage.callsOf(Op::Polygon).size(), afterimageFills ? 1u : 0u);
    }
}

TEST(PolylineBuffer, SkipsWhatIsSwitchedOff) {
    RecordingCanvas picture;
    RecordingCanvas afterimage;
    prepare(picture);
    prepare(afterimage);
    PolylineBuffer buffer;

    // skipMain leaves the picture alone; the afterimage is not drawn without drawSecond.
    buffer.reset(&picture, &afterimage, 0, 0, CurveFill::None, kStrokeAndFill, true, false, {});
    buffer.push(1, 1);
    buffer.push(5, 5);
    buffer.flush();
    EXPECT_TRUE(picture.calls.empty());
    EXPECT_TRUE(afterimage.calls.empty());

    // A white pen, or a clear one, does not stroke; a white brush does not fill unless it has
    // a pattern; nothing is drawn at all for an empty buffer.
    buffer.reset(&picture, nullptr, 0, 0, CurveFill::None, kStrokeAndFill, false, false, {});
    buffer.flush();
    EXPECT_TRUE(picture.calls.empty());
    Pen white = picture.pen();
    white.color = kWhite;
    picture.setPen(white);
    Brush brush = picture.brush();
    brush.color = kWhite;
    picture.setBrush(brush);
    buffer.push(1, 1);
    buffer.push(5, 5);
    buffer.flush();
    EXPECT_TRUE(picture.calls.empty());

    Pen clear = picture.pen();
    clear.color = kBlack;
    clear.style = PenStyle::Clear;
    picture.setPen(clear);
    brush.hasPattern = true;
    picture.setBrush(brush);
    buffer.restart(1, 1);
    buffer.push(5, 5);
    buffer.flush();
    ASSERT_EQ(picture.calls.size(), 1u);
    EXPECT_EQ(picture.calls[0].op, Op::Polygon);
}

TEST(PolylineBuffer, RestartDrawsTheCollectedPointsAndBeginsAnew) {
    RecordingCanvas canvas;
    prepare(canvas);
    PolylineBuffer buffer;
    buffer.reset(&canvas, nullptr, 0, 0, CurveFill::None, PolylineBuffer::kStroke, false, false,
                 {});
    buffer.push(0, 0);
    buffer.push(4, 4);
    buffer.restart(9, 9);
    buffer.push(12, 9);
    buffer.flush();
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].points, (std::vector<Point>{{0, 0}, {4, 4}}));
    EXPECT_EQ(canvas.calls[1].points, (std::vector<Point>{{9, 9}, {12, 9}}));
}
