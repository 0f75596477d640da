#pragma once
// The picture of the project as the graph window and the headless tool show it: the objects
// marked dirty are recomputed (the rest keep their samples and layers), then the axes, the
// traces of moving points, the curves, the explicit functions, the figures and the relations
// are drawn on a canvas, and the rings of hollow points over everything. Computation fills the
// view's caches and the relations' parts; drawing only reads them, rescanning only the relation
// layers that changed.
//
// Functions, curves, figures and relations combine with the picture by AND, so the order of
// drawing does not matter: while a parameter animates, the unchanged objects stay in a base
// image that is copied, and only the functions and figures that changed are drawn over it.

#include "document/AfterimageStore.h"
#include "document/Document.h"
#include "document/MarkerEdit.h"
#include "document/Project.h"
#include "expression/eval/Evaluator.h"
#include "expression/eval/ParameterValues.h"
#include "expression/functions/Random.h"
#include "render/DirtyPropagation.h"
#include "render/PolylineBuffer.h"
#include "render/axes/AxesStyle.h"
#include "render/axes/RulerStrips.h"
#include "render/explicit/DrawFunction.h"
#include "render/explicit/FunctionOverlays.h"
#include "render/figures/CurveSampling.h"
#include "render/figures/FigureDrawing.h"
#include "render/markup/MarkupEnv.h"
#include "render/relation/ProjectRelations.h"
#include "render/segments/SegmentDrawing.h"
#include "view/RedrawState.h"
#include "view/View.h"
#include "view/ViewAreaSource.h"

#include <functional>
#include <memory>
#include <span>

namespace tarlix {

class ProjectPicture {
public:
    // hooks: the window's clock, break keys and caption for long relation scans (none: the
    // scan runs to its end).
    explicit ProjectPicture(Document& document, RelationScanHooks* hooks = nullptr);
    // A picture of the same project beside the document's own, drawn from afterimages of its
    // own.
    ProjectPicture(Project& project, View& view, RedrawState& redraw, AfterimageStore& afterimages,
                   RelationScanHooks* hooks = nullptr);

    // Recomputes every object whose token is dirty (all of them after the view's mapping
    // changed) and clears the redraw state.
    void recompute();
    // Draws the picture; surfaces make the relation layers. scale image pixels stand for each
    // pixel of the view (a dense screen, an enlarged output).
    void draw(Canvas& canvas, Surfaces& surfaces, int scale = 1);

    // The ruler strips beside the picture as the screen shows them, scale image pixels to a
    // screen pixel; the canvas measures text.
    struct Strips {
        RulerStripLayout layout;
        std::unique_ptr<Canvas> x; // none when hidden
        std::unique_ptr<Canvas> y;
    };
    Strips drawRulerStrips(Canvas& measure, Surfaces& surfaces, int scale = 1) const;
    // The drawn picture with the rulers beside it, for output; null when no ruler is shown.
    std::unique_ptr<Canvas> withRulers(Canvas& drawn, Surfaces& surfaces) const;
    // The ruler strips as recorded pictures at the view's output scale.
    struct Rulers {
        RulerStripLayout layout;
        RulerStripPictures pictures;
        const Picture* x() const { return pictures.x.get(); }
        const Picture* y() const { return pictures.y.get(); }
    };
    Rulers recordRulers(Canvas& measure, Surfaces& surfaces) const;

    // Draws the whole picture straight onto a vector canvas, layer after layer in the order
    // the raster picture combines them: the afterimages, the axes, the curves, the functions,
    // the figures, the connected figures, the relations (hatched with lines) and the hollow
    // rings. Recompute first.
    void drawVector(Canvas& canvas);

    FunctionDrawSettings& drawSettings() { return drawSettings_; }
    // The colours each connected figure left in the afterimage layer at the last drawing.
    SegmentAfterimageBook& segmentAfterimages() { return segmentAfterimages_; }
    // Every object is computed afresh at the next recompute (a new or loaded project).
    void markEverythingDirty();
    // The project was replaced as a whole (open, New, undo, redo): nothing the picture showed
    // of the one before (its places, traces, afterimage copies) may join the new one.
    void forgetShownProject();

    // The snapshots the afterimage layer is drawn from; after an edit of the store the layer
    // is drawn again from it at the next drawing.
    AfterimageStore& afterimageStore() { return afterimageStore_; }
    // The picture on show joins the afterimages as if every object left one.
    void leaveAfterimageNow();
    // Black-and-white output: colours become black, grey or white.
    void setBlackAndWhite(bool on) { blackAndWhite_ = on; }
    // Called with the function's number whenever an explicit function is sampled: what a
    // redraw or a rebuild of the afterimages computes, for tests and measurements.
    void observeSampling(std::function<void(int n)> observer) { samplingObserver_ = observer; }
    // The same for each relation split and scanned again.
    void observeRelationScans(std::function<void(int n)> observer) { relationObserver_ = observer; }

    // The budget of the recomputing and drawing from now on (none: they run to their end).
    // Once it runs out every evaluation left is undefined, so the picture ends quickly with
    // what was computed; it hears how far the work has come.
    void setBudget(WorkBudget* budget) {
        env_.budget = budget;
        markup_.budget = budget;
    }

