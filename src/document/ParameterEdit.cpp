// The parameter panel's changes to a parameter. Values are not undo steps: a held step button
// would fill the history with one step per frame and push the user's edits out of it.

#include "document/ParameterStepping.h"
#include "document/RecordedChange.h"

namespace tarlix {

namespace {

bool isParameter(int index) {
    return index >= 1 && index <= kParameterCount;
}

} // namespace

std::vector<int> stepParameterValue(Document& ctx, int index, int direction, bool finer) {
    const auto changed =
        stepParameter(ctx.project, ctx.view.redrawState(), index, direction, finer);
    if (!changed.empty()) ctx.hooks().redraw();
    return changed;
}

bool setParameterValue(Document& ctx, int index, Extended value) {
    return setParameter(ctx.project, ctx.view.redrawState(), index, value);
}

bool setParameterStep(Document& ctx, int index, Extended x) {
    if (!isParameter(index)) return false;
    ParameterRec trial = ctx.project.parameters[index];
    if (!applyStep(trial, x)) return false;
    ctx.recordUndo();
    setStep(ctx.project, ctx.view.redrawState(), index, x);
    ctx.hooks().redraw();
    return true;
}

void toggleParameterStepMode(Document& ctx, int index) {
    if (!isParameter(index)) return;
    ctx.recordUndo();
    toggleStepMode(ctx.project, ctx.view.redrawState(), index);
    ctx.hooks().redraw();
}

bool changeParameterRatio(Document& ctx, int index, bool up) {
    if (!isParameter(index)) return false;
    const Extended step = ctx.project.parameters[index].step;
    if ((up ? ratioUp(step) : ratioDown(step)) == step) return false;
    ctx.recordUndo();
    changeRatio(ctx.project, ctx.view.redrawState(), index, up);
    ctx.hooks().redraw();
    return true;
}

bool setParameterSync(Document& ctx, int index, bool sync) {
    return isParameter(index) && changeRecorded(ctx, ctx.project.parameters[index].sync, sync);
}

bool setParameterFixed(Document& ctx, int index, bool fixed) {
    return isParameter(index) && changeRecorded(ctx, ctx.project.parameters[index].unfixed, !fixed);
}

void unfixHiddenParameters(Project& project, char horizontalLetter) {
    for (int i = 1; i <= kParameterCount; ++i)
        if (!project.parameterRows[i].shown || !parameterInUse(project, i, horizontalLetter))
            project.parameters[i].unfixed = true;
}

} // namespace tarlix
