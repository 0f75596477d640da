#include "document/PanelEdit.h"

#include "document/RowTexts.h"
#include "document/SegmentEdit.h"

namespace tarlix {

namespace {

bool isBlank(const std::string& s) {
    return s.find_first_not_of(' ') == std::string::npos;
}

bool figureIn(const Project& p, CategoryPanel panel, int n) {
    if (!p.figures.contains(n) || p.figures[n].kind == FigureKind::Empty) return false;
    return isCurveKind(p.figures[n].kind) == (panel == CategoryPanel::Curves);
}

// Whether row n of the category holds an object.
bool holdsObject(const Project& p, CategoryPanel panel, int n) {
    switch (panel) {
    case CategoryPanel::Explicit:
        return p.explicitFunctions.contains(n) && !isBlank(p.explicitFunctions[n].expr.source);
    case CategoryPanel::Relations:
        return p.relations.contains(n) && !isBlank(p.relations[n].expr.source);
    case CategoryPanel::Curves:
    case CategoryPanel::BasicFigures:
        return figureIn(p, panel, n);
    case CategoryPanel::UserFunctions:
        return p.userFunctions.contains(n) && !isBlank(p.userFunctions[n].source);
    case CategoryPanel::ConnectedFigures:
        return n >= 1 && n <= p.segments.count;
    case CategoryPanel::Parameters:
        return n >= 1 && n <= kParameterCount;
    case CategoryPanel::Memo:
        break;
    }
    return false;
}

// The row states of a category; the two figure categories share the figures' states.
RowState* rowState(Project& p, CategoryPanel panel, int n) {
    switch (panel) {
    case CategoryPanel::Explicit:
        return &p.explicitFunctionRows[n];
    case CategoryPanel::Relations:
        return &p.relationRows[n];
    case CategoryPanel::Curves:
    case CategoryPanel::BasicFigures:
        return &p.figureRows[n];
    case CategoryPanel::UserFunctions:
        return &p.userFunctionRows[n];
    case CategoryPanel::Parameters:
        return &p.parameterRows[n];
    default:
        return nullptr;
    }
}

int rowCount(CategoryPanel panel) {
    switch (panel) {
    case CategoryPanel::Explicit:
        return kExplicitFunctions;
    case CategoryPanel::Relations:
        return kRelations;
    case CategoryPanel::Curves:
    case CategoryPanel::BasicFigures:
        return kFigures;
    case CategoryPanel::UserFunctions:
        return kUserFunctions;
    case CategoryPanel::Parameters:
        return kParameterCount;
    default:
        return 0;
    }
}

// Moves one item of a packed order (1, 2, ...) to place to; the items between its place and
// to shift one place back towards where it was, so the order stays packed.
template <typename Items, typename Item>
void moveInPackedOrder(Items& items, int Item::*place, Item& moved, int to) {
    const int from = moved.*place;
    for (Item& item : items) {
        int& at = item.*place;
        if (from < to && at > from && at <= to) --at;
        if (from > to && at >= to && at < from) ++at;
    }
    moved.*place = to;
}

bool movePosition(Project& p, CategoryPanel panel, int dragged, int target) {
    RowState* a = rowState(p, panel, dragged);
    RowState* b = rowState(p, panel, target);
    if (a == nullptr || b == nullptr || a->position == 0 || b->position == 0 ||
        a->position == b->position)
        return false;
    const int to = b->position;
    switch (panel) {
    case CategoryPanel::Explicit:
        moveInPackedOrder(p.explicitFunctionRows, &RowState::position, *a, to);
        break;
    case CategoryPanel::Relations:
        moveInPackedOrder(p.relationRows, &RowState::position, *a, to);
        break;
    case CategoryPanel::UserFunctions:
        moveInPackedOrder(p.userFunctionRows, &RowState::position, *a, to);
        break;
    default: // both figure categories number their rows among all figures
        moveInPackedOrder(p.figureRows, &RowState::position, *a, to);
        break;
    }
    return true;
}

void changed(Document& ctx, CategoryPanel panel) {
    ctx.project.modified = true;
    ctx.hooks().categoryChanged(panel);
}

} // namespace

bool canDeleteEntry(const Project& project, CategoryPanel panel, int n) {
    if (panel == CategoryPanel::Parameters || panel == CategoryPanel::Memo) return false;
    if ((panel == CategoryPanel::Curves || panel == CategoryPanel::BasicFigures) && n == kFigures)
        return false;
    return holdsObject(project, panel, n);
}

bool deleteEntry(Document& ctx, CategoryPanel panel, int n) {
    if (!canDeleteEntry(ctx.project, panel, n)) return false;
    switch (panel) {
    case CategoryPanel::Explicit:
        storeExplicitFunction(ctx, n, blankEquation());
        break;
    case CategoryPanel::Relations:
        storeRelation(ctx, n, blankEquation());
        break;
    case CategoryPanel::Curves:
    case CategoryPanel::BasicFigures:
        storeFigure(ctx, n, blankFigure(n));
        break;
    case CategoryPanel::UserFunctions:
        storeUserFunction(ctx, n, CompiledExpression{});
        break;
    case CategoryPanel::ConnectedFigures:
        deleteSegment(ctx, n);
        break;
    default:
        return false;
    }
    return true;
}

bool setRowShown(Document& ctx, CategoryPanel panel, int n, bool shown) {
    if (n < 1 || n > rowCount(panel)) return false;
    RowState* row = rowState(ctx.project, panel, n);
    if (row == nullptr || row->shown == shown) return false;
    row->shown = shown;
    changed(ctx, panel);
    return true;
}

bool showAllRows(Document& ctx, CategoryPanel panel) {
    bool any = false;
    for (int n = 1; n <= rowCount(panel); ++n) {
        RowState* row = rowState(ctx.project, panel, n);
        // The figure categories share their states: each lists only its own figures.
        const bool ownRow = panel != CategoryPanel::Curves && panel != CategoryPanel::BasicFigures;
        if (row->shown || !(ownRow || figureIn(ctx.project, panel, n))) continue;
        row->shown = true;
        any = true;
    }
    if (any) changed(ctx, panel);
    return any;
}

bool moveRowOnto(Document& ctx, CategoryPanel panel, int dragged, int target) {
    if (panel == CategoryPanel::Parameters || panel == CategoryPanel::ConnectedFigures ||
        panel == CategoryPanel::Memo)
        return false;
    if (!holdsObject(ctx.project, panel, dragged) || !holdsObject(ctx.project, panel, target))
        return false;
    if (!movePosition(ctx.project, panel, dragged, target)) return false;
    changed(ctx, panel);
    return true;
}

bool moveCategoryPanel(Document& ctx, CategoryPanel dragged, std::optional<CategoryPanel> target) {
    auto& panels = ctx.project.categories;
    if (dragged == target) return false;
    const int from = panels[dragged].order;
    const int to = target ? panels[*target].order : kCategoryPanels;
    if (from == to) return false;
    moveInPackedOrder(panels, &CategoryPanelState::order, panels[dragged], to);
    ctx.project.modified = true;
    ctx.hooks().allCategoriesChanged();
    return true;
}

bool setCategoryVisible(Document& ctx, CategoryPanel panel, bool visible) {
    auto& panels = ctx.project.categories;
    if (panels[panel].visible == visible) return false;
    panels[panel].visible = visible;
    changed(ctx, panel);
    return true;
}

} // namespace tarlix
