// Storing an edited entry: what every editor calls with its copy of an explicit function,
// relation, user function or figure (deleting stores the blank entry).

#include "document/EntryCompile.h"
#include "document/ObjectTokens.h"
#include "document/ProjectEdit.h"

namespace tarlix {

namespace {

bool isEmpty(const CompiledExpression& r) {
    return r.Source.find_first_not_of(' ') == std::string::npos;
}

// The text differs from the stored one, or arrives without its tokens (a record built afresh).
bool needsCompile(const CompiledExpression& entry, const CompiledExpression& stored) {
    return entry.Source != stored.Source || (entry.Tokens.empty() && !isEmpty(entry));
}

bool isCurve(const FigureEntry& f) {
    return f.Kind == 5 || f.Kind == 6;
}

CategoryPanel figurePanel(const FigureEntry& f) {
    return isCurve(f) ? cpCurves : cpBasicFigures;
}

// An entry leaving its category gives up its row position; one arriving takes the next.
template <int N> void moveRow(Store<RowState, N>& rows, int n, bool wasUsed, bool nowUsed) {
    if (wasUsed && !nowUsed) releaseRow(rows, n);
    if (!wasUsed && nowUsed) placeRow(rows, n);
}

void finish(ProjectContext& ctx, CategoryPanel panel, std::initializer_list<int> tokens) {
    ctx.hooks.categoryChanged(panel);
    ctx.hooks.categoryChanged(cpParameters); // which parameters are in use may have changed
    for (int token : tokens) markChanged(ctx.project, ctx.view.redrawState(), token);
    ctx.project.Modified = true;
    ctx.hooks.redraw();
}

bool sameText(const CompiledExpression& a, const CompiledExpression& b) {
    return a.Source == b.Source && a.Code == b.Code;
}

// The figure no longer leaves the traces it left: its kind or draggability changed, or, for a
// figure that only parameters move, anything that decides where it is.
bool shapeChanged(const FigureEntry& before, const FigureEntry& after) {
    if (before.Kind != after.Kind || before.Drag != after.Drag) return true;
    if (after.Drag) return false;
    return !sameText(before.X, after.X) || !sameText(before.Y, after.Y) ||
           !sameText(before.Radius, after.Radius) || !sameText(before.ParamLow, after.ParamLow) ||
           !sameText(before.ParamHigh, after.ParamHigh) || before.ParamStep != after.ParamStep ||
           before.ParamLetter != after.ParamLetter;
}

// An emptied figure takes every connected figure through it along.
void removeSegmentsThrough(ProjectContext& ctx, int figure) {
    SegmentStore& segments = ctx.project.Segments;
    bool removed = false;
    for (int i = segments.count; i >= 1; --i) {
        if (!segments[i].usesVertex(figure)) continue;
        segments.remove(i);
        ctx.hooks.segmentRemoved(i);
        removed = true;
    }
    if (removed) ctx.hooks.categoryChanged(cpConnectedFigures);
}

} // namespace

void storeExplicitFunction(ProjectContext& ctx, int n, EquationEntry entry) {
    Project& p = ctx.project;
    if (!p.YFunctions.contains(n)) return;
    ctx.hooks.recordUndo();
    EquationEntry& stored = p.YFunctions[n];
    if (needsCompile(entry.Expr, stored.Expr)) {
        compileText(entry.Expr, kModeExplicit, true, ctx.compileEnv());
        ctx.hooks.functionTextChanged(n);
    }
    moveRow(p.YFunctionRows, n, !isEmpty(stored.Expr), !isEmpty(entry.Expr));
    stored = std::move(entry);
    finish(ctx, cpExplicit, {explicitFunctionToken(n)});
}

void storeRelation(ProjectContext& ctx, int n, EquationEntry entry) {
    Project& p = ctx.project;
    if (!p.Relations.contains(n)) return;
    ctx.hooks.recordUndo();
    EquationEntry& stored = p.Relations[n];
    if (needsCompile(entry.Expr, stored.Expr)) {
        compileText(entry.Expr, kModeRelation, true, ctx.compileEnv());
        ctx.hooks.relationTextChanged(n);
    }
    moveRow(p.RelationRows, n, !isEmpty(stored.Expr), !isEmpty(entry.Expr));
    stored = std::move(entry);
    finish(ctx, cpRelations, {relationToken(n)});
}

void storeUserFunction(ProjectContext& ctx, int n, CompiledExpression entry) {
    Project& p = ctx.project;
    if (!p.UserFunctions.contains(n)) return;
    ctx.hooks.recordUndo();
    CompiledExpression& stored = p.UserFunctions[n];
    if (needsCompile(entry, stored)) {
        compileText(entry, kModeRelation, true, ctx.compileEnv());
        ctx.hooks.userFunctionTextChanged(n);
    }
    moveRow(p.UserFunctionRows, n, !isEmpty(stored), !isEmpty(entry));
    stored = std::move(entry);
    // Users of the antiderivative F hold its own token, which references do not lead to.
    finish(ctx, cpUserFunctions, {userFunctionToken(n), antiderivativeToken(n)});
}

void storeFigure(ProjectContext& ctx, int n, FigureEntry entry) {
    Project& p = ctx.project;
    if (!p.Figures.contains(n)) return;
    ctx.hooks.recordUndo();
    FigureEntry& stored = p.Figures[n];
    if (entry.Kind != 0) {
        const bool fresh = stored.Kind == 0; // its old code may belong to stale texts
        const FigureParts parts{fresh || needsCompile(entry.X, stored.X),
                                fresh || needsCompile(entry.Y, stored.Y),
                                fresh || needsCompile(entry.Radius, stored.Radius),
                                fresh || needsCompile(entry.ParamLow, stored.ParamLow) ||
                                    needsCompile(entry.ParamHigh, stored.ParamHigh)};
        compileFigure(entry, n, parts, true, ctx.compileEnv());
    }
    if (shapeChanged(stored, entry)) ctx.hooks.figureShapeChanged(n);
    if (entry.Kind == 0) {
        removeSegmentsThrough(ctx, n);
        entry.Label = std::string(1, figureLetter(n));
    }
    moveRow(p.FigureRows, n, stored.Kind != 0, entry.Kind != 0);
    const CategoryPanel before = figurePanel(stored);
    stored = std::move(entry);
    if (before != figurePanel(stored)) ctx.hooks.categoryChanged(before);
    finish(ctx, figurePanel(stored), {figureToken(n)});
}

} // namespace tarlix
