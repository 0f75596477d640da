// Creating and resetting the view, presentation mode, the x samples and the "area" answer.

#include "view/View.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

constexpr std::uint8_t normalFontSize = 12;
constexpr std::uint8_t presentationFontSize = 24;

void applyStored(Axis& axis, const AxisStoredSettings& s) {
    const char letter = s.letter != 0 ? s.letter : axis.letter;
    static_cast<AxisSettings&>(axis) = s;
    axis.letter = letter;
}

} // namespace

View::View(RedrawState& redrawState, const ViewDefaults& defaults) : redraw(redrawState) {
    xAxis.redraw = &redraw;
    yAxis.redraw = &redraw;
    setOutputScale(1);
    for (Value& v : undefinedSamples.row()) v = makeUndefined(ValueKind::Real);
    resetFromDefaults(0, true, defaults);
    fillXSamples();
    redraw.clear();
}

void View::setOutputScale(int scale) {
    xAxis.outputScale = scale;
    yAxis.outputScale = scale;
}

void View::resetFromDefaults(int reserve, bool full, const ViewDefaults& defaults) {
    if (full) {
        gridStyle = GridStyle::Lines;
        fontSize = defaultFontSize;
        axisWidth = presentationMode ? 2 : 1;
        axisOn = false;
    }
    storedAspect = defaults.storedAspect;
    initAxes(reserve, defaults);
}

// The y axis takes the drawing height; the x axis the drawing width, limited to what the screen
// leaves beside the data panel but never shorter than the y axis.
void View::initAxes(int reserve, const ViewDefaults& defaults) {
    const DrawingSizes& s = defaults.sizes;
    const int yLength = s.height - (s.controlPaletteInside ? 0 : reserve);
    const int xLength = std::max(std::min(s.width, s.screenWidth - s.dataPanelWidth - 20), yLength);
    xAxis.init('x', xLength, defaults.x.high, defaults.x.low);
    yAxis.init('y', yLength, defaults.y.high, defaults.y.low);
    if (defaults.x.stored) applyStored(xAxis, *defaults.x.stored);
    if (defaults.y.stored) applyStored(yAxis, *defaults.y.stored);
}

void View::applyPresentationMode(bool on) {
    presentationMode = on;
    if (on) {
        defaultFontSize = presentationFontSize;
        axisWidth = 2;
        fontSize = std::max(fontSize, presentationFontSize);
    } else {
        defaultFontSize = normalFontSize;
        axisWidth = 1;
        fontSize = normalFontSize;
    }
    redraw.ticksChanged = true;
}

void View::fillXSamples() {
    for (int c = xAxis.pixelStart - 1; c <= lastFilledColumn; ++c) {
        xSamples[c] = makeReal(xAxis.toWorld(c));
    }
}

Value viewArea(const View& view, const Value& n) {
    if (n.kind == ValueKind::Pair) return makeUndefined(ValueKind::TypeError);
    if (!n.isValid() || n.kind != ValueKind::Real) return makeUndefined(ValueKind::Real);
    const Extended k = std::trunc(n.x + 0.5L);
    if (k == 0) return makeReal(view.xAxis.low);
    if (k == 1) return makeReal(view.yAxis.low);
    if (k == 2) return makeReal(view.xAxis.high);
    if (k == 3) return makeReal(view.yAxis.high);
    return makeUndefined(ValueKind::Real);
}

} // namespace tarlix
