// The afterimage layer of the project's picture: snapshots of the picture on show, the layer
// drawn again from every snapshot after the view moved, and the afterimage copies of the last
// drawing that join the layer at the next step.

#include "document/ObjectTokens.h"
#include "document/ParamTable.h"
#include "expression/References.h"
#include "render/ProjectPicture.h"
#include "render/explicit/EvaluatorSampler.h"
#include "render/explicit/FunctionSamples.h"
#include "render/relation/RelationColours.h"

namespace tarlix {

namespace {

std::size_t at(int n) {
    return static_cast<std::size_t>(n - 1);
}

bool samePlace(const std::optional<FigurePosition>& a, const std::optional<FigurePosition>& b) {
    if (!a || !b) return a.has_value() == b.has_value();
    return a->kind == b->kind && a->x == b->x && a->y == b->y && a->r == b->r;
}

bool uses(const Project& p, int token, const CompiledExpression& r) {
    return !r.tokens.empty() && dependsOn(token, r, p, p.engine);
}

} // namespace

// A figure's position is kept when it can leave something in the afterimages: its own point
// or line afterimage or trace, a connected figure with afterimages through it, or a function,
// relation or curve with afterimages that refers to it.
void ProjectPicture::keepPositions(AfterimageSnapshot& s, bool everything) const {
    const Project& p = project_;
    for (int n = 1; n <= kFigures; ++n) {
        FigurePosition pos = view_.positions[n];
        if (pos.kind == FigureKind::Empty) continue;
        if (everything) pos.pointAfterimage = pos.lineAfterimage = 1;
        bool keep = pos.pointAfterimage || pos.lineAfterimage || pos.locusWidth != 0;
        for (int k = 1; !keep && k <= p.segments.count; ++k)
            keep = p.segments[k].afterimage && p.segments[k].usesVertex(n);
        const int token = figureToken(n);
        for (int i = 1; !keep && i <= kExplicitFunctions; ++i)
            keep = s.functions[at(i)] != kWhite && uses(p, token, p.explicitFunctions[i].expr);
        for (int i = 1; !keep && i <= kRelations; ++i)
            keep = s.relations[at(i)] != kWhite && uses(p, token, p.relations[i].expr);
        for (int i = 1; !keep && i <= kFigures; ++i) {
            const FigureEntry& f = p.figures[i];
            keep = s.curveLines[at(i)] != kWhite &&
                   (uses(p, token, f.x) || uses(p, token, f.y) || uses(p, token, f.radius));
        }
        if (keep) s.positions[at(n)] = pos;
    }
}

AfterimageSnapshot ProjectPicture::snapshotOfShown(bool everything) const {
    AfterimageSnapshot s;
    if (everything) {
        for (int i = 1; i <= kParameterCount; ++i)
            s.parameters[at(i)] = project_.parameters[i].value;
        for (int i = 1; i <= kExplicitFunctions; ++i) {
            const EquationEntry& f = project_.explicitFunctions[i];
            if (!f.expr.source.empty() && f.visible) s.functions[at(i)] = f.penColor;
        }
        for (int i = 1; i <= kRelations; ++i) {
            const RelationEntry& r = relations_.entries()[at(i)];
            if (r.shown()) s.relations[at(i)] = r.style.color;
        }
        for (int i = 1; i <= kFigures; ++i) {
            const FigureEntry& f = project_.figures[i];
            if (!isCurveKind(f.kind) || !f.visible) continue;
            s.curveLines[at(i)] = f.lineColor;
            s.curveFills[at(i)] = f.fillColor;
        }
        for (int k = 1; k <= project_.segments.count; ++k) {
            s.segmentPens[at(k)] = project_.segments[k].penColor;
            s.segmentFills[at(k)] = project_.segments[k].fillColor;
        }
    } else {
        s.parameters = shownParameters_;
        s.functions = shownFunctionColours_;
        s.curveLines = shownCurveColours_.line;
        s.curveFills = shownCurveColours_.fill;
        s.relations = shownRelationColours_;
        for (int k = 1; k <= kSegments; ++k) {
            s.segmentPens[at(k)] = segmentAfterimages_[k].pen;
            s.segmentFills[at(k)] = segmentAfterimages_[k].fill;
        }
    }
    keepPositions(s, everything);
    return s;
}

// The figure places of the picture on show with every colour white.
AfterimageSnapshot ProjectPicture::placesOfShown() const {
    AfterimageSnapshot s;
    s.parameters = shownParameters_;
    keepPositions(s, false);
    return s;
}

void ProjectPicture::leaveAfterimageNow() {
    afterimageStore_.push(snapshotOfShown(true));
}

void ProjectPicture::updateAfterimageLayer(Surfaces& surfaces, int width, int height) {
    const bool fits =
        afterimages_ && afterimages_->width() == width && afterimages_->height() == height;
    if (!fits || afterimagesStale_ || afterimageStore_.changed) {
        afterimages_.reset();
        if (!afterimageStore_.empty()) {
            afterimages_ = surfaces.createImage(width, height, kWhite);
            replayAfterimages(*afterimages_, &surfaces);
        }
        afterimagesStale_ = false;
        afterimageStore_.changed = false;
        mergePending_ = false;
        return;
    }
    if (!mergePending_ || !contributions_) return;
    if (!afterimages_) afterimages_ = surfaces.createImage(width, height, kWhite);
    const Rect rect{0, 0, width, height};
    afterimages_->copyFrom(*contributions_, rect, rect, RasterOp::And);
    mergePending_ = false;
}

// The afterimage copies of what was just drawn, and the colours they were drawn in; they join
// the afterimage layer when the next step leaves this picture behind.
void ProjectPicture::drawContributions(Surfaces& surfaces, int width, int height) {
    for (int i = 1; i <= kParameterCount; ++i)
        shownParameters_[at(i)] = project_.parameters[i].value;
    shownValid_ = true;
    if (!project_.settings.afterimagesOn) {
        contributions_.reset();
        shownFunctionColours_.fill(kWhite);
        shownCurveColours_ = CurveAfterimageColours();
        segmentAfterimages_.clear();
        shownRelationColours_.fill(kWhite);
        return;
    }
    // The image is reused: its earlier copies already joined the afterimage layer.
    if (!contributions_ || contributions_->width() != width || contributions_->height() != height)
        contributions_ = surfaces.createImage(width, height, kWhite);
    Canvas& c = *contributions_;
    Brush white;
    white.color = kWhite;
    c.setBrush(white);
    c.fillRect(Rect{0, 0, width, height});
    shownFunctionColours_ =
        drawFunctions(FunctionDrawing{view_, *buffer_, drawSettings_, nullptr, &c, true},
                      project_.explicitFunctions);
    const FigureDrawing drawing{view_, *buffer_, drawSettings_, nullptr, &c, true};
    shownCurveColours_ = drawCurves(drawing, project_.figures);
    drawFigures(drawing, project_.figures, view_.positions);
    drawSegments(SegmentsPass{nullptr, &c, true},
                 SegmentScene{view_, view_.positions, project_, blackAndWhite_},
                 segmentAfterimages_);
    // Relations leave their whole layer, lightened by the grey of the level.
    const int level = project_.settings.afterimageColorIndex;
    mergeRelationAfterimages(surfaces, layers_, relations_.entries(), c,
                             afterimageLayerGrey(level, blackAndWhite_), false);
    shownRelationColours_ = layers_.afterimageColour;
}

// Every snapshot from the oldest is drawn with the parameter values, positions and colours it
// recorded; only what a snapshot changed is computed again. The project and the view get their
// own values back at the end.
void ProjectPicture::replayAfterimages(Canvas& canvas, Surfaces* surfaces) {
    replaySurfaces_ = surfaces;
    propagation_.reset();
    const ParamTable parameters = project_.parameters;
    const Store<FigurePosition, figureCount> positions = view_.positions;
    const auto functions = project_.explicitFunctions;
    const auto figures = project_.figures;
    const SegmentStore segments = project_.segments;
    const RedrawState redraw = redraw_;
    const SegmentAfterimageBook book = segmentAfterimages_;

    const AfterimageSnapshot* previous = nullptr;
    for (std::size_t i = 0; i < afterimageStore_.size(); ++i) {
        replaySnapshot(afterimageStore_[i], previous, parameters, canvas);
        previous = &afterimageStore_[i];
    }

    project_.parameters = parameters;
    view_.positions = positions;
    project_.explicitFunctions = functions;
    project_.figures = figures;
    project_.segments = segments;
    segmentAfterimages_ = book;
    copyToEvaluator(project_.parameters, parameters_);
    replaySurfaces_ = nullptr;
    replayLayer_.reset();
    // The samples of the replayed functions and curves are those of the present again.
    redraw_.dirty.reset();
    for (int n = 1; n <= kExplicitFunctions; ++n)
        redraw_.markDirty(static_cast<std::uint8_t>(explicitFunctionToken(n)));
    for (int n = 1; n <= kFigures; ++n)
        redraw_.markDirty(static_cast<std::uint8_t>(figureToken(n)));
    sampleFunctions();
    curves_.update(project_.figures, false);
    redraw_ = redraw;
}

// What changed since the snapshot before (since the present for the oldest): the parameters
// whose value differs and the figures whose place appeared, vanished or moved.
TokenSet ProjectPicture::changesOf(const AfterimageSnapshot& s, const AfterimageSnapshot* previous,
                                   const ParamTable& present) const {
    TokenSet changed;
    for (int i = 1; i <= kParameterCount; ++i) {
        const Extended before = previous ? previous->parameters[at(i)] : present[i].value;
        if (s.parameters[at(i)] != before) changed.set(static_cast<std::size_t>(parameterToken(i)));
    }
    for (int n = 1; n <= kFigures; ++n)
        if (!previous || !samePlace(s.positions[at(n)], previous->positions[at(n)]))
            changed.set(static_cast<std::size_t>(figureToken(n)));
    return changed;
}

// Only what a snapshot changed is computed and drawn again: every recorded function and curve
// for the oldest, afterwards those whose colour changed or that read a changed value; the
// earlier drawing of the others is still in the layer.
void ProjectPicture::replaySnapshot(const AfterimageSnapshot& s, const AfterimageSnapshot* previous,
                                    const ParamTable& present, Canvas& canvas) {
    for (int i = 1; i <= kParameterCount; ++i) project_.parameters[i].value = s.parameters[at(i)];
    copyToEvaluator(project_.parameters, parameters_);
    for (int n = 1; n <= kFigures; ++n)
        view_.positions[n] = s.positions[at(n)].value_or(FigurePosition{});
    const TokenSet dirty = propagation_.propagate(project_, changesOf(s, previous, present));
    const auto reads = [&](int token) { return dirty.test(static_cast<std::size_t>(token)); };

    // The recorded colours stand for the objects' colours; white leaves an object out.
    FunctionSet functions;
    FigureSet curves;
    redraw_.dirty.reset();
    for (int n = 1; n <= kExplicitFunctions; ++n) {
        if (s.functions[at(n)] == kWhite) continue;
        project_.explicitFunctions[n].penColor = s.functions[at(n)];
        const int token = explicitFunctionToken(n);
        if (previous && previous->functions[at(n)] == s.functions[at(n)] && !reads(token)) continue;
        functions.set(static_cast<std::size_t>(n));
        redraw_.markDirty(static_cast<std::uint8_t>(token));
    }
    for (int n = 1; n <= kFigures; ++n) {
        if (s.curveLines[at(n)] == kWhite || !isCurveKind(project_.figures[n].kind)) continue;
        project_.figures[n].lineColor = s.curveLines[at(n)];
        project_.figures[n].fillColor = s.curveFills[at(n)];
        const int token = figureToken(n);
        if (previous && previous->curveLines[at(n)] == s.curveLines[at(n)] && !reads(token))
            continue;
        curves.set(static_cast<std::size_t>(n));
        redraw_.markDirty(static_cast<std::uint8_t>(token));
    }
    for (int k = 1; k <= project_.segments.count; ++k) {
        SegmentRecord& r = project_.segments[k];
        r.afterimage = s.segmentPens[at(k)] != kWhite;
        r.penColor = s.segmentPens[at(k)];
        r.fillColor = s.segmentFills[at(k)];
    }
    if (redraw_.dirty.any()) {
        sampleFunctions();
        curves_.update(project_.figures, false);
    }

    const FunctionDrawing f{view_, *buffer_, drawSettings_, nullptr, &canvas, true, true};
    drawFunctions(f, project_.explicitFunctions, functions);
    const FigureDrawing forced{view_, *buffer_, drawSettings_, nullptr, &canvas, true, true};
    drawCurves(forced, project_.figures, curves);
    const FigureDrawing own{view_, *buffer_, drawSettings_, nullptr, &canvas, true};
    drawFigures(own, project_.figures, view_.positions);
    SegmentAfterimageBook ignored;
    drawSegments(SegmentsPass{nullptr, &canvas, true},
                 SegmentScene{view_, view_.positions, project_, blackAndWhite_}, ignored);
    replayTraces(previous, canvas); // the view holds this snapshot's positions
    replayRelations(s, previous, propagation_.relationsMarked(), canvas);
}

// A point that leaves a trace joins its place in the snapshot before to its place in this one.
void ProjectPicture::replayTraces(const AfterimageSnapshot* previous, Canvas& canvas) {
    if (!previous) return;
    Store<FigurePosition, figureCount> before;
    for (int n = 1; n <= kFigures; ++n)
        before[n] = previous->positions[at(n)].value_or(FigurePosition{});
    // A place recorded by a redraw that was no step still belongs to a point that leaves a
    // trace: it is drawn with the figure's own width.
    Store<FigurePosition, figureCount> now = view_.positions;
    for (int n = 1; n <= kFigures; ++n)
        if (now[n].locusWidth == noTraceThisRedraw)
            now[n].locusWidth = project_.figures[n].locusWidth;
    const FigureDrawing drawing{view_, *buffer_, drawSettings_, nullptr, &canvas, true};
    drawTraces(drawing, project_.figures, now, before);
}

// A relation recorded in a colour is drawn again when it was not in the snapshot before, its
// colour changed, or the parameters or positions it may read changed. On an image it is drawn
// into a layer of its own and joins the afterimages lightened, as a step leaves it; on a vector
// canvas it is drawn straight in its afterimage colour.
void ProjectPicture::replayRelations(const AfterimageSnapshot& s,
                                     const AfterimageSnapshot* previous,
                                     const std::bitset<10>& changed, Canvas& canvas) {
    const int level = project_.settings.afterimageColorIndex;
    plotter_->settings() = relationSettingsOf(project_.settings, blackAndWhite_);
    for (int n = 1; n <= kRelations; ++n) {
        const Color colour = s.relations[at(n)];
        const RelationEntry& entry = relations_.entries()[at(n)];
        if (colour == kWhite || !entry.hasText) continue;
        if (previous && !changed.test(static_cast<std::size_t>(n)) &&
            previous->relations[at(n)] == colour)
            continue;
        RelationStyle style = entry.style;
        style.visible = true;
        if (!replaySurfaces_) {
            style.color = afterimageColourOf(colour, level);
            const RelationCanvases onto{&canvas, nullptr, false, false, true};
            plotter_->drawRelation(view_, onto, style, entry.parts);
            continue;
        }
        style.color = colour;
        const int w = view_.xAxis.pixelLength + 2, h = view_.yAxis.pixelLength + 2;
        if (!replayLayer_ || replayLayer_->width() != w || replayLayer_->height() != h)
            replayLayer_ = replaySurfaces_->createImage(w, h, kWhite);
        Brush white;
        white.color = kWhite;
        replayLayer_->setBrush(white);
        replayLayer_->fillRect(Rect{0, 0, w, h});
        const RelationCanvases onto{replayLayer_.get(), nullptr, false, false, false};
        if (plotter_->drawRelation(view_, onto, style, entry.parts) == ScanOutcome::Abandoned)
            continue;
        mergeLightened(*replaySurfaces_, *replayLayer_, Rect{0, 0, w, h}, canvas,
                       afterimageLayerGrey(level, blackAndWhite_));
    }
}

} // namespace tarlix
