#include "render/ProjectPicture.h"

#include "document/ObjectTokens.h"
#include "render/axes/Axes.h"
#include "render/explicit/EvaluatorSampler.h"
#include "render/explicit/FunctionSamples.h"
#include "render/figures/FigurePositions.h"
#include "render/relation/RelationColours.h"
#include "view/OutputScale.h"

namespace tarlix {

namespace {
// The share of the progress the function samples take; the relations take the rest.
constexpr int kFunctionsProgress = 60;
} // namespace

ProjectPicture::ProjectPicture(Document& document, RelationScanHooks* hooks)
    : ProjectPicture(document.project, document.view, document.redraw, document.afterimages,
                     hooks) {}

ProjectPicture::ProjectPicture(Project& project, View& view, RedrawState& redraw,
                               AfterimageStore& afterimages, RelationScanHooks* hooks)
    : project_(project), view_(view), redraw_(redraw), random_(RandomState::seededOnce()),
      area_(view), env_{project.engine, project, parameters_, &random_, &area_}, evaluator_(env_),
      curves_(view_, evaluator_), buffer_(std::make_unique<PolylineBuffer>()),
      hooks_(hooks ? *hooks : noHooks_), relations_(evaluator_), afterimageStore_(afterimages) {
    plotter_ = std::make_unique<RelationPlotter>(relationSettingsOf(project.settings), hooks_,
                                                 &relations_.explicitPlotter());
    shownRelationColours_.fill(kWhite);
    markEverythingDirty();
}

namespace {

// Whether a figure looks the same at both positions (its trace setting aside).
bool samePlace(const FigurePosition& a, const FigurePosition& b) {
    return a.kind == b.kind && a.x == b.x && a.y == b.y && a.r == b.r &&
           a.pointColor == b.pointColor && a.lineColor == b.lineColor &&
           a.fillColor == b.fillColor && a.pointSize == b.pointSize && a.lineWidth == b.lineWidth &&
           a.hollow == b.hollow;
}

} // namespace

void ProjectPicture::markEverythingDirty() {
    for (int i = 1; i <= kExplicitFunctions; ++i)
        redraw_.markDirty(static_cast<std::uint8_t>(explicitFunctionToken(i)));
    for (int i = 1; i <= kRelations; ++i)
        redraw_.markDirty(static_cast<std::uint8_t>(relationToken(i)));
    for (int i = 1; i <= kFigures; ++i)
        redraw_.markDirty(static_cast<std::uint8_t>(figureToken(i)));
    traces_.reset();
}

void ProjectPicture::forgetShownProject() {
    markEverythingDirty();
    shownValid_ = false;
    mergePending_ = false;
    contributions_.reset();
    tracesPending_ = false;
    previousPositions_ = view_.positions;
    segmentAfterimages_.clear();
    afterimagesStale_ = true;
    baseValid_ = false;
    relationsValid_ = false;
}

void ProjectPicture::recompute() {
    const bool viewMoved = redraw_.mappingChanged || redraw_.viewChanged;
    // A step with afterimages on leaves the picture on show behind; a moved view draws the
    // whole layer again from the store.
    const bool leaving = project_.settings.afterimagesOn && shownValid_;
    if (leaving && redraw_.traceRedraw && !viewMoved) {
        if (afterimageStore_.push(snapshotOfShown(false))) mergePending_ = true;
        afterimageStore_.changed = false;
    } else if (leaving && viewMoved) {
        // Only the figures' places are kept across a view change (the objects drawn in the old
        // mapping are not), so that a trace goes on from where its point was.
        afterimageStore_.push(placesOfShown());
    }
    if (viewMoved || redraw_.afterimagesChanged) afterimagesStale_ = true;
    if (viewMoved) {
        view_.fillXSamples();
        markEverythingDirty();
    }
    copyToEvaluator(project_.parameters, parameters_);
    evaluateOverlays();
    collectChanges();
    // A trace joins where a point was drawn last to where it is now; a moved view has no
    // such place.
    previousPositions_ = view_.positions;
    tracesPending_ = redraw_.traceRedraw && !viewMoved;
    if (viewMoved) traces_.reset();
    // Functions read the figures' positions, so the positions come first. A figure that moved
    // without a change of its own (a random value, the view's area) is drawn afresh too.
    updatePositions(view_, project_.figures, evaluator_, redraw_.traceRedraw);
    for (int i = 1; i <= kFigures; ++i)
        if (!samePlace(view_.positions[i], previousPositions_[i]))
            figuresChanged_.set(static_cast<std::size_t>(i));
    sampleFunctions();
    curves_.update(project_.figures, false);
    if (recomputeRelations(viewMoved || redraw_.relationsForced)) relationsValid_ = false;
    // New ticks draw the axes and the grid again under everything.
    if (viewMoved || redraw_.ticksChanged) baseValid_ = false;
    if (viewMoved) relationsValid_ = false;
    redraw_.clear();
}

namespace {

// Reports each function it samples, then samples it as the sampler it wraps would.
class ObservedSampler final : public FunctionSampler {
public:
    ObservedSampler(FunctionSampler& inner, const std::function<void(int)>& observer)
        : inner_(inner), observer_(observer) {}
    Value valueAt(int n, const EquationEntry& f, const Value& x) override {
        return inner_.valueAt(n, f, x);
    }
    void fillRow(int n, const EquationEntry& f, const ColumnSamples& xs, int lo, int hi,
                 ColumnSamples& out) override {
        observer_(n);
        inner_.fillRow(n, f, xs, lo, hi, out);
    }

private:
    FunctionSampler& inner_;
    const std::function<void(int)>& observer_;
};

} // namespace

// The functions whose token is dirty get new samples. Sampling is most of the work of a
// redraw without relations, so its progress is the progress shown.
void ProjectPicture::sampleFunctions() {
    EvaluatorSampler sampler(evaluator_, view_);
    const std::function<void(int)> observer = [this](int n) {
        reportProgress(kFunctionsProgress * (n - 1) / kExplicitFunctions);
        if (samplingObserver_) samplingObserver_(n);
    };
    ObservedSampler observed(sampler, observer);
    updateFunctionSamples(view_, project_.explicitFunctions, observed);
}

void ProjectPicture::collectChanges() {
    for (int i = 1; i <= kExplicitFunctions; ++i)
        if (redraw_.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(i))))
            changed_.set(static_cast<std::size_t>(i));
    for (int i = 1; i <= kFigures; ++i)
        if (redraw_.isDirty(static_cast<std::uint8_t>(figureToken(i))))
            figuresChanged_.set(static_cast<std::size_t>(i));
}

