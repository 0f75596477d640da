#include "document/ViewFileState.h"

#include "view/View.h"

namespace tarlix {

namespace {

AxisFileState captureAxis(const Axis& a) {
    return {a.pixelStart,    a.pixelLength,  a.caption,      a.letter,    a.axesVisible,
            a.scaleVisible,  a.valueVisible, a.guideVisible, a.divisions, a.base,
            a.labelInterval, a.high,         a.low};
}

void applyAxis(const AxisFileState& s, Axis& a) {
    a.pixelStart = s.pixelStart;
    a.pixelLength = s.pixelLength;
    a.caption = s.caption;
    a.letter = s.letter;
    a.axesVisible = s.axesVisible;
    a.scaleVisible = s.scaleVisible;
    a.valueVisible = s.valueVisible;
    a.guideVisible = s.guideVisible;
    a.divisions = s.divisions;
    a.base = s.base;
    a.labelInterval = s.labelInterval;
    a.setRange(s.high, s.low);
    a.recompute();
    a.recomputeCaptionText();
}

} // namespace

ViewFileState captureView(const View& view) {
    ViewFileState s;
    s.x = captureAxis(view.xAxis);
    s.y = captureAxis(view.yAxis);
    s.equalScales = view.equalScales;
    s.areaRectify = view.areaRectify;
    s.gridStyle = view.gridStyle;
    s.axisWidth = view.axisWidth;
    s.fontSize = view.fontSize;
    s.axisOn = view.axisOn;
    s.tickLabelPlacement = view.tickLabelPlacement;
    s.axisType = view.axisType;
    s.thetaNum = view.thetaNum;
    return s;
}

void applyView(const ViewFileState& s, View& view) {
    applyAxis(s.x, view.xAxis);
    applyAxis(s.y, view.yAxis);
    view.equalScales = s.equalScales;
    view.areaRectify = s.areaRectify;
    view.gridStyle = s.gridStyle;
    view.axisWidth = s.axisWidth;
    view.fontSize = s.fontSize;
    view.axisOn = s.axisOn;
    view.tickLabelPlacement = s.tickLabelPlacement;
    view.axisType = s.axisType;
    view.thetaNum = s.thetaNum;
    view.redrawState().ticksChanged = true;
    view.fillXSamples();
}

} // namespace tarlix
