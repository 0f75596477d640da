#pragma once
// The view: the two axes with their world-to-pixel mappings and tick settings, and the per-view
// state shared by everything that draws or hit-tests on the graph. Drawing code converts only
// through these mappings.

#include "expression/Value.h"
#include "view/Axis.h"
#include "view/RedrawState.h"
#include "view/ViewCaches.h"
#include "view/ViewDefaults.h"
#include "view/ViewHooks.h"
#include "view/ViewSettings.h"

#include <cstdint>
#include <string>

namespace tarlix {

// The view.
class View : public ViewSettings {
public:
    View(RedrawState& redrawState, const ViewDefaults& defaults);
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    Axis xAxis;
    Axis yAxis;
    std::uint8_t defaultFontSize = 12;
    bool presentationMode = false;
    Extended storedAspect = 1;
    bool interrupted = false;

    Store<FigurePosition, figureCount> positions;
    Store<FunctionSamples, functionCount> functionSamples;
    ColumnSamples xSamples;
    ColumnSamples undefinedSamples;
    CurveCaches<figureCount> curveCaches;

    RedrawState& redrawState() const { return redraw; }
    // Returns the hooks it replaces, so that a change can be made quietly and the hooks put back.
    ViewHooks* setHooks(ViewHooks* h) {
        ViewHooks* previous = hooks;
        hooks = h;
        return previous;
    }
    void setOutputScale(int scale);

    void setView(Extended xLow, Extended xHigh, Extended yLow, Extended yHigh);
    void setViewWithUndo(Extended xLow, Extended xHigh, Extended yLow, Extended yHigh);
    void fitY(Extended aspect);
    void zoomAt(Extended xc, Extended yc, Extended fx, Extended fy);
    void resetView();
    bool isSquare() const { return xAxis.pixelsPerUnit == yAxis.pixelsPerUnit; }
    PixelPoint toPoint(Extended x, Extended y) const {
        return {xAxis.toPixel(x), yAxis.toPixel(y)};
    }
    WorldPoint snapPolar(Extended px, Extended py) const;
    void thetaNumUp();
    void thetaNumDown();
    void resetFromDefaults(int reserve, bool full, const ViewDefaults& defaults);
    void applyPresentationMode(bool on);

    // World x of every pixel column, as the explicit functions are sampled.
    void fillXSamples();

private:
    void fitYToWidth(Extended aspect, Extended xWidth);
    bool rectifyX(Extended& k);
    void rectifyY(Extended k);
    void initAxes(int reserve, const ViewDefaults& defaults);

    RedrawState& redraw;
    ViewHooks* hooks = nullptr;
};

// The built-in "area"(n): 0 x Low, 1 y Low, 2 x High, 3 y High (n rounded half up);
// anything else undefined, a pair a type error.
Value viewArea(const View& view, const Value& n);

} // namespace tarlix