    // The marks of the open function-value and integral windows: the value window's marker,
    // the integral's shading and its limit markers. Their expressions are evaluated at each
    // recompute; a closed window leaves nothing on the picture.
    void setWindowOverlays(MarkerWindows open) { overlays_ = open; }
    MarkerWindows windowOverlays() const { return overlays_; }

    // The evaluator and the split relations, for finding what lies under the mouse.
    Evaluator& evaluator() { return evaluator_; }
    std::span<const RelationEntry> relationEntries() const { return relations_.entries(); }

private:
    bool recomputeRelations(bool all);
    void combineRelations(Canvas& canvas, Surfaces& surfaces);
    void updateDrawSettings();
    bool baseFits(const Canvas& canvas) const;
    AxesStyle axesStyle() const;
    void drawBase(Surfaces& surfaces, int width, int height);
    void drawFiguresOf(Canvas& canvas, const FigureSet& which);
    void collectChanges();
    void drawPendingTraces(Canvas& canvas, Surfaces& surfaces);
    bool originLabelledByFigure() const;
    AfterimageSnapshot snapshotOfShown(bool everything) const;
    AfterimageSnapshot placesOfShown() const;
    void keepPositions(AfterimageSnapshot& s, bool everything) const;
    void updateAfterimageLayer(Surfaces& surfaces, int width, int height);
    // surfaces make the layers relations are lightened through; none for a vector canvas, on
    // which relations are drawn straight in their afterimage colour.
    void replayAfterimages(Canvas& canvas, Surfaces* surfaces);
    TokenSet changesOf(const AfterimageSnapshot& s, const AfterimageSnapshot* previous,
                       const ParamTable& present) const;
    void replaySnapshot(const AfterimageSnapshot& s, const AfterimageSnapshot* previous,
                        const ParamTable& present, Canvas& canvas);
    void sampleFunctions();
    void evaluateOverlays();
    void drawOverlays(Canvas& canvas, OverlayInk ink);
    void drawIntegralShading(Canvas& canvas, OverlayInk ink);
    void drawOverlayMarkers(Canvas& canvas, OverlayInk ink);
    void drawContributions(Surfaces& surfaces, int width, int height);
    void replayRelations(const AfterimageSnapshot& s, const AfterimageSnapshot* previous,
                         const std::bitset<10>& changed, Canvas& canvas);
    void replayTraces(const AfterimageSnapshot* previous, Canvas& canvas);

    Project& project_;
    View& view_;
    RedrawState& redraw_;
    ParameterValues parameters_;
    // Labels and captions; area_ is declared below, but its address is all this takes.
    MarkupEnv markup_{project_.engine, project_, parameters_, {}, &area_};
    RandomState random_;
    ViewAreaSource area_;
    EvalEnv env_;
    Evaluator evaluator_;
    CurveSampler curves_;
    FunctionDrawSettings drawSettings_;
    std::unique_ptr<PolylineBuffer> buffer_;
    RelationScanHooks noHooks_;
    RelationScanHooks& hooks_;
    ProjectRelations relations_;
    SegmentAfterimageBook segmentAfterimages_;
    RelationLayers layers_;
    std::unique_ptr<RelationPlotter> plotter_;

    FunctionSet changed_;      // functions recomputed since the base was last drawn
    FunctionSet drawnOver_;    // functions drawn over the base each time
    FigureSet figuresChanged_; // the same for figures and curves
    FigureSet figuresDrawnOver_;
    std::unique_ptr<Canvas> base_; // axes, the other functions and the relations
    bool baseValid_ = false;
    std::optional<FunctionDrawMode> baseDrawMode_; // none before the base is first drawn
    LineDrawOptions baseLineOptions_;
    bool baseOriginLabelled_ = false;

    std::unique_ptr<Canvas> relationsImage_; // every shown relation
    bool relationsValid_ = false;
    RelationSettings relationsSettings_;

    // Traces of moving points collect in their own layer until the view moves.
    Store<FigurePosition, figureCount> previousPositions_;
    bool tracesPending_ = false;
    std::unique_ptr<Canvas> traces_;

    // Afterimages: the store, the layer drawn from it and the afterimage copies the last
    // drawing made, which join the layer when the next step moves the picture on.
    AfterimageStore& afterimageStore_;
    std::unique_ptr<Canvas> afterimages_;
    std::unique_ptr<Canvas> contributions_;
    bool afterimagesStale_ = true;
    bool mergePending_ = false;
    bool shownValid_ = false;
    std::array<Extended, kParameterCount> shownParameters_{};
    FunctionAfterimageColours shownFunctionColours_{};
    CurveAfterimageColours shownCurveColours_;
    std::array<Color, kRelations> shownRelationColours_{};
    bool blackAndWhite_ = false;
    DirtyPropagation propagation_;
    std::function<void(int n)> samplingObserver_;
    std::function<void(int n)> relationObserver_;
    void reportProgress(int percent) const {
        if (env_.budget) env_.budget->setProgress(percent);
    }
    MarkerWindows overlays_;
    // The value window's x and the integral's limits as the last recompute found them.
    std::optional<Extended> valueX_;
    std::optional<Extended> lowerLimit_;
    std::optional<Extended> upperLimit_;
    Surfaces* replaySurfaces_ = nullptr;  // during a replay
    std::unique_ptr<Canvas> replayLayer_; // a relation of a snapshot, before it is lightened
};

} // namespace tarlix