bool ProjectPicture::originLabelledByFigure() const {
    const FigureEntry& o = project_.figures[kFigures];
    return o.kind != FigureKind::Empty && o.visible && o.labelPosition != 0 && !o.label.empty();
}

// Returns whether any relation changed.
bool ProjectPicture::recomputeRelations(bool all) {
    bool any = false;
    RecordingMessageBox quiet; // messages were shown when the relation was stored
    const CompileEnv env{project_.engine, quiet, view_.xAxis.letter == '@'};
    for (int i = 1; i <= kRelations; ++i) {
        if (!all && !redraw_.isDirty(static_cast<std::uint8_t>(relationToken(i)))) continue;
        relations_.rebuild(i, project_, env);
        if (relationObserver_) relationObserver_(i);
        layers_.redraw[static_cast<std::size_t>(i - 1)] = true;
        any = true;
    }
    return any;
}

void ProjectPicture::updateDrawSettings() {
    drawSettings_.drawMode = project_.settings.drawMode;
    drawSettings_.lineOptions.capStyle = project_.settings.capStyle != LineEnds::Round;
    drawSettings_.lineOptions.afterimageFills = project_.settings.afterimageFills;
    const int level = project_.settings.afterimageColorIndex;
    drawSettings_.afterimageColour = [level](Color c) { return afterimageColourOf(c, level); };
    if (blackAndWhite_)
        drawSettings_.blackAndWhite = [](Color c) { return blackAndWhiteColour(c, true); };
    else
        drawSettings_.blackAndWhite = nullptr;
    markup_.colour = drawSettings_.blackAndWhite; // labels and captions follow the output
}

