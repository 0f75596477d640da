#include "render/PolylineBuffer.h"

#include "render/StyledPolyline.h"

#include <vector>

namespace tarlix {

void PolylineBuffer::reset(Canvas* mainCanvas, Canvas* secondCanvas, int fixedY, int fixedX,
                           CurveFill fillMode, std::uint8_t flags, bool skipMain, bool drawSecond,
                           const LineDrawOptions& options) {
    count_ = 0;
    main_ = mainCanvas;
    second_ = secondCanvas;
    fixedY_ = fixedY;
    fixedX_ = fixedX;
    fillMode_ = fillMode;
    flags_ = flags;
    skipMain_ = skipMain;
    drawSecond_ = drawSecond;
    options_ = options;
}

void PolylineBuffer::push(int x, int y) {
    if (count_ >= kCapacity) return;
    points_[count_++] = Point{x, y};
}

void PolylineBuffer::flush() {
    if (count_ > 0) {
        if (!skipMain_ && main_) strokeAndFill(*main_, true);
        // Fills reach the afterimages only when the user asked for it.
        if (drawSecond_ && second_) strokeAndFill(*second_, options_.afterimageFills);
    }
    count_ = 0;
}

void PolylineBuffer::strokeAndFill(Canvas& canvas, bool fill) const {
    const Pen& pen = canvas.pen();
    if ((flags_ & kStroke) && pen.color != kWhite && pen.style != PenStyle::Clear)
        drawStyledPolyline(canvas, points(), options_);
    if (!fill || !(flags_ & kFill)) return;
    const Brush& brush = canvas.brush();
    if (brush.hasPattern || (brush.style != BrushStyle::Clear && brush.color != kWhite))
        fillOutline(canvas);
}

void PolylineBuffer::fillOutline(Canvas& canvas) const {
    std::vector<Point> outline(points().begin(), points().end());
    const Point first = outline.front();
    const Point last = outline.back();
    switch (fillMode_) {
    case CurveFill::ThroughPoint:
        outline.push_back({fixedX_, fixedY_});
        break;
    case CurveFill::ToRow:
        outline.push_back({last.x, fixedY_});
        outline.push_back({first.x, fixedY_});
        break;
    case CurveFill::ToColumn:
        outline.push_back({fixedX_, last.y});
        outline.push_back({fixedX_, first.y});
        break;
    default:
        break;
    }
    const Pen saved = canvas.pen();
    Pen clear = saved;
    clear.style = PenStyle::Clear;
    canvas.setPen(clear);
    canvas.polygon(outline.data(), outline.size());
    canvas.setPen(saved);
}

} // namespace tarlix
