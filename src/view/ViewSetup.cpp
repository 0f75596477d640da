// Creating and resetting the view, presentation mode, the x samples and the "area" answer.

#include "view/View.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

constexpr std::uint8_t normalFontSize = 12;
constexpr std::uint8_t presentationFontSize = 24;

void applyStored(Axis& axis, const AxisStoredSettings& s) {
    axis.AxesVisible = s.AxesVisible;
    axis.ScaleVisible = s.ScaleVisible;
    axis.ValueVisible = s.ValueVisible;
    axis.GuideVisible = s.GuideVisible;
    axis.Number = s.Number;
    axis.base = s.base;
    axis.LInterval = s.LInterval;
    axis.Caption = s.Caption;
    axis.SCaption = s.SCaption;
    if (s.Letter != 0) axis.Letter = s.Letter;
}

} // namespace

View::View(RedrawState& redrawState, const ViewDefaults& defaults) : redraw(redrawState) {
    XAxis.redraw = &redraw;
    YAxis.redraw = &redraw;
    setOutputScale(1);
    for (Tvalue& v : UndefinedSamples.row()) v = makeUndefined(vkReal);
    ResetFromDefaults(0, true, defaults);
    FillXSamples();
    redraw.clear();
}

void View::setOutputScale(int scale) {
    XAxis.OutputScale = scale;
    YAxis.OutputScale = scale;
}

void View::ResetFromDefaults(int reserve, bool full, const ViewDefaults& defaults) {
    if (full) {
        PsMesh = 0;
        FontSize = DefaultFontSize;
        AxisWidth = presentationMode ? 2 : 1;
        AxisOn = false;
    }
    StoredAspect = defaults.StoredAspect;
    initAxes(reserve, defaults);
}

// The y axis takes the drawing height; the x axis the drawing width, limited to what the screen
// leaves beside the data panel but never shorter than the y axis.
void View::initAxes(int reserve, const ViewDefaults& defaults) {
    const DrawingSizes& s = defaults.sizes;
    const int yLength = s.height - (s.controlPaletteInside ? 0 : reserve);
    const int xLength = std::max(std::min(s.width, s.screenWidth - s.dataPanelWidth - 20), yLength);
    XAxis.Init('x', xLength, defaults.x.High, defaults.x.Low);
    YAxis.Init('y', yLength, defaults.y.High, defaults.y.Low);
    if (defaults.x.stored) applyStored(XAxis, *defaults.x.stored);
    if (defaults.y.stored) applyStored(YAxis, *defaults.y.stored);
}

void View::ApplyPresentationMode(bool on) {
    presentationMode = on;
    if (on) {
        DefaultFontSize = presentationFontSize;
        AxisWidth = 2;
        FontSize = std::max(FontSize, presentationFontSize);
    } else {
        DefaultFontSize = normalFontSize;
        AxisWidth = 1;
        FontSize = normalFontSize;
    }
    redraw.ticksChanged = true;
}

void View::FillXSamples() {
    for (int c = XAxis.PixelStart - 1; c <= lastFilledColumn; ++c) {
        XSamples[c] = makeReal(XAxis.ToWorld(c));
    }
}

Tvalue viewArea(const View& view, const Tvalue& n) {
    if (n.kind == vkPair) return makeUndefined(vkTypeError);
    if (!n.isValid() || n.kind != vkReal) return makeUndefined(vkReal);
    const Extended k = std::trunc(n.x + 0.5L);
    if (k == 0) return makeReal(view.XAxis.Low);
    if (k == 1) return makeReal(view.YAxis.Low);
    if (k == 2) return makeReal(view.XAxis.High);
    if (k == 3) return makeReal(view.YAxis.High);
    return makeUndefined(vkReal);
}

} // namespace tarlix
