#include "render/figures/FigurePositions.h"

#include "render/figures/CurveSampling.h"

#include <cctype>

namespace tarlix {

namespace {

bool isBlankText(const std::string& s) {
    for (const char c : s)
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

struct Component {
    Extended value = 0;
    bool defined = false;
};

Component componentOf(const Value& v) {
    if (v.isValid() && v.kind != ValueKind::Pair) return {v.x, true};
    return {};
}

// An empty radius or width is 0, as a project file reads it.
Component radiusOf(const FigureEntry& figure, int n, Evaluator& evaluator) {
    if (isBlankText(figure.radius.source)) return {0, true};
    const Component r = componentOf(evaluator.figureValue(n, FigurePart::Radius));
    const bool negativeAllowed =
        evaluator.env().settings.circleMode != CircleMode::NegativeRadiusUndefined;
    if (r.defined && !negativeAllowed && r.value < 0) return {};
    return r;
}

void copyAttributes(const FigureEntry& f, FigurePosition& p, bool traceRedraw) {
    p.pointColor = static_cast<std::int32_t>(f.pointColor);
    p.lineColor = static_cast<std::int32_t>(f.lineColor);
    p.fillColor = static_cast<std::int32_t>(f.fillColor);
    p.pointAfterimage = f.pointAfterimage;
    p.lineAfterimage = f.lineAfterimage;
    p.pointSize = f.pointSize;
    p.lineWidth = f.lineWidth;
    p.hollow = f.hollow;
    if (isCurveKind(f.kind))
        p.locusWidth = 0;
    else
        p.locusWidth = traceRedraw || f.locusWidth == 0 ? f.locusWidth : noTraceThisRedraw;
}

} // namespace

FigurePosition evaluatePosition(const FigureEntry& f, int n, Evaluator& evaluator,
                                bool traceRedraw) {
    FigurePosition p;
    copyAttributes(f, p, traceRedraw);
    if (f.kind == FigureKind::Empty) return p;
    Component x, y, r;
    if (isPointKind(f.kind) || isCurveKind(f.kind)) {
        const WholePoint whole = wholePointOf(evaluator.figureValue(n, FigurePart::Whole));
        x = {whole.x, whole.defined};
        y = {whole.y, whole.defined};
    } else if (f.kind == FigureKind::VerticalLine) {
        x = componentOf(evaluator.figureValue(n, FigurePart::X));
    } else {
        y = componentOf(evaluator.figureValue(n, FigurePart::Y));
    }
    if (hasRadius(f.kind) || f.kind == FigureKind::Polar) r = radiusOf(f, n, evaluator);
    // A polar curve whose radius may not be negative has no point where it is.
    if (f.kind == FigureKind::Polar && !r.defined &&
        evaluator.env().settings.circleMode == CircleMode::NegativeRadiusUndefined)
        y.defined = false;
    p.x = x.defined ? x.value : 0;
    p.y = y.defined ? y.value : 0;
    p.r = r.defined ? r.value : 0;
    bool valid = false;
    switch (f.kind) {
    case FigureKind::Circle:
        valid = x.defined && y.defined && r.defined;
        break;
    case FigureKind::HorizontalLine:
        valid = y.defined && r.defined;
        break;
    case FigureKind::VerticalLine:
        valid = x.defined && r.defined;
        break;
    default:
        valid = x.defined && y.defined;
        break;
    }
    p.kind = valid ? (isCurveKind(f.kind) ? FigureKind::Point : f.kind) : FigureKind::Empty;
    return p;
}

void updatePositions(View& view, const FigureStore& figures, Evaluator& evaluator,
                     bool traceRedraw) {
    for (int n = 1; n <= figureCount; ++n)
        view.positions[n] = evaluatePosition(figures[n], n, evaluator, traceRedraw);
}

} // namespace tarlix
