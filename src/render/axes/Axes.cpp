#include "render/axes/Axes.h"

#include "render/axes/AxisLines.h"
#include "render/axes/GridDrawing.h"
#include "render/axes/TickValue.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

bool showsOriginLabel(const AxesTarget& t) {
    const View& view = t.view;
    const Axis& x = view.xAxis;
    const Axis& y = view.yAxis;
    const bool axesInArea = view.axisType == AxisType::Polar || !view.axisOn;
    const bool axesWithValues = (x.axesVisible && y.axesVisible) ||
                                (x.axesVisible && x.valueVisible) ||
                                (y.axesVisible && y.valueVisible);
    return axesInArea && axesWithValues && !t.style.originLabelledByFigure;
}

void drawOriginLabel(const AxesTarget& t) {
    const View& view = t.view;
    t.canvas.setPen(Pen{kBlack, scaled(view, view.axisWidth)});
    t.canvas.setFont(
        Font{"Times New Roman", scaled(view, view.fontSize), FontStyle::Plain, kBlack});
    if (!showsOriginLabel(t)) return;
    const PixelPoint origin = view.toPoint(0, 0);
    const int w = t.canvas.textExtent("O").width;
    t.canvas.textOut(origin.x - w - scaled(view, 2), origin.y, "O");
}

} // namespace

void drawAxes(const AxesTarget& t) {
    const View& view = t.view;
    const int row = view.yAxis.toPixel(0);
    if (view.axisType == AxisType::Polar) {
        drawPolarGrid(t);
        drawXAxis(t, row, false, view.yAxis.pixelLength);
    } else {
        if (view.gridStyle == GridStyle::Crosses) drawMesh(t);
        drawXAxis(t, row, false, view.yAxis.pixelLength);
        drawYAxis(t, view.xAxis.toPixel(0), false, view.xAxis.pixelLength);
    }
    drawOriginLabel(t);
}

int measureYValues(const AxesTarget& t) {
    const View& view = t.view;
    const Axis& y = view.yAxis;
    const Extended interval = (view.axisType == AxisType::Polar ? view.xAxis : y).tickInterval();
    const TickLabels labels{t, y, true};
    int widest = 0;
    forEachTick(firstTick(y.low, interval), y.high, interval, [&](Extended v) {
        widest = std::max(widest, drawTickValue(labels, true, y.toPixel(v), 0, v).width);
    });
    return widest;
}

RulerStripSizes rulerStripSizes(const AxesTarget& t) {
    const int widest = measureYValues(t);
    t.canvas.setFont(Font{"Symbol", scaled(t.view, t.view.fontSize), FontStyle::Plain, kBlack});
    const int h8 = t.canvas.textExtent("8").height;
    return {std::max(20, widest + 14),
            std::max(20, static_cast<int>(std::nearbyint(1.6 * h8)) + 7)};
}

void drawXRulerStrip(const AxesTarget& t) {
    drawXAxis(t, scaled(t.view, 5), true, 100);
}

void drawYRulerStrip(const AxesTarget& t, int stripWidth) {
    drawYAxis(t, scaled(t.view, stripWidth - 6), true, 100);
}

} // namespace tarlix