bool ProjectPicture::baseFits(const Canvas& canvas) const {
    return baseValid_ && base_ && base_->width() == canvas.width() &&
           base_->height() == canvas.height() && baseDrawMode_ == drawSettings_.drawMode &&
           baseLineOptions_.capStyle == drawSettings_.lineOptions.capStyle &&
           baseLineOptions_.afterimageFills == drawSettings_.lineOptions.afterimageFills &&
           baseOriginLabelled_ == originLabelledByFigure();
}

AxesStyle ProjectPicture::axesStyle() const {
    // The screen's grid colour would turn grey; black and white output draws the grid black.
    return AxesStyle{blackAndWhite_ ? kBlack : kScreenGridColor,
                     project_.engine.angleMode == AngleMode::Degrees, project_.settings.degreeFont,
                     originLabelledByFigure(), &markup_};
}

ProjectPicture::Strips ProjectPicture::drawRulerStrips(Canvas& measure, Surfaces& surfaces,
                                                       int scale) const {
    const AxesStyle style = axesStyle();
    Strips strips;
    strips.layout = rulerStripLayout(AxesTarget{view_, measure, style});
    const RulerStripPictures pictures = recordRulerStrips(view_, style, surfaces, strips.layout);
    if (pictures.x)
        strips.x = rulerStripImage(surfaces, *pictures.x, view_.xAxis.pixelLength * scale,
                                   strips.layout.xStripHeight * scale);
    if (pictures.y)
        strips.y = rulerStripImage(surfaces, *pictures.y, strips.layout.yStripWidth * scale,
                                   view_.yAxis.pixelLength * scale);
    return strips;
}

std::unique_ptr<Canvas> ProjectPicture::withRulers(Canvas& drawn, Surfaces& surfaces) const {
    const AxesStyle style = axesStyle();
    const RulerStripLayout layout = rulerStripLayout(AxesTarget{view_, drawn, style});
    const RulerStripPictures rulers = recordRulerStrips(view_, style, surfaces, layout);
    return composeWithRulers(surfaces, drawn, layout, rulers);
}

void ProjectPicture::drawBase(Surfaces& surfaces, int width, int height) {
    base_ = surfaces.createImage(width, height, kWhite);
    baseOriginLabelled_ = originLabelledByFigure();
    const AxesStyle style = axesStyle();
    drawAxes(AxesTarget{view_, *base_, style});
    const FunctionSet others = ~drawnOver_;
    drawFunctions(FunctionDrawing{view_, *buffer_, drawSettings_, base_.get()},
                  project_.explicitFunctions, others);
    drawFiguresOf(*base_, ~figuresDrawnOver_);
    baseValid_ = true;
    baseDrawMode_ = drawSettings_.drawMode;
    baseLineOptions_ = drawSettings_.lineOptions;
}

void ProjectPicture::draw(Canvas& canvas, Surfaces& surfaces, int scale) {
    const OutputScale output(view_, scale);
    updateDrawSettings();
    // The base keeps every function that did not change since it was drawn; when the changed
    // ones differ from those drawn over it, it is drawn again without them.
    if ((changed_.any() && changed_ != drawnOver_) ||
        (figuresChanged_.any() && figuresChanged_ != figuresDrawnOver_)) {
        drawnOver_ = changed_;
        figuresDrawnOver_ = figuresChanged_;
        baseValid_ = false;
    }
    changed_.reset();
    figuresChanged_.reset();
    if (!baseFits(canvas)) drawBase(surfaces, canvas.width(), canvas.height());
    const Rect rect{0, 0, canvas.width(), canvas.height()};
    canvas.copyFrom(*base_, rect, rect, RasterOp::Copy);
    combineRelations(canvas, surfaces);
    updateAfterimageLayer(surfaces, canvas.width(), canvas.height());
    if (afterimages_) canvas.copyFrom(*afterimages_, rect, rect, RasterOp::And);
    drawPendingTraces(canvas, surfaces);
    drawFunctions(FunctionDrawing{view_, *buffer_, drawSettings_, &canvas},
                  project_.explicitFunctions, drawnOver_);
    drawFiguresOf(canvas, figuresDrawnOver_);
    // Connected figures follow their vertices, so they are drawn afresh every time, over
    // everything but the hollow rings.
    SegmentScene scene{view_, view_.positions, project_, blackAndWhite_};
    scene.markup = &markup_;
    drawSegments(SegmentsPass{&canvas}, scene, segmentAfterimages_);
    drawHollowRings(view_, canvas, project_.figures, view_.positions, drawSettings_.blackAndWhite);
    drawOverlays(canvas, OverlayInk::Xor);
    drawContributions(surfaces, canvas.width(), canvas.height());
}

