#include "document/UndoHistories.h"

#include "document/Document.h"
#include "document/ProjectReader.h"

namespace tarlix {

void DataHistory::push(const Project& project, const View& view) {
    if (dragRedrawn) return;
    history_.store(takeSnapshot(project, view, history_.newest()));
    notify();
}

bool DataHistory::undo(Document& ctx) {
    if (!history_.canRedo()) {
        push(ctx.project, ctx.view);
        history_.stepBack();
    }
    const ProjectSnapshot* step = history_.stepBack();
    const bool restored = restore(ctx, step);
    if (step && !restored) history_.stepForward();
    notify();
    return restored;
}

bool DataHistory::redo(Document& ctx) {
    const ProjectSnapshot* step = history_.stepForward();
    const bool restored = restore(ctx, step);
    if (step && !restored) history_.stepBack();
    notify();
    return restored;
}

void DataHistory::clear() {
    history_.clear();
    notify();
}

// The snapshot replaces the whole project as reading a file does, keeping the project's name;
// the project now differs from its file.
bool DataHistory::restore(Document& ctx, const ProjectSnapshot* step) {
    if (!step || !readProject(step->lines(), ctx)) return false;
    ctx.project.modified = true;
    ctx.view.redrawState().markEverything();
    ctx.hooks().projectReplaced();
    return true;
}

void ViewHistory::push(const View& view) {
    if (dragRedrawn) return;
    history_.store(captureViewStep(view));
    notify();
}

bool ViewHistory::undo(const View& view, const std::function<void(const ViewStep&)>& apply) {
    if (!history_.canRedo()) {
        push(view);
        history_.stepBack();
    }
    const ViewStep* step = history_.stepBack();
    if (step) apply(*step);
    notify();
    return step != nullptr;
}

bool ViewHistory::redo(const std::function<void(const ViewStep&)>& apply) {
    const ViewStep* step = history_.stepForward();
    if (step) apply(*step);
    notify();
    return step != nullptr;
}

void ViewHistory::clear() {
    history_.clear();
    notify();
}

void applyViewStep(View& view, const ViewStep& step) {
    view.xAxis.divisions = step.xDivisions;
    view.yAxis.divisions = step.yDivisions;
    view.equalScales = step.equalScales;
    view.xAxis.pixelLength = step.width;
    view.yAxis.pixelLength = step.height;
    view.setView(step.xLow, step.xHigh, step.yLow, step.yHigh);
}

} // namespace tarlix
