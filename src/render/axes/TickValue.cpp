#include "render/axes/TickValue.h"

#include "render/axes/FractionLabel.h"
#include "render/axes/TickText.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

int roundToInt(double v) {
    return static_cast<int>(std::nearbyint(v));
}

bool isX(const TickLabels& l) {
    return l.axis.axisId == 'x';
}

bool centredPlacement(const TickLabels& l) {
    const View& view = l.target.view;
    return l.ruler || view.tickLabelPlacement == TickLabelPlacement::BesideTicks ||
           view.gridStyle == GridStyle::Crosses ||
           (!l.axis.scaleVisible && view.tickLabelPlacement == TickLabelPlacement::Automatic);
}

Point labelCorner(const TickLabels& l, int row, int column, Size size) {
    const View& view = l.target.view;
    if (!centredPlacement(l)) return {column - size.width - scaled(view, 3), row + scaled(view, 1)};
    if (isX(l)) return {column + size.width / 2 - size.width, row + scaled(view, 2)};
    return {column - size.width - scaled(view, 3), row - roundToInt(size.height / 2.0)};
}

// Values closer than their own size to the next labelled tick are all left out, and none may
// run into the axis caption.
bool hasRoom(const TickLabels& l, Point at, Size size) {
    const View& view = l.target.view;
    const bool polar = view.axisType == AxisType::Polar;
    const Extended interval = (isX(l) || polar ? view.xAxis : view.yAxis).tickInterval() *
                              std::max(1, l.axis.labelInterval);
    const int spacing = l.axis.lengthToPixels(interval);
    if (isX(l))
        return scaled(view, 10) + size.width < spacing &&
               at.x + size.width <
                   scaled(view, l.axis.pixelLength - 8) - scaled(view, view.fontSize);
    return scaled(view, 5) + size.height < spacing &&
           at.y > scaled(view, 8) + scaled(view, view.fontSize);
}

void drawFraction(Canvas& canvas, const TickText& t, Point at, int height) {
    const int m = roundToInt(canvas.font().size / 10.0);
    int x = at.x - 2 * m;
    const int y = at.y + roundToInt(height / 8.0);
    if (t.negative) {
        canvas.textOut(x, y, "-");
        x += canvas.textExtent("-").width;
    }
    x += m;
    const std::string numerator = t.numerator == "1" ? "p" : t.numerator;
    drawFractionLabel(canvas, x, y, numerator, t.denominator);
    if (numerator != "p") canvas.textOut(x + m, y, "p");
}

void drawDegreeSign(const TickLabels& l, Point at, int column, Size size) {
    const int x = centredPlacement(l) ? column + size.width / 2 : column;
    l.target.canvas.textOut(x, at.y - scaled(l.target.view, 2), "\xB0");
}

} // namespace

Size drawTickValue(const TickLabels& l, bool measure, int row, int column, Extended v) {
    const View& view = l.target.view;
    Canvas& canvas = l.target.canvas;
    canvas.setFont(Font{"Symbol", scaled(view, view.fontSize), FontStyle::Plain, kBlack});
    const TickText t = tickText(l.axis, v);
    if (!t.shown) return {};
    const int h8 = canvas.textExtent("8").height;
    const Size size{canvas.textExtent(t.text).width, t.fraction ? roundToInt(1.6 * h8) : h8};
    if (measure || (t.zero && !l.ruler)) return size;
    const Point at = labelCorner(l, row, column, size);
    if (!hasRoom(l, at, size)) return size;
    if (t.fraction) {
        drawFraction(canvas, t, at, size.height);
        return size;
    }
    canvas.textOut(at.x, at.y, t.text);
    if (isX(l) && l.target.style.degreeMode && l.target.style.degreeFont)
        drawDegreeSign(l, at, column, size);
    return size;
}

} // namespace tarlix
