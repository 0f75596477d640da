#include "document/PanelRows.h"

#include "document/Project.h"
#include "document/RowTexts.h"

#include <algorithm>

namespace tarlix {

namespace {

PanelRowText equationRow(const EquationEntry& e, const RowState& state, std::string caption) {
    PanelRowText r;
    r.used = !e.expr.source.empty();
    r.shown = state.shown;
    r.position = state.position;
    r.visible = e.visible;
    r.caption = std::move(caption);
    r.text = e.expr.source;
    r.color = e.penColor;
    r.bold = e.penWidth > 1;
    return r;
}

PanelRowText figureRow(const Project& p, int i, bool curves) {
    const FigureEntry& f = p.figures[i];
    PanelRowText r;
    r.used = f.kind != FigureKind::Empty && isCurveKind(f.kind) == curves;
    r.shown = p.figureRows[i].shown;
    r.position = p.figureRows[i].position;
    r.visible = f.visible;
    r.caption = std::string(1, figureLetter(i));
    r.text = figureRowText(f);
    r.color = f.pointColor;
    return r;
}

PanelRowText userFunctionRow(const Project& p, int i) {
    PanelRowText r;
    r.used = !p.userFunctions[i].source.empty();
    r.shown = p.userFunctionRows[i].shown;
    r.position = p.userFunctionRows[i].position;
    r.caption = userFunctionRowCaption(p, i);
    r.arguments = userFunctionArgumentCount(p, i);
    r.text = p.userFunctions[i].source;
    return r;
}

// Connected figures are packed: slot i holds one while i is within the count.
PanelRowText segmentRow(const Project& p, int i) {
    PanelRowText r;
    r.used = i <= p.segments.count;
    r.position = i;
    if (!r.used) return r;
    const SegmentRecord& s = p.segments[i];
    r.visible = s.visible;
    r.caption = segmentRowCaption(i);
    r.text = segmentRowText(s);
    r.color = s.penColor;
    return r;
}

} // namespace

CategoryPanels initialCategoryPanels() {
    CategoryPanels panels;
    for (CategoryPanel panel : kAllCategoryPanels)
        panels[panel] = {panel != CategoryPanel::ConnectedFigures, panelNumber(panel), 0};
    return panels;
}

std::vector<PanelRowText> panelRows(const Project& p, CategoryPanel panel) {
    std::vector<PanelRowText> rows;
    switch (panel) {
    case CategoryPanel::Explicit:
        for (int i = 1; i <= kExplicitFunctions; ++i)
            rows.push_back(equationRow(p.explicitFunctions[i], p.explicitFunctionRows[i],
                                       explicitRowCaption(i)));
        break;
    case CategoryPanel::Relations:
        for (int i = 1; i <= kRelations; ++i)
            rows.push_back(equationRow(p.relations[i], p.relationRows[i], relationRowCaption(i)));
        break;
    case CategoryPanel::Curves:
    case CategoryPanel::BasicFigures:
        for (int i = 1; i <= kFigures; ++i)
            rows.push_back(figureRow(p, i, panel == CategoryPanel::Curves));
        break;
    case CategoryPanel::UserFunctions:
        for (int i = 1; i <= kUserFunctions; ++i) rows.push_back(userFunctionRow(p, i));
        break;
    case CategoryPanel::ConnectedFigures:
        for (int i = 1; i <= kSegments; ++i) rows.push_back(segmentRow(p, i));
        break;
    case CategoryPanel::Parameters:
    case CategoryPanel::Memo:
        break;
    }
    return rows;
}

std::array<CategoryPanel, kCategoryPanels> panelsInOrder(const Project& p) {
    std::array<CategoryPanel, kCategoryPanels> order = kAllCategoryPanels;
    std::stable_sort(order.begin(), order.end(), [&](CategoryPanel a, CategoryPanel b) {
        return p.categories[a].order < p.categories[b].order;
    });
    return order;
}

void notePanelTop(Project& p, CategoryPanel panel, int top) {
    p.categories[panel].top = top;
}

} // namespace tarlix
