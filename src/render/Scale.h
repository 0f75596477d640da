#pragma once
// The view: the two axes with their world-to-pixel mappings and tick settings, and the per-view
// state shared by everything that draws or hit-tests on the graph. Drawing code converts only
// through these mappings.

#include "expression/Value.h"
#include "render/RedrawState.h"
#include "render/TickSequence.h"
#include "render/ViewCaches.h"
#include "render/ViewDefaults.h"
#include "render/ViewHooks.h"

#include <cstdint>
#include <string>

namespace tarlix {

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct WorldPoint {
    Extended x = 0;
    Extended y = 0;
};

// One axis. The y axis runs downwards on the screen, so its mapping negates.
class ScaleSubT {
public:
    char AxisId = 'x';
    int PixelStart = 0;
    int PixelLength = 400;
    bool AxesVisible = true;
    bool ScaleVisible = true;
    bool ValueVisible = true;
    bool GuideVisible = true;
    mutable bool Clipped = false; // set by every conversion to pixels: the result was clamped
    int Number = 7;               // wanted divisions, 1..40; 0 means no ticks
    int LInterval = 1;            // a value label at every LInterval-th tick
    Extended base = 1;
    Extended Low = -5;
    Extended High = 5;
    int Decimals = 0;
    std::string Caption;
    std::string SCaption;
    char Letter = 'x';
    Extended PixelsPerUnit = 0;
    Extended UnitsPerPixel = 0;
    Extended OriginPixel = 0;

    // 1 on screen; the enlargement factor while a picture is drawn for printing or export.
    int OutputScale = 1;
    // Receives the mapping-changed and ticks-changed flags; none for a free-standing axis.
    RedrawState* redraw = nullptr;

    void Recompute();
    void SetRange(Extended high, Extended low) {
        High = high;
        Low = low;
    }

    int ToPixel(Extended v) const;
    Extended ToPixelFloat(Extended v) const;
    int LengthToPixels(Extended d) const;
    Extended ToWorld(Extended p) const;
    Extended ToWorldRaw(Extended p) const;
    Extended PixelsToLength(Extended n) const { return n * UnitsPerPixel; }

    Extended TickInterval() const { return tickInterval(Low, High, Number, base); }
    Extended SnapToTick(Extended p) const;
    static void ClampNumber(int& number);
    void MoreTicks();
    void FewerTicks();

    // Sets the letter, the pixel length and the range, and resets the tick and label settings.
    void Init(char letter, int pixelLength, Extended high, Extended low);
    // Captions arrive with their markup already removed by the memo text renderer.
    void RecomputeSCaption(const std::string& captionWithoutMarkup);
    void RecomputeSCaption() { RecomputeSCaption(Caption); }

private:
    void setTicksChanged() const;
};

// SCaption from a caption whose markup is gone: characters 0..25, "{" and "}" deleted.
std::string plainCaption(const std::string& captionWithoutMarkup);

// The view.
class ScaleT {
public:
    ScaleT(RedrawState& redrawState, const ViewDefaults& defaults);
    ScaleT(const ScaleT&) = delete;
    ScaleT& operator=(const ScaleT&) = delete;

    ScaleSubT XAxis;
    ScaleSubT YAxis;
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

    OneBased<FigurePosition, figureCount> Positions;
    OneBased<FigurePosition, figureCount> SavedPositions;
    OneBased<FunctionSamples, functionCount> YValues;
    ColumnSamples XSamples;
    ColumnSamples UndefinedSamples;
    OneBased<CurveCache, figureCount> CurveCaches;
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
Tvalue viewArea(const ScaleT& view, const Tvalue& n);

} // namespace tarlix
