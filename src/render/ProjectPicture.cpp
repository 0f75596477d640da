#include "render/ProjectPicture.h"

#include "document/ObjectTokens.h"
#include "expression/eval/Evaluator.h"
#include "render/PlainAxes.h"
#include "render/ViewAreaSource.h"
#include "render/explicit/EvaluatorSampler.h"
#include "render/explicit/FunctionSamples.h"

namespace tarlix {

ProjectPicture::ProjectPicture(Project& project, ScaleT& view, RedrawState& redraw)
    : project_(project), view_(view), redraw_(redraw), random_(RandomState::seededOnce()),
      buffer_(std::make_unique<TVPolyLine>()) {
    markEverythingDirty();
}

void ProjectPicture::markEverythingDirty() {
    for (int i = 1; i <= kExplicitFunctions; ++i)
        redraw_.markDirty(static_cast<std::uint8_t>(explicitFunctionToken(i)));
}

void ProjectPicture::recompute() {
    if (redraw_.mappingChanged || redraw_.viewChanged) {
        view_.FillXSamples();
        markEverythingDirty();
    }
    copyToEvaluator(project_.Parameters, parameters_);
    const ViewAreaSource area(view_);
    const EvalEnv env{project_.Engine, project_, parameters_, &random_, &area};
    Evaluator evaluator(env);
    EvaluatorSampler sampler(evaluator, view_);
    UpdateFunctionSamples(view_, project_.YFunctions, sampler);
    redraw_.clear();
}

void ProjectPicture::draw(Canvas& canvas) {
    drawPlainAxes(canvas, view_);
    drawSettings_.DrawMode = project_.Settings.DrawMode;
    drawSettings_.lineOptions.capStyle = project_.Settings.CapStyle != 0;
    drawSettings_.lineOptions.aimgOfArea = project_.Settings.AimgOfArea;
    DrawFunctions(FunctionDrawing{view_, *buffer_, drawSettings_, &canvas}, project_.YFunctions);
}

} // namespace tarlix
