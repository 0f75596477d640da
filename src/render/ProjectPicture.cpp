#include "render/ProjectPicture.h"

#include "document/ObjectTokens.h"
#include "render/axes/Axes.h"
#include "render/explicit/EvaluatorSampler.h"
#include "render/explicit/FunctionSamples.h"

namespace tarlix {

ProjectPicture::ProjectPicture(Project& project, View& view, RedrawState& redraw,
                               RelationScanHooks* hooks)
    : project_(project), view_(view), redraw_(redraw), random_(RandomState::seededOnce()),
      area_(view), env_{project.engine, project, parameters_, &random_, &area_}, evaluator_(env_),
      buffer_(std::make_unique<PolylineBuffer>()), hooks_(hooks ? *hooks : noHooks_),
      relations_(evaluator_) {
    plotter_ = std::make_unique<RelationPlotter>(relationSettingsOf(project.settings), hooks_,
                                                 &relations_.explicitPlotter());
    markEverythingDirty();
}

void ProjectPicture::markEverythingDirty() {
    for (int i = 1; i <= kExplicitFunctions; ++i)
        redraw_.markDirty(static_cast<std::uint8_t>(explicitFunctionToken(i)));
    for (int i = 1; i <= kRelations; ++i)
        redraw_.markDirty(static_cast<std::uint8_t>(relationToken(i)));
}

void ProjectPicture::recompute() {
    const bool viewMoved = redraw_.mappingChanged || redraw_.viewChanged;
    if (viewMoved) {
        view_.fillXSamples();
        markEverythingDirty();
    }
    copyToEvaluator(project_.parameters, parameters_);
    for (int i = 1; i <= kExplicitFunctions; ++i)
        if (redraw_.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(i))))
            changed_.set(static_cast<std::size_t>(i));
    EvaluatorSampler sampler(evaluator_, view_);
    updateFunctionSamples(view_, project_.explicitFunctions, sampler);
    if (recomputeRelations(viewMoved) || viewMoved) baseValid_ = false;
    redraw_.clear();
}

// Returns whether any relation changed.
bool ProjectPicture::recomputeRelations(bool all) {
    bool any = false;
    RecordingMessageBox quiet; // messages were shown when the relation was stored
    const CompileEnv env{project_.engine, quiet, view_.xAxis.letter == '@'};
    for (int i = 1; i <= kRelations; ++i) {
        if (!all && !redraw_.isDirty(static_cast<std::uint8_t>(relationToken(i)))) continue;
        relations_.rebuild(i, project_, env);
        layers_.redraw[static_cast<std::size_t>(i - 1)] = true;
        any = true;
    }
    return any;
}

void ProjectPicture::updateDrawSettings() {
    drawSettings_.drawMode = project_.settings.drawMode;
    drawSettings_.lineOptions.capStyle = project_.settings.capStyle != 0;
    drawSettings_.lineOptions.aimgOfArea = project_.settings.afterimageFills;
}

bool ProjectPicture::baseFits(const Canvas& canvas) const {
    return baseValid_ && base_ && base_->width() == canvas.width() &&
           base_->height() == canvas.height() && baseDrawMode_ == drawSettings_.drawMode &&
           baseLineOptions_.capStyle == drawSettings_.lineOptions.capStyle &&
           baseLineOptions_.aimgOfArea == drawSettings_.lineOptions.aimgOfArea;
}

AxesStyle ProjectPicture::axesStyle() const {
    return AxesStyle{kScreenGridColor, project_.engine.angleMode == 2, project_.settings.degreeFont,
                     false};
}

ProjectPicture::Strips ProjectPicture::drawRulerStrips(Canvas& measure, Surfaces& surfaces) const {
    const AxesStyle style = axesStyle();
    Strips strips;
    strips.layout = rulerStripLayout(AxesTarget{view_, measure, style});
    const RulerStripPictures pictures = recordRulerStrips(view_, style, surfaces, strips.layout);
    if (pictures.x)
        strips.x = rulerStripImage(surfaces, *pictures.x, view_.xAxis.pixelLength,
                                   strips.layout.xStripHeight);
    if (pictures.y)
        strips.y = rulerStripImage(surfaces, *pictures.y, strips.layout.yStripWidth,
                                   view_.yAxis.pixelLength);
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
    const AxesStyle style = axesStyle();
    drawAxes(AxesTarget{view_, *base_, style});
    const FunctionSet others = ~drawnOver_;
    drawFunctions(FunctionDrawing{view_, *buffer_, drawSettings_, base_.get()},
                  project_.explicitFunctions, others);
    drawRelations(*base_, surfaces);
    baseValid_ = true;
    baseDrawMode_ = drawSettings_.drawMode;
    baseLineOptions_ = drawSettings_.lineOptions;
}

void ProjectPicture::draw(Canvas& canvas, Surfaces& surfaces) {
    updateDrawSettings();
    // The base keeps every function that did not change since it was drawn; when the changed
    // ones differ from those drawn over it, it is drawn again without them.
    if (changed_.any() && changed_ != drawnOver_) {
        drawnOver_ = changed_;
        baseValid_ = false;
    }
    changed_.reset();
    if (!baseFits(canvas)) drawBase(surfaces, canvas.width(), canvas.height());
    const Rect rect{0, 0, canvas.width(), canvas.height()};
    canvas.copyFrom(*base_, rect, rect, RasterOp::Copy);
    drawFunctions(FunctionDrawing{view_, *buffer_, drawSettings_, &canvas},
                  project_.explicitFunctions, drawnOver_);
}

// The relations image is combined with the picture by AND, so white stays transparent and
// overlapping regions darken.
void ProjectPicture::drawRelations(Canvas& canvas, Surfaces& surfaces) {
    bool any = false;
    for (const RelationEntry& e : relations_.entries()) any = any || e.shown();
    if (!any) return;
    plotter_->settings() = relationSettingsOf(project_.settings);
    layers_.fitTo(surfaces, view_);
    std::unique_ptr<Canvas> image = surfaces.createImage(layers_.width(), layers_.height(), kWhite);
    ProjectRelationTarget target{view_, surfaces, layers_, RelationImages{*image}, hooks_};
    drawProjectRelations(*plotter_, relations_, target);
    const Rect rect{0, 0, layers_.width(), layers_.height()};
    canvas.copyFrom(*image, rect, rect, RasterOp::And);
}

} // namespace tarlix
