#include "render/relation/RelationPlotter.h"

#include "render/LineStyle.h"
#include "render/relation/Hatching.h"
#include "render/relation/RelationColours.h"
#include "view/View.h"

#include <cmath>

namespace tarlix {

namespace {

// The check pixels of the interpolation tables are drawn from a fixed seed, so that a drawing
// does not change from one redraw to the next.
constexpr std::uint32_t kCheckSeed = 20071;

void setLinePen(Canvas* canvas, Color color, int width, PenStyle style) {
    if (!canvas) return;
    Pen pen;
    pen.color = color;
    pen.width = width;
    pen.style = style;
    pen.mode = PenMode::Mask;
    canvas->setPen(pen);
}

// Strict inequalities show their boundary lightened, or not at all with Border set.
Color boundaryColour(const RelationStyle& style, RelationOp op) {
    if (!isStrict(op)) return style.color;
    return style.border != 0 ? kWhite : fadeColour(style.color, 0.75L);
}

} // namespace

RelationPlotter::RelationPlotter(const RelationSettings& settings, RelationScanHooks& hooks,
                                 ExplicitRelationPlotter* explicitPlotter)
    : settings_(settings), hooks_(hooks), explicit_(explicitPlotter),
      buffer_(std::make_unique<PolylineBuffer>()) {}

RelationPlotter::Pens RelationPlotter::setBoundaryPens(const RelationCanvases& canvases,
                                                       const RelationStyle& style, RelationOp op,
                                                       int outputScale) const {
    Pens pens;
    pens.drawSecond = (canvases.forceAfterimage || style.afterimage) && canvases.afterimage;
    pens.options.capStyle = settings_.capStyle;
    pens.options.afterimageFills = settings_.afterimageFills;
    const Color boundary = boundaryColour(style, op);
    const int width = static_cast<int>(std::lround(style.width * outputScale));
    const PenStyle penStyle = penStyleOfLineStyle(style.lineStyle);
    const Color mainColour = blackAndWhiteColour(boundary, settings_.blackAndWhite);
    const Color secondColour = blackAndWhiteColour(
        afterimageColourOf(boundary, settings_.afterimageColorIndex), settings_.blackAndWhite);
    if (!canvases.skipMain) setLinePen(canvases.main, mainColour, width, penStyle);
    if (pens.drawSecond) setLinePen(canvases.afterimage, secondColour, width, penStyle);
    // A white pen in mask mode leaves nothing: such boundaries are not traced at all.
    const bool mainShows = !canvases.skipMain && canvases.main && mainColour != kWhite;
    const bool secondShows = pens.drawSecond && secondColour != kWhite;
    pens.drawsLines = penStyle != PenStyle::Clear && (mainShows || secondShows);
    return pens;
}

bool RelationPlotter::drawExplicit(View& view, const RelationCanvases& canvases,
                                   const RelationStyle& style, const RelationPart& part,
                                   std::uint8_t bit, const Pens& pens) {
    ExplicitPartDrawing d{view, grid_, *buffer_, region_, bit};
    d.main = canvases.skipMain ? nullptr : canvases.main;
    d.second = pens.drawSecond ? canvases.afterimage : nullptr;
    const Color boundary = boundaryColour(style, part.op);
    d.mainColour = blackAndWhiteColour(boundary, settings_.blackAndWhite);
    d.secondColour = blackAndWhiteColour(
        afterimageColourOf(boundary, settings_.afterimageColorIndex), settings_.blackAndWhite);
    d.width = style.width;
    d.lineStyle = style.lineStyle;
    d.drawsLines = pens.drawsLines;
    d.options = pens.options;
    return explicit_->drawExplicitPart(part, d);
}

RelationMode RelationPlotter::chooseMode(const RelationPart& part, const RelationStyle& style,
                                         const View& view) {
    if (!style.fastPoly) return RelationMode::Generic;
    if (!tables_.build(*part.f, view, grid_) || !tables_.matches(*part.f, kCheckSeed))
        return RelationMode::Generic;
    return tables_.isConic() ? RelationMode::Quadratic : RelationMode::Polynomial;
}

ScanOutcome RelationPlotter::drawRelationPart(View& view, const RelationCanvases& canvases,
                                              const RelationStyle& style, const RelationPart& part,
                                              std::uint8_t bit) {
    CaptionGuard caption(hooks_);
    if (!part.f) return ScanOutcome::Completed;
    const int outputScale = view.xAxis.outputScale;
    const Pens pens = setBoundaryPens(canvases, style, part.op, outputScale);
    Canvas* main = canvases.skipMain ? nullptr : canvases.main;
    Canvas* second = pens.drawSecond ? canvases.afterimage : nullptr;
    buffer_->reset(main, second, 0, 0, CurveFill::None, PolylineBuffer::kStroke, canvases.skipMain,
                   pens.drawSecond, pens.options);

    if (part.explicitForm && explicit_ && drawExplicit(view, canvases, style, part, bit, pens)) {
        lastMode_ = RelationMode::Explicit;
        return ScanOutcome::Completed;
    }
    const RelationMode mode = chooseMode(part, style, view);
    lastMode_ = mode;
    if (mode == RelationMode::Quadratic) {
        conic_.sample(*part.f, grid_);
        if (pens.drawsLines) drawConic(conic_, view, grid_, *buffer_);
        if (!isInequality(part.op)) return ScanOutcome::Completed;
    }
    return scan(view, canvases, part, bit, pens, mode, caption.saved());
}

ScanOutcome RelationPlotter::scan(View& view, const RelationCanvases& canvases,
                                  const RelationPart& part, std::uint8_t bit, const Pens& pens,
                                  RelationMode mode, const std::string& caption) {
    SampledRows sampled(*part.f, grid_, settings_.scanWidth);
    PolynomialRows polynomial(tables_);
    ConicRows conic(conic_.A, conic_.H, conic_.K, conic_.defined, grid_);
    ScanJob job;
    job.source = mode == RelationMode::Polynomial  ? static_cast<ScanRowSource*>(&polynomial)
                 : mode == RelationMode::Quadratic ? static_cast<ScanRowSource*>(&conic)
                                                   : static_cast<ScanRowSource*>(&sampled);
    job.op = part.op;
    job.bit = bit;
    job.region = &region_;
    // The conic's boundary is already drawn in closed form.
    const bool traces = pens.drawsLines && mode != RelationMode::Quadratic;
    job.lines = traces ? &lines_ : nullptr;
    const bool showsProgress = settings_.drawWhileComputing || settings_.fullRefresh;
    if (!canvases.vector && !canvases.skipMain && showsProgress) job.progressCanvas = canvases.main;
    lines_.reset(canvases.main, canvases.afterimage, false, canvases.skipMain, pens.drawSecond,
                 pens.options);

    ScanContext context{grid_, view.interrupted, hooks_, caption};
    const ScanOutcome outcome = runRelationScan(job, context, rows_);
    if (outcome == ScanOutcome::Abandoned)
        lines_.reset(nullptr, nullptr, false, true, false, pens.options);
    else
        lines_.finish();
    return outcome;
}

void RelationPlotter::fill(const RelationCanvases& canvases, const RelationStyle& style,
                           const RelationParts& relation, int outputScale) {
    const bool drawSecond = (canvases.forceAfterimage || style.afterimage) && canvases.afterimage;
    HatchTarget target;
    target.main = canvases.main;
    target.second = canvases.afterimage;
    target.skipMain = canvases.skipMain;
    target.drawSecond = drawSecond && settings_.afterimageFills;
    target.mainColor = blackAndWhiteColour(style.color, settings_.blackAndWhite);
    target.secondColor = blackAndWhiteColour(
        afterimageColourOf(style.color, settings_.afterimageColorIndex), settings_.blackAndWhite);
    target.vector = canvases.vector;
    target.scale = outputScale;
    target.options.capStyle = settings_.capStyle;
    target.options.afterimageFills = settings_.afterimageFills;
    fillRegion(target, style.pattern, relation.groups, region_, lines_);
}

ScanOutcome RelationPlotter::drawRelation(View& view, const RelationCanvases& canvases,
                                          const RelationStyle& style,
                                          const RelationParts& relation) {
    grid_.assign(view);
    region_.reset(grid_.columns(), grid_.rows());
    ScanOutcome outcome = ScanOutcome::Completed;
    const int count = std::min<int>(static_cast<int>(relation.parts.size()), maxRelationParts);
    for (int k = 1; k <= count && outcome == ScanOutcome::Completed; ++k)
        outcome = drawRelationPart(view, canvases, style,
                                   relation.parts[static_cast<std::size_t>(k - 1)], partBit(k));
    if (outcome == ScanOutcome::Abandoned) return outcome;
    if (!canvases.skipMain && !relation.groups.empty())
        fill(canvases, style, relation, view.xAxis.outputScale);
    return outcome;
}

} // namespace tarlix
