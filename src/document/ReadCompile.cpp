// Compiling every expression of a project that has just been read, after bringing the texts
// of older versions up to date.

#include "document/EntryCompile.h"
#include "document/ReadSteps.h"

namespace tarlix {

namespace {

void compileRead(CompiledExpression& r, int mode, const ProjectInput& in, const CompileEnv& env) {
    r.Source = rewriteOldSource(r.Source, in);
    compileText(r, mode, false, env);
}

void compileFigureRead(FigureEntry& f, int n, const ProjectInput& in, const CompileEnv& env) {
    for (CompiledExpression* r : {&f.X, &f.Y, &f.Radius, &f.ParamLow, &f.ParamHigh})
        r->Source = rewriteOldSource(r->Source, in);
    compileFigure(f, n, {}, false, env);
    // Before 2.6 every figure could be dragged; only one with a position can be.
    if (!in.from("2.6")) f.Drag = f.Drag && (!f.X.Code.empty() || !f.Y.Code.empty());
}

} // namespace

void compileLoaded(ReadState& s) {
    Project& p = s.p;
    RecordingMessageBox quiet; // the data panel shows which entries did not compile
    const CompileEnv env{p.Engine, quiet, s.view.X.Letter == '@'};
    for (CompiledExpression& f : p.UserFunctions) compileRead(f, kModeRelation, s.in, env);
    for (EquationEntry& f : p.YFunctions) compileRead(f.Expr, kModeExplicit, s.in, env);
    for (EquationEntry& f : p.Relations) compileRead(f.Expr, kModeRelation, s.in, env);
    for (int n = 1; n <= kFigures; ++n)
        if (p.Figures[n].Kind != 0) compileFigureRead(p.Figures[n], n, s.in, env);
}

// The window expressions are compiled once the whole file has been read.
void compileWindowExpressions(Project& p, bool thetaAxis) {
    RecordingMessageBox quiet;
    const CompileEnv env{p.Engine, quiet, thetaAxis};
    for (CompiledExpression& f : p.ValueWindow.ValueFunctions)
        compileText(f, kModeExplicit, false, env);
    compileText(p.ValueWindow.X, kModePlain, false, env);
    compileText(p.IntegralWindow.Bounds.Low, kModePlain, false, env);
    compileText(p.IntegralWindow.Bounds.High, kModePlain, false, env);
}

} // namespace tarlix
