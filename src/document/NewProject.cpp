// Project-wide operations: New, parameter initialisation and compiling everything again.

#include "document/EntryCompile.h"
#include "document/ProjectEdit.h"

namespace tarlix {

CompileEnv ProjectContext::compileEnv() const {
    return CompileEnv{project.engine, messages, view.xAxis.letter == '@'};
}

void newProject(ProjectContext& ctx, const ViewDefaults& defaults, int reserve) {
    Project& p = ctx.project;
    ctx.hooks.closeEditingWindows();
    ctx.hooks.clearAfterimages();
    p.clearStores();
    ctx.view.equalScales = false;
    ctx.view.areaRectify = true;
    ctx.hooks.reloadDefaultSettings(p, ctx.view);
    ctx.view.resetFromDefaults(reserve, true, defaults);
    ctx.view.resetView();
    p.projectPath.clear();
    ctx.hooks.stopContinuousSaving();
    ctx.hooks.clearUndoHistories();
    ctx.hooks.allCategoriesChanged();
    p.modified = false;
    ctx.hooks.redraw();
}

void initialiseParameters(ProjectContext& ctx) {
    Project& p = ctx.project;
    ctx.hooks.recordUndo();
    for (int i = 1; i <= kParameterCount; ++i) p.parameters[i] = initialParameter(i);
    p.settings.animationPeriod = kDefaultAnimationPeriod;
    for (int i = 1; i <= kParameterCount; ++i)
        markChanged(p, ctx.view.redrawState(), parameterToken(i));
    ctx.hooks.categoryChanged(CategoryPanel::Parameters);
    p.modified = true;
    ctx.hooks.redraw();
}

void compileAll(ProjectContext& ctx, bool showErrors) {
    Project& p = ctx.project;
    const CompileEnv env = ctx.compileEnv();
    for (CompiledExpression& f : p.userFunctions) compileText(f, kModeRelation, showErrors, env);
    for (EquationEntry& f : p.explicitFunctions)
        compileText(f.expr, kModeExplicit, showErrors, env);
    for (EquationEntry& f : p.relations) compileText(f.expr, kModeRelation, showErrors, env);
    for (int n = 1; n <= kFigures; ++n)
        if (p.figures[n].kind != FigureKind::Empty)
            compileFigure(p.figures[n], n, {}, showErrors, env);
    compileWindowTexts(p, showErrors, env);
}

} // namespace tarlix
