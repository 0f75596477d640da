// Showing and hiding an object from the show/hide button of its data-panel row.

#include "document/ObjectTokens.h"
#include "document/ProjectEdit.h"
#include "document/RowTexts.h"

namespace tarlix {

namespace {

// The flag a row's button switches, the token the redraw knows the object by (0: none) and
// the category that lists it; no flag for an empty slot.
struct VisibilityTarget {
    bool* visible = nullptr;
    int token = 0;
    CategoryPanel panel = CategoryPanel::Explicit;
};

VisibilityTarget targetOf(Project& p, CategoryPanel panel, int row) {
    switch (panel) {
    case CategoryPanel::Explicit:
        if (!p.explicitFunctions.contains(row) || p.explicitFunctions[row].expr.source.empty())
            break;
        return {&p.explicitFunctions[row].visible, explicitFunctionToken(row), panel};
    case CategoryPanel::Relations:
        if (!p.relations.contains(row) || p.relations[row].expr.source.empty()) break;
        return {&p.relations[row].visible, relationToken(row), panel};
    case CategoryPanel::Curves:
    case CategoryPanel::BasicFigures:
        if (!p.figures.contains(row) || p.figures[row].kind == FigureKind::Empty) break;
        return {&p.figures[row].visible, figureToken(row),
                isCurveKind(p.figures[row].kind) ? CategoryPanel::Curves
                                                 : CategoryPanel::BasicFigures};
    case CategoryPanel::ConnectedFigures:
        if (row < 1 || row > p.segments.count) break;
        return {&p.segments[row].visible, 0, panel};
    default:
        break;
    }
    return {};
}

} // namespace

bool setEntryVisible(Document& ctx, CategoryPanel panel, int row, bool visible) {
    const VisibilityTarget target = targetOf(ctx.project, panel, row);
    if (target.visible == nullptr || *target.visible == visible) return false;
    ctx.recordUndo();
    *target.visible = visible;
    if (target.token != 0) markChanged(ctx.project, ctx.view.redrawState(), target.token);
    ctx.project.modified = true;
    ctx.hooks().categoryChanged(target.panel);
    ctx.hooks().redraw();
    return true;
}

bool toggleEntryVisible(Document& ctx, CategoryPanel panel, int row) {
    const VisibilityTarget target = targetOf(ctx.project, panel, row);
    return target.visible != nullptr && setEntryVisible(ctx, panel, row, !*target.visible);
}

} // namespace tarlix
