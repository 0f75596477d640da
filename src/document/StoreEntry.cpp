// Storing an edited entry: what every editor calls with its copy of an explicit function,
// relation, user function or figure (deleting stores the blank entry).

#include "document/EntryCompile.h"
#include "document/ObjectTokens.h"
#include "document/ProjectEdit.h"

namespace tarlix {

namespace {

bool isEmpty(const CompiledExpression& r) {
    return r.source.find_first_not_of(' ') == std::string::npos;
}

// The text differs from the stored one, or arrives without its tokens (a record built afresh).
bool needsCompile(const CompiledExpression& entry, const CompiledExpression& stored) {
    return entry.source != stored.source || (entry.tokens.empty() && !isEmpty(entry));
}

CategoryPanel figurePanel(const FigureEntry& f) {
    return isCurveKind(f.kind) ? CategoryPanel::Curves : CategoryPanel::BasicFigures;
}

// An entry leaving its category gives up its row position; one arriving takes the next.
template <int N> void moveRow(Store<RowState, N>& rows, int n, bool wasUsed, bool nowUsed) {
    if (wasUsed && !nowUsed) releaseRow(rows, n);
    if (!wasUsed && nowUsed) placeRow(rows, n);
}

void finish(Document& ctx, CategoryPanel panel, std::initializer_list<int> tokens) {
    ctx.hooks().categoryChanged(panel);
    ctx.hooks().categoryChanged(
        CategoryPanel::Parameters); // which parameters are in use may have changed
    for (int token : tokens) markChanged(ctx.project, ctx.view.redrawState(), token);
    ctx.project.modified = true;
    ctx.hooks().redraw();
}

bool sameText(const CompiledExpression& a, const CompiledExpression& b) {
    return a.source == b.source && a.code == b.code;
}

// The figure no longer leaves the traces it left: its kind or draggability changed, or, for a
// figure that only parameters move, anything that decides where it is.
bool shapeChanged(const FigureEntry& before, const FigureEntry& after) {
    if (before.kind != after.kind || before.drag != after.drag) return true;
    if (after.drag) return false;
    return !sameText(before.x, after.x) || !sameText(before.y, after.y) ||
           !sameText(before.radius, after.radius) || !sameText(before.paramLow, after.paramLow) ||
           !sameText(before.paramHigh, after.paramHigh) || before.paramStep != after.paramStep ||
           before.paramLetter != after.paramLetter;
}

// An emptied figure takes every connected figure through it along.
void removeSegmentsThrough(Document& ctx, int figure) {
    SegmentStore& segments = ctx.project.segments;
    bool removed = false;
    for (int i = segments.count; i >= 1; --i) {
        if (!segments[i].usesVertex(figure)) continue;
        segments.remove(i);
        ctx.segmentRemoved(i);
        removed = true;
    }
    if (removed) ctx.hooks().categoryChanged(CategoryPanel::ConnectedFigures);
}

} // namespace

void storeExplicitFunction(Document& ctx, int n, EquationEntry entry) {
    Project& p = ctx.project;
    if (!p.explicitFunctions.contains(n)) return;
    ctx.recordUndo();
    EquationEntry& stored = p.explicitFunctions[n];
    if (needsCompile(entry.expr, stored.expr)) {
        compileText(entry.expr, kModeExplicit, true, ctx.compileEnv());
        ctx.functionTextChanged(n);
    }
    moveRow(p.explicitFunctionRows, n, !isEmpty(stored.expr), !isEmpty(entry.expr));
    stored = std::move(entry);
    finish(ctx, CategoryPanel::Explicit, {explicitFunctionToken(n)});
}

void storeRelation(Document& ctx, int n, EquationEntry entry) {
    Project& p = ctx.project;
    if (!p.relations.contains(n)) return;
    ctx.recordUndo();
    EquationEntry& stored = p.relations[n];
    if (needsCompile(entry.expr, stored.expr)) {
        compileText(entry.expr, kModeRelation, true, ctx.compileEnv());
        ctx.relationTextChanged(n);
    }
    moveRow(p.relationRows, n, !isEmpty(stored.expr), !isEmpty(entry.expr));
    stored = std::move(entry);
    finish(ctx, CategoryPanel::Relations, {relationToken(n)});
}

void storeUserFunction(Document& ctx, int n, CompiledExpression entry) {
    Project& p = ctx.project;
    if (!p.userFunctions.contains(n)) return;
    ctx.recordUndo();
    CompiledExpression& stored = p.userFunctions[n];
    if (needsCompile(entry, stored)) {
        compileText(entry, kModeRelation, true, ctx.compileEnv());
        ctx.userFunctionTextChanged(n);
    }
    moveRow(p.userFunctionRows, n, !isEmpty(stored), !isEmpty(entry));
    stored = std::move(entry);
    // Users of the antiderivative F hold its own token, which references do not lead to.
    finish(ctx, CategoryPanel::UserFunctions, {userFunctionToken(n), antiderivativeToken(n)});
}

void storeFigure(Document& ctx, int n, FigureEntry entry) {
    Project& p = ctx.project;
    if (!p.figures.contains(n)) return;
    ctx.recordUndo();
    FigureEntry& stored = p.figures[n];
    if (entry.kind != FigureKind::Empty) {
        const bool fresh =
            stored.kind == FigureKind::Empty; // its old code may belong to stale texts
        const FigureParts parts{fresh || needsCompile(entry.x, stored.x),
                                fresh || needsCompile(entry.y, stored.y),
                                fresh || needsCompile(entry.radius, stored.radius),
                                fresh || needsCompile(entry.paramLow, stored.paramLow) ||
                                    needsCompile(entry.paramHigh, stored.paramHigh)};
        compileFigure(entry, n, parts, true, ctx.compileEnv());
    }
    if (shapeChanged(stored, entry)) ctx.figureShapeChanged(n);
    if (entry.kind == FigureKind::Empty) {
        removeSegmentsThrough(ctx, n);
        entry.label = std::string(1, figureLetter(n));
    }
    moveRow(p.figureRows, n, stored.kind != FigureKind::Empty, entry.kind != FigureKind::Empty);
    const CategoryPanel before = figurePanel(stored);
    stored = std::move(entry);
    if (before != figurePanel(stored)) ctx.hooks().categoryChanged(before);
    finish(ctx, figurePanel(stored), {figureToken(n)});
}

} // namespace tarlix
