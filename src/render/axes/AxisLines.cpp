#include "render/axes/AxisLines.h"

#include "render/axes/AxisArrow.h"
#include "render/axes/TickValue.h"
#include "render/markup/MarkupLabel.h"

namespace tarlix {

namespace {

void line(Canvas& canvas, Point from, Point to) {
    canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
}

void setTickPen(const AxesTarget& t, const Axis& axis, bool ruler) {
    t.canvas.setBrush(Brush{kWhite, BrushStyle::Clear});
    Pen pen = gridPen(t.view, t.style);
    if (ruler || !axis.scaleVisible) {
        pen.color = kBlack;
        pen.style = PenStyle::Solid;
    }
    t.canvas.setPen(pen);
}

// Marks instead of grid lines on a ruler, without the grid, and with the mesh of crosses.
bool marksOnly(const View& view, const Axis& axis, bool ruler) {
    return ruler || !axis.scaleVisible || view.gridStyle == GridStyle::Crosses;
}

bool showsMark(const Axis& axis, bool ruler, bool omitted) {
    return axis.axesVisible && !omitted && (ruler || axis.guideVisible);
}

bool showsValue(const Axis& axis, Extended interval, Extended v, bool omitted) {
    return isLabelledTick(axis, interval, v) && !omitted && axis.axesVisible && axis.valueVisible;
}

void setAxisPen(const AxesTarget& t) {
    Pen pen;
    pen.mode = PenMode::Mask;
    pen.width = scaled(t.view, t.view.axisWidth);
    t.canvas.setPen(pen);
}

// Captions are plain text until the memo markup renderer draws them.
// The caption is memo markup in italic bold; without a markup environment its plain text.
std::string captionMarkup(const Axis& axis) {
    return "<I><B>" + axis.caption;
}

Size setCaptionFont(const AxesTarget& t, const Axis& axis) {
    if (t.style.markup) {
        t.canvas.setFont(
            Font{"Times New Roman", scaled(t.view, t.view.fontSize), FontStyle::Plain, kBlack});
        return measureMarkupLine(t.canvas, *t.style.markup, captionMarkup(axis));
    }
    t.canvas.setFont(Font{"Times New Roman", scaled(t.view, t.view.fontSize),
                          FontStyle::Italic | FontStyle::Bold, kBlack});
    return t.canvas.textExtent(axis.captionText);
}

void drawCaption(const AxesTarget& t, const Axis& axis, int x, int y) {
    if (t.style.markup)
        drawMarkupLineAt(t.canvas, *t.style.markup, x, y, captionMarkup(axis));
    else
        t.canvas.textOut(x, y, axis.captionText);
}

void drawOriginDot(const AxesTarget& t, Point origin) {
    const int r = tickHalfLength(t.view);
    t.canvas.setBrush(Brush{kBlack, BrushStyle::Solid});
    t.canvas.ellipse(Rect{origin.x - r, origin.y - r, origin.x + r, origin.y + r});
    t.canvas.setBrush(Brush{kWhite, BrushStyle::Clear});
}

} // namespace

void drawXAxis(const AxesTarget& t, int row, bool ruler, int gridLength) {
    const View& view = t.view;
    const Axis& x = view.xAxis;
    const bool polar = view.axisType == AxisType::Polar;
    const bool omitted = !ruler && view.axisOn && !polar;
    setTickPen(t, x, ruler);
    const Extended interval = x.tickInterval();
    const int half = tickHalfLength(view);
    const TickLabels labels{t, x, ruler};
    const Extended first = ruler || !polar ? firstTick(x.low, interval) : 0;
    forEachTick(first, x.high, interval, [&](Extended v) {
        const int c = x.toPixel(v);
        if (marksOnly(view, x, ruler)) {
            if (showsMark(x, ruler, omitted)) line(t.canvas, {c, row - half}, {c, row + half});
        } else if (!polar) {
            line(t.canvas, {c, 0}, {c, scaled(view, gridLength)});
        }
        if (showsValue(x, interval, v, omitted)) drawTickValue(labels, false, row, c, v);
    });
    if (omitted || !x.axesVisible) return;
    setAxisPen(t);
    const Point tip{scaled(view, x.pixelLength), row};
    const int headExtra = scaled(view, view.fontSize);
    if (polar && !ruler) {
        const Point origin{x.toPixel(0), row};
        drawArrow(t.canvas, origin, tip, headExtra);
        drawOriginDot(t, origin);
    } else {
        drawArrow(t.canvas, {0, row}, tip, headExtra);
    }
    const Size caption = setCaptionFont(t, x);
    drawCaption(t, x, scaled(view, x.pixelLength - 3) - caption.width - scaled(view, 3),
                row + scaled(view, 3));
}

void drawYAxis(const AxesTarget& t, int column, bool ruler, int gridLength) {
    const View& view = t.view;
    const Axis& y = view.yAxis;
    const bool polar = view.axisType == AxisType::Polar;
    const bool omitted = !ruler && view.axisOn;
    setTickPen(t, y, ruler);
    // The polar grid's circles count in x units on every radius.
    const Extended interval = (polar ? view.xAxis : y).tickInterval();
    const int half = tickHalfLength(view);
    const TickLabels labels{t, y, ruler};
    forEachTick(firstTick(y.low, interval), y.high, interval, [&](Extended v) {
        const int r = y.toPixel(v);
        if (marksOnly(view, y, ruler)) {
            if (showsMark(y, ruler, omitted))
                line(t.canvas, {column - half, r}, {column + half, r});
        } else if (!polar) {
            line(t.canvas, {0, r}, {scaled(view, gridLength), r});
        }
        if (showsValue(y, interval, v, omitted)) drawTickValue(labels, false, r, column, v);
    });
    if (omitted || !y.axesVisible) return;
    setAxisPen(t);
    drawArrow(t.canvas, {column, scaled(view, y.pixelLength)}, {column, 0},
              scaled(view, view.fontSize));
    const Size caption = setCaptionFont(t, y);
    drawCaption(t, y, column - caption.width - scaled(view, view.fontSize / 2), scaled(view, 2));
}

} // namespace tarlix
