#include "document/ViewFileState.h"

#include "view/View.h"

namespace tarlix {

namespace {

AxisFileState captureAxis(const Axis& a) {
    return {a.PixelStart,   a.PixelLength,  a.Caption,      a.Letter, a.AxesVisible,
            a.ScaleVisible, a.ValueVisible, a.GuideVisible, a.Number, a.base,
            a.LInterval,    a.High,         a.Low};
}

void applyAxis(const AxisFileState& s, Axis& a) {
    a.PixelStart = s.PixelStart;
    a.PixelLength = s.PixelLength;
    a.Caption = s.Caption;
    a.Letter = s.Letter;
    a.AxesVisible = s.AxesVisible;
    a.ScaleVisible = s.ScaleVisible;
    a.ValueVisible = s.ValueVisible;
    a.GuideVisible = s.GuideVisible;
    a.Number = s.Number;
    a.base = s.base;
    a.LInterval = s.LInterval;
    a.SetRange(s.High, s.Low);
    a.Recompute();
    a.RecomputeSCaption();
}

} // namespace

ViewFileState captureView(const View& view) {
    ViewFileState s;
    s.X = captureAxis(view.XAxis);
    s.Y = captureAxis(view.YAxis);
    s.SquareQ = view.SquareQ;
    s.AreaRectify = view.AreaRectify;
    s.PsMesh = view.PsMesh;
    s.AxisWidth = view.AxisWidth;
    s.FontSize = view.FontSize;
    s.AxisOn = view.AxisOn;
    s.Letterposition = view.Letterposition;
    s.AxisType = view.AxisType;
    s.ThetaNum = view.ThetaNum;
    return s;
}

void applyView(const ViewFileState& s, View& view) {
    applyAxis(s.X, view.XAxis);
    applyAxis(s.Y, view.YAxis);
    view.SquareQ = s.SquareQ;
    view.AreaRectify = s.AreaRectify;
    view.PsMesh = s.PsMesh;
    view.AxisWidth = s.AxisWidth;
    view.FontSize = s.FontSize;
    view.AxisOn = s.AxisOn;
    view.Letterposition = s.Letterposition;
    view.AxisType = s.AxisType;
    view.ThetaNum = s.ThetaNum;
    view.redrawState().ticksChanged = true;
    view.FillXSamples();
}

} // namespace tarlix
