// Project-wide operations: New, parameter initialisation and compiling everything again.

#include "document/EntryCompile.h"
#include "document/ProjectEdit.h"

namespace tarlix {

void newProject(Document& ctx, const ViewDefaults& defaults, int reserve) {
    Project& p = ctx.project;
    ctx.hooks().closeEditingWindows();
    ctx.hooks().stopContinuousSaving();
    ctx.clearAfterimages();
    p.clearStores();
    // The view is set up quietly: the windows draw the new project once, at the end.
    ViewHooks* viewHooks = ctx.view.setHooks(nullptr);
    ctx.view.equalScales = false;
    ctx.view.areaRectify = true;
    ctx.reloadDefaultSettings();
    ctx.view.resetFromDefaults(reserve, true, defaults);
    ctx.view.resetView();
    ctx.view.setHooks(viewHooks);
    p.projectPath.clear();
    ctx.clearUndoHistories();
    p.modified = false;
    ctx.view.redrawState().markEverything();
    ctx.hooks().projectPathChanged(p.projectPath);
    ctx.hooks().projectReplaced();
}

void initialiseParameters(Document& ctx) {
    Project& p = ctx.project;
    ctx.recordUndo();
    for (int i = 1; i <= kParameterCount; ++i) p.parameters[i] = initialParameter(i);
    p.settings.animationPeriod = kDefaultAnimationPeriod;
    for (int i = 1; i <= kParameterCount; ++i)
        markChanged(p, ctx.view.redrawState(), parameterToken(i));
    ctx.hooks().categoryChanged(CategoryPanel::Parameters);
    p.modified = true;
    ctx.hooks().redraw();
}

void compileAll(Document& ctx, bool showErrors) {
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
