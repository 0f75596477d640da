#include "render/ProjectPicture.h"

#include "document/ObjectTokens.h"
#include "render/PlainAxes.h"
#include "render/explicit/EvaluatorSampler.h"
#include "render/explicit/FunctionSamples.h"

namespace tarlix {

ProjectPicture::ProjectPicture(Project& project, ScaleT& view, RedrawState& redraw,
                               RelationScanHooks* hooks)
    : project_(project), view_(view), redraw_(redraw), random_(RandomState::seededOnce()),
      area_(view), env_{project.Engine, project, parameters_, &random_, &area_}, evaluator_(env_),
      buffer_(std::make_unique<TVPolyLine>()), hooks_(hooks ? *hooks : noHooks_),
      relations_(evaluator_) {
    plotter_ = std::make_unique<RelationPlotter>(relationSettingsOf(project.Settings), hooks_,
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
        view_.FillXSamples();
        markEverythingDirty();
    }
    copyToEvaluator(project_.Parameters, parameters_);
    EvaluatorSampler sampler(evaluator_, view_);
    UpdateFunctionSamples(view_, project_.YFunctions, sampler);
    recomputeRelations(viewMoved);
    redraw_.clear();
}

void ProjectPicture::recomputeRelations(bool all) {
    RecordingMessageBox quiet; // messages were shown when the relation was stored
    const CompileEnv env{project_.Engine, quiet, view_.XAxis.Letter == '@'};
    for (int i = 1; i <= kRelations; ++i) {
        if (!all && !redraw_.isDirty(static_cast<std::uint8_t>(relationToken(i)))) continue;
        relations_.rebuild(i, project_, env);
        layers_.redraw[static_cast<std::size_t>(i - 1)] = true;
    }
}

void ProjectPicture::draw(Canvas& canvas, Surfaces& surfaces) {
    drawPlainAxes(canvas, view_);
    drawSettings_.DrawMode = project_.Settings.DrawMode;
    drawSettings_.lineOptions.capStyle = project_.Settings.CapStyle != 0;
    drawSettings_.lineOptions.aimgOfArea = project_.Settings.AimgOfArea;
    DrawFunctions(FunctionDrawing{view_, *buffer_, drawSettings_, &canvas}, project_.YFunctions);
    drawRelations(canvas, surfaces);
}

// The relations image is combined with the picture by AND, so white stays transparent and
// overlapping regions darken.
void ProjectPicture::drawRelations(Canvas& canvas, Surfaces& surfaces) {
    bool any = false;
    for (const RelationEntry& e : relations_.entries()) any = any || e.shown();
    if (!any) return;
    plotter_->settings() = relationSettingsOf(project_.Settings);
    layers_.fitTo(surfaces, view_);
    std::unique_ptr<Canvas> image = surfaces.createImage(layers_.width(), layers_.height(), kWhite);
    ProjectRelationTarget target{view_, surfaces, layers_, RelationImages{*image}, hooks_};
    DrawProjectRelations(*plotter_, relations_, target);
    const Rect rect{0, 0, layers_.width(), layers_.height()};
    canvas.copyFrom(*image, rect, rect, RasterOp::And);
}

} // namespace tarlix
