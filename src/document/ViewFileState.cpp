#include "document/ViewFileState.h"

#include "view/View.h"

namespace tarlix {

namespace {

void applyAxis(const AxisState& s, Axis& a) {
    static_cast<AxisState&>(a) = s;
    a.recompute();
    a.recomputeCaptionText();
}

} // namespace

ViewFileState captureView(const View& view) {
    ViewFileState s;
    static_cast<ViewSettings&>(s) = view;
    s.x = view.xAxis;
    s.y = view.yAxis;
    return s;
}

void applyView(const ViewFileState& s, View& view) {
    applyAxis(s.x, view.xAxis);
    applyAxis(s.y, view.yAxis);
    static_cast<ViewSettings&>(view) = s;
    view.redrawState().ticksChanged = true;
    view.fillXSamples();
}

} // namespace tarlix
