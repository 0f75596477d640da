#include "render/figures/FigureDrawing.h"

#include "render/FillPatterns.h"
#include "render/LineClip.h"
#include "render/figures/FigureLabel.h"

#include <cmath>
#include <cstdlib>

namespace tarlix {

namespace {

Color convert(const ColourConversion& conversion, Color colour) {
    return conversion ? conversion(colour) : colour;
}

int scaledRound(const View& view, Extended v) {
    return static_cast<int>(std::lround(v * view.xAxis.outputScale));
}

Pen maskPen(Color colour, int width) {
    Pen pen;
    pen.color = colour;
    pen.width = width;
    pen.mode = PenMode::Mask;
    return pen;
}

Rect discAround(Point p, int r) {
    return {p.x - r, p.y - r, p.x + r + 1, p.y + r + 1};
}

// The two canvases of one part of a figure and the colour conversion of each.
class FigurePainter {
public:
    FigurePainter(const FigureDrawing& d, bool drawSecond)
        : d_(d), main_(!d.skipMain ? d.canvas : nullptr),
          second_(drawSecond ? d.afterimageCanvas : nullptr) {}

    // Runs paint(canvas, colour of that canvas) on each canvas in use.
    template <class Paint> void each(Color colour, Paint paint) const {
        const FunctionDrawSettings& s = d_.settings;
        if (main_) paint(*main_, convert(s.blackAndWhite, colour));
        if (second_) paint(*second_, convert(s.blackAndWhite, convert(s.afterimageColour, colour)));
    }
    Canvas* main() const { return main_; }
    Canvas* second() const { return second_; }

private:
    const FigureDrawing& d_;
    Canvas* main_;
    Canvas* second_;
};

// The left and right (or top and bottom) of strips: a little beyond the drawing.
int stripStart(const Axis& axis) {
    return (axis.pixelStart - 10) * axis.outputScale;
}
int stripEnd(const Axis& axis) {
    return (axis.pixelLength + 10) * axis.outputScale;
}

Rect ordered(int left, int top, int right, int bottom) {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

void horizontalLine(Canvas& c, const View& view, int row) {
    c.moveTo(stripStart(view.xAxis), row);
    c.lineTo(stripEnd(view.xAxis), row);
}

void verticalLine(Canvas& c, const View& view, int column) {
    c.moveTo(column, stripStart(view.yAxis));
    c.lineTo(column, stripEnd(view.yAxis));
}

void drawPointMark(const FigureDrawing& d, const FigureEntry& f, const FigurePosition& pos,
                   Point p) {
    if (static_cast<Color>(pos.pointColor) == kWhite) return;
    const View& view = d.view;
    const FigurePainter painter(d, d.forceAfterimage || pos.pointAfterimage);
    const int radius = scaledRound(view, pos.pointSize + 2);
    const int lineWidth = scaledRound(view, pos.pointSize);
    const int ry = view.yAxis.lengthToPixels(pos.r);
    const int rx = view.xAxis.lengthToPixels(pos.r);
    painter.each(static_cast<Color>(pos.pointColor), [&](Canvas& c, Color colour) {
        switch (pos.kind) {
        case FigureKind::Point:
        case FigureKind::Circle: {
            const bool hollow = pos.kind == FigureKind::Point && f.hollow;
            c.setPen(maskPen(colour, hollow ? 0 : 1));
            Brush brush;
            brush.color = hollow ? kWhite : colour;
            c.setBrush(brush);
            c.ellipse(discAround(p, radius));
            break;
        }
        case FigureKind::HorizontalLine:
            c.setPen(maskPen(colour, lineWidth));
            horizontalLine(c, view, p.y);
            if (ry != 0) horizontalLine(c, view, p.y - ry);
            break;
        case FigureKind::VerticalLine:
            c.setPen(maskPen(colour, lineWidth));
            verticalLine(c, view, p.x);
            if (rx != 0) verticalLine(c, view, p.x + rx);
            break;
        default:
            break;
        }
    });
}

// Circles, and the strips between a line and its width.
void drawBody(const FigureDrawing& d, const FigureEntry& f, const FigurePosition& pos, Point p) {
    const View& view = d.view;
    const bool circle = pos.kind == FigureKind::Circle;
    const FigurePainter painter(d, d.forceAfterimage || pos.lineAfterimage);
    const int rx = view.xAxis.lengthToPixels(pos.r);
    const int ry = view.yAxis.lengthToPixels(pos.r);
    const Color fill = static_cast<Color>(pos.fillColor);
    if (fill == kWhite && !circle) return;
    Rect bounds;
    if (circle)
        bounds = ordered(p.x - rx, p.y - ry, p.x + rx + 1, p.y + ry + 1);
    else if (pos.kind == FigureKind::HorizontalLine)
        bounds = ordered(stripStart(view.xAxis), p.y, stripEnd(view.xAxis), p.y - ry);
    else
        bounds = ordered(p.x, stripStart(view.yAxis), p.x + rx, stripEnd(view.yAxis));
    const FunctionDrawSettings& s = d.settings;
    const auto paint = [&](Canvas& c, Color line, Color inside, bool withFill) {
        const int width =
            circle ? scaledRound(view, pos.lineWidth) : scaledRound(view, pos.pointSize);
        Pen pen = maskPen(circle ? line : kWhite, width);
        // Width 0 is the palette's "no dibujar".
        if (circle && pos.lineWidth == 0) pen.style = PenStyle::Clear;
        c.setPen(pen);
        c.setBrush(withFill ? fillBrush(inside, f.fillPattern) : fillBrush(kWhite, 0));
        if (circle)
            c.ellipse(bounds);
        else if (withFill)
            c.rectangle(bounds);
    };
    const Color line = static_cast<Color>(pos.lineColor);
    if (Canvas* c = painter.main())
        paint(*c, convert(s.blackAndWhite, line), convert(s.blackAndWhite, fill), fill != kWhite);
    if (Canvas* c = painter.second()) {
        const auto faded = [&](Color colour) {
            return convert(s.blackAndWhite, convert(s.afterimageColour, colour));
        };
        const bool areas = s.lineOptions.afterimageFills && fill != kWhite;
        if (areas || circle) paint(*c, faded(line), faded(fill), areas);
    }
}

} // namespace

void drawFigures(const FigureDrawing& d, const FigureStore& figures,
                 const Store<FigurePosition, figureCount>& positions, const FigureSet& which) {
    for (int n = 1; n <= figureCount; ++n) {
        const FigureEntry& f = figures[n];
        const FigurePosition& pos = positions[n];
        if (!which.test(static_cast<std::size_t>(n)) || !f.visible || pos.kind == FigureKind::Empty)
            continue;
        const Point p{d.view.xAxis.toPixel(pos.x), d.view.yAxis.toPixel(pos.y)};
        drawPointMark(d, f, pos, p);
        if (hasRadius(pos.kind)) drawBody(d, f, pos, p);
        if (!d.skipMain && d.canvas)
            drawFigureLabel(d.view, *d.canvas,
                            FigureLabel{f.labelPosition, f.label, n, pos.kind, p}, d.markup);
    }
    for (Canvas* c : {d.canvas, d.afterimageCanvas})
        if (c) c->setPen(Pen{});
}

void drawHollowRings(const View& view, Canvas& canvas, const FigureStore& figures,
                     const Store<FigurePosition, figureCount>& positions,
                     const ColourConversion& colour) {
    for (int n = 1; n <= figureCount; ++n) {
        const FigurePosition& pos = positions[n];
        const Color ring = static_cast<Color>(pos.pointColor);
        if (!figures[n].visible || pos.kind != FigureKind::Point || !pos.hollow || ring == kWhite)
            continue;
        Pen pen;
        pen.color = convert(colour, ring);
        pen.width = scaledRound(view, 2);
        canvas.setPen(pen);
        Brush white;
        white.color = kWhite;
        canvas.setBrush(white);
        const Point p{view.xAxis.toPixel(pos.x), view.yAxis.toPixel(pos.y)};
        canvas.ellipse(discAround(p, scaledRound(view, pos.pointSize + 2)));
    }
    canvas.setPen(Pen{});
}

void drawTraces(const FigureDrawing& d, const FigureStore& figures,
                const Store<FigurePosition, figureCount>& current,
                const Store<FigurePosition, figureCount>& previous) {
    const auto pointLike = [](const FigurePosition& p) { return isPointKind(p.kind); };
    for (int n = 1; n <= figureCount; ++n) {
        const FigurePosition& now = current[n];
        const FigurePosition& before = previous[n];
        if (!figures[n].visible || !pointLike(now) || !pointLike(before) || now.locusWidth == 0 ||
            now.locusWidth == noTraceThisRedraw)
            continue;
        const auto ends =
            lineClipRounded(d.view, ClipRule::Segment, {before.x, before.y}, {now.x, now.y});
        if (!ends) continue;
        const Color faded =
            convert(d.settings.afterimageColour, static_cast<Color>(now.pointColor));
        const Color colour = convert(d.settings.blackAndWhite, faded);
        const Pen pen = maskPen(colour, scaledRound(d.view, now.locusWidth));
        for (Canvas* c : {d.afterimageCanvas, d.skipMain ? nullptr : d.canvas}) {
            if (!c) continue;
            c->setPen(pen);
            c->moveTo(ends->first.x, ends->first.y);
            c->lineTo(ends->second.x, ends->second.y);
            c->setPen(Pen{});
        }
    }
}

} // namespace tarlix
