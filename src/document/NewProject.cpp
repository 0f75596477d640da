// Project-wide operations: New, parameter initialisation and compiling everything again.

#include "document/EntryCompile.h"
#include "document/ProjectEdit.h"

namespace tarlix {

CompileEnv ProjectContext::compileEnv() const {
    return CompileEnv{project.Engine, messages, view.XAxis.Letter == '@'};
}

void newProject(ProjectContext& ctx, const ViewDefaults& defaults, int reserve) {
    Project& p = ctx.project;
    ctx.hooks.closeEditingWindows();
    ctx.hooks.clearAfterimages();
    p.clearStores();
    ctx.view.SquareQ = false;
    ctx.view.AreaRectify = true;
    ctx.hooks.reloadDefaultSettings(p, ctx.view);
    ctx.view.ResetFromDefaults(reserve, true, defaults);
    ctx.view.ResetView(nullptr);
    p.ProjectPath.clear();
    ctx.hooks.stopContinuousSaving();
    ctx.hooks.clearUndoHistories();
    ctx.hooks.allCategoriesChanged();
    p.Modified = false;
    ctx.hooks.redraw();
}

void initialiseParameters(ProjectContext& ctx) {
    Project& p = ctx.project;
    ctx.hooks.recordUndo();
    for (int i = 1; i <= kParameterCount; ++i) p.Parameters[i] = initialParameter(i);
    p.Settings.AnimationPeriod = kDefaultAnimationPeriod;
    for (int i = 1; i <= kParameterCount; ++i)
        markChanged(p, ctx.view.redrawState(), parameterToken(i));
    ctx.hooks.categoryChanged(cpParameters);
    p.Modified = true;
    ctx.hooks.redraw();
}

void compileAll(ProjectContext& ctx, bool showErrors) {
    Project& p = ctx.project;
    const CompileEnv env = ctx.compileEnv();
    for (CompiledExpression& f : p.UserFunctions) compileText(f, kModeRelation, showErrors, env);
    for (EquationEntry& f : p.YFunctions) compileText(f.Expr, kModeExplicit, showErrors, env);
    for (EquationEntry& f : p.Relations) compileText(f.Expr, kModeRelation, showErrors, env);
    for (int n = 1; n <= kFigures; ++n)
        if (p.Figures[n].Kind != 0) compileFigure(p.Figures[n], n, {}, showErrors, env);
    for (CompiledExpression& f : p.ValueWindow.ValueFunctions)
        compileText(f, kModeExplicit, showErrors, env);
    compileText(p.ValueWindow.X, kModePlain, showErrors, env);
    compileText(p.IntegralWindow.Bounds.Low, kModePlain, showErrors, env);
    compileText(p.IntegralWindow.Bounds.High, kModePlain, showErrors, env);
}

} // namespace tarlix