void ProjectPicture::drawFiguresOf(Canvas& canvas, const FigureSet& which) {
    FigureDrawing drawing{view_, *buffer_, drawSettings_, &canvas};
    drawing.markup = &markup_;
    drawCurves(drawing, project_.figures, which);
    drawFigures(drawing, project_.figures, view_.positions, which);
}

// The traces layer keeps every trace since the view last moved and combines with the picture
// by AND, as an afterimage does.
void ProjectPicture::drawPendingTraces(Canvas& canvas, Surfaces& surfaces) {
    bool tracing = false;
    for (const FigurePosition& p : view_.positions)
        tracing = tracing || (p.locusWidth != 0 && p.locusWidth != noTraceThisRedraw);
    if (tracesPending_ && tracing) {
        if (!traces_ || traces_->width() != canvas.width() || traces_->height() != canvas.height())
            traces_ = surfaces.createImage(canvas.width(), canvas.height(), kWhite);
        const FigureDrawing drawing{view_, *buffer_, drawSettings_, nullptr, traces_.get(), true};
        drawTraces(drawing, project_.figures, view_.positions, previousPositions_);
    }
    tracesPending_ = false;
    if (!traces_) return;
    const Rect rect{0, 0, traces_->width(), traces_->height()};
    canvas.copyFrom(*traces_, rect, rect, RasterOp::And);
}

// The relations image is combined with the picture by AND, so white stays transparent and
// overlapping regions darken. It is kept apart from the base, so that a step that changes a
// relation leaves the functions and figures of the base alone, and is made again only when a
// relation changed.
void ProjectPicture::combineRelations(Canvas& canvas, Surfaces& surfaces) {
    bool any = false;
    for (const RelationEntry& e : relations_.entries()) any = any || e.shown();
    if (!any) {
        relationsImage_.reset();
        return;
    }
    plotter_->settings() = relationSettingsOf(project_.settings, blackAndWhite_);
    // Relations are scanned on the view's own pixels, where their region fills are laid out,
    // and enlarged onto a denser picture.
    const int scale = view_.xAxis.outputScale;
    view_.xAxis.outputScale = view_.yAxis.outputScale = 1;
    layers_.fitTo(surfaces, view_);
    const bool fits = relationsImage_ && relationsImage_->width() == layers_.width() &&
                      relationsImage_->height() == layers_.height();
    if (!fits || !relationsValid_ || relationsSettings_ != plotter_->settings()) {
        // The relations are composed afresh into the image, so one of the right size is reused.
        if (!fits)
            relationsImage_ = surfaces.createImage(layers_.width(), layers_.height(), kWhite);
        reportProgress(kFunctionsProgress);
        ProjectRelationTarget target{view_, surfaces, layers_, RelationImages{*relationsImage_},
                                     hooks_};
        drawProjectRelations(*plotter_, relations_, target);
        relationsValid_ = true;
        relationsSettings_ = plotter_->settings();
    }
    view_.xAxis.outputScale = view_.yAxis.outputScale = scale;
    const Rect rect{0, 0, layers_.width(), layers_.height()};
    canvas.copyFrom(*relationsImage_, rect,
                    Rect{0, 0, layers_.width() * scale, layers_.height() * scale}, RasterOp::And);
}

} // namespace tarlix
