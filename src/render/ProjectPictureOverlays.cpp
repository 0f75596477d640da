// The marks the function-value and integral windows leave on the picture, drawn over
// everything else.

#include "render/ProjectPicture.h"

namespace tarlix {

namespace {

std::optional<Extended> realAtZero(Evaluator& evaluator, const CompiledExpression& e) {
    if (e.code.empty()) return std::nullopt;
    const Value v = evaluator.evaluate(e, makeReal(0));
    if (!isDefinedReal(v)) return std::nullopt;
    return v.x;
}

MarkerLine markerLine(const CompiledExpression& e, std::optional<Extended> x) {
    return {e.marked != 0 && x.has_value(), x.value_or(0)};
}

} // namespace

void ProjectPicture::evaluateOverlays() {
    valueX_ = lowerLimit_ = upperLimit_ = std::nullopt;
    if (overlays_.valueWindow) valueX_ = realAtZero(evaluator_, project_.valueWindow.x);
    if (!overlays_.integralWindow) return;
    lowerLimit_ = realAtZero(evaluator_, project_.integralWindow.bounds.low);
    upperLimit_ = realAtZero(evaluator_, project_.integralWindow.bounds.high);
}

void ProjectPicture::drawOverlays(Canvas& canvas, OverlayInk ink) {
    drawIntegralShading(canvas, ink);
    drawOverlayMarkers(canvas, ink);
}

void ProjectPicture::drawIntegralShading(Canvas& canvas, OverlayInk ink) {
    const IntegralWindowState& w = project_.integralWindow;
    if (!overlays_.integralWindow || !lowerLimit_ || !upperLimit_) return;
    const IntegralShading shading{true,           *lowerLimit_,     *upperLimit_,
                                  w.integratedFunction, w.secondFunction, w.areaMode};
    drawIntegralArea(view_, canvas, shading, ink);
}

void ProjectPicture::drawOverlayMarkers(Canvas& canvas, OverlayInk ink) {
    if (overlays_.integralWindow) {
        const IntegralBounds& b = project_.integralWindow.bounds;
        drawIntegralLimits(view_, canvas, markerLine(b.low, lowerLimit_), ink);
        drawIntegralLimits(view_, canvas, markerLine(b.high, upperLimit_), ink);
    }
    if (overlays_.valueWindow)
        drawValueMarker(view_, canvas, markerLine(project_.valueWindow.x, valueX_), ink);
}

} // namespace tarlix
