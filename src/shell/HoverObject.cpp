#include "shell/HoverObject.h"

#include "document/RowTexts.h"
#include "render/GraphHits.h"
#include "render/ProjectPicture.h"
#include "render/figures/FigureHits.h"
#include "render/segments/SegmentHits.h"
#include "view/CoordinateText.h"

namespace tarlix {

namespace {

constexpr std::size_t kPositionTextLength = 26;

HoverObject figureObject(const Project& project, int n, Extended x, Extended y) {
    return {true, x, y, std::string(1, kFigureLetters[n - 1]) + ":",
            figureRowText(project.figures[n])};
}

HoverObject afterimageObject(const Document& c, ProjectPicture& picture, int px, int py) {
    std::bitset<kFigures + 1> visible;
    std::array<FigureKind, kFigures> kinds{};
    for (int n = 1; n <= kFigures; ++n) {
        const FigureEntry& f = c.project.figures[n];
        visible.set(static_cast<std::size_t>(n), f.kind != FigureKind::Empty && f.visible);
        kinds[static_cast<std::size_t>(n - 1)] = f.kind;
    }
    const AfterimageHit hit = picture.afterimageStore().pointAt(c.view, px, py, visible, kinds);
    return hit.figure != 0 ? figureObject(c.project, hit.figure, hit.x, hit.y) : HoverObject{};
}

} // namespace

HoverObject hoverObjectAt(const Document& c, ProjectPicture& picture, int px, int py) {
    const Project& project = c.project;
    const FigureHit figure = figureAt(c.view, project.figures, px, py, true);
    if (figure.figure >= 1 && figure.figure <= kFigures)
        return figureObject(project, figure.figure, figure.x, figure.y);
    if (HoverObject o = afterimageObject(c, picture, px, py); o.found) return o;
    const FigureHit curve = curveSampleAt(c.view, project.figures, px, py);
    if (curve.figure != 0) return figureObject(project, curve.figure, curve.x, curve.y);
    if (const CurveUnderPointer f =
            functionAt(c.view, project.explicitFunctions, picture.evaluator(), px, py);
        f.number != 0)
        return {true, f.x, f.y, "y" + std::to_string(f.number) + "=",
                project.explicitFunctions[f.number].expr.source};
    if (const CurveUnderPointer r = relationAt(c.view, picture.relationEntries(), px, py);
        r.number != 0)
        return {true, r.x, r.y, "C" + std::to_string(r.number) + ":",
                project.relations[r.number].expr.source};
    return {};
}

ObjectsUnderPointer objectsAt(const Document& c, ProjectPicture& picture, int px, int py) {
    const Project& project = c.project;
    ObjectsUnderPointer o;
    const int figure = figureAt(c.view, project.figures, px, py, true).figure;
    o.figure = figure <= kFigures ? figure : 0;
    o.segment = segmentAt(SegmentScene{c.view, c.view.positions, project}, px, py);
    o.function = functionAt(c.view, project.explicitFunctions, picture.evaluator(), px, py).number;
    o.relation = relationAt(c.view, picture.relationEntries(), px, py).number;
    o.curve = curveSampleAt(c.view, project.figures, px, py).figure;
    return o;
}

std::string hoverPositionText(const Document& c, const HoverObject& object) {
    const char decimal = c.project.engine.decimalChar;
    const std::string text = "(" + formatAxisValue(c.view.xAxis, object.x, 0, decimal) +
                             c.project.engine.listSeparatorChar +
                             formatAxisValue(c.view.yAxis, object.y, 0, decimal) + ")";
    return text.substr(0, kPositionTextLength);
}

} // namespace tarlix
