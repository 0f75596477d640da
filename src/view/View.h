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

#include <cstdint>
#include <string>

namespace tarlix {

// The view.
class View {
public:
    View(RedrawState& redrawState, const ViewDefaults& defaults);
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    Axis XAxis;
    Axis YAxis;
    bool SquareQ = false;
    bool AxisOn = false;
    std::uint8_t PsMesh = 0;
    std::uint8_t Letterposition = 0;
    std::uint8_t AxisType = 0;
    std::uint8_t AxisWidth = 1;
    std::uint8_t FontSize = 12;
    std::uint8_t DefaultFontSize = 12;
    bool presentationMode = false;
    bool AreaRectify = true;
    Extended StoredAspect = 1;
    int ThetaNum = 12;
    bool Interrupted = false;

    Store<FigurePosition, figureCount> Positions;
    Store<FigurePosition, figureCount> SavedPositions;
    Store<FunctionSamples, functionCount> YValues;
    ColumnSamples XSamples;
    ColumnSamples UndefinedSamples;
    Store<CurveCache, figureCount> CurveCaches;
    ParameterCopy SavedParameters;

    RedrawState& redrawState() const { return redraw; }
    void setHooks(ViewHooks* h) { hooks = h; }
    void setOutputScale(int scale);

    void SetView(LayerImages* layers, Extended yHigh, Extended xHigh, Extended yLow, Extended xLow);
    void SetViewWithUndo(LayerImages* layers, Extended yHigh, Extended xHigh, Extended yLow,
                         Extended xLow);
    void FitY(Extended aspect);
    void ZoomAt(LayerImages* layers, Extended yc, Extended xc, Extended fy, Extended fx);
    void ResetView(LayerImages* layers);
    bool IsSquare() const { return XAxis.PixelsPerUnit == YAxis.PixelsPerUnit; }
    PixelPoint ToPoint(Extended y, Extended x) const {
        return {XAxis.ToPixel(x), YAxis.ToPixel(y)};
    }
    WorldPoint SnapPolar(Extended px, Extended py) const;
    void ThetaNumUp();
    void ThetaNumDown();
    void ResetFromDefaults(int reserve, bool full, const ViewDefaults& defaults);
    void ApplyPresentationMode(bool on);

    // World x of every pixel column, as the explicit functions are sampled.
    void FillXSamples();

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
Tvalue viewArea(const View& view, const Tvalue& n);

} // namespace tarlix
