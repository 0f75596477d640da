#pragma once
// The two undo histories of the program: the data history of whole-project snapshots, driven by
// the data panel's undo and redo, and the view history of ranges and sizes, driven by the
// graph window's domain buttons. Both are emptied at start-up, by New and by Open.

#include "document/ProjectSnapshot.h"
#include "document/StepHistory.h"
#include "document/ViewStep.h"

#include <functional>

namespace tarlix {

class Document;
class Project;
class View;

class DataHistory {
public:
    // Before an edit: a snapshot of the project as it is. Nothing while a drag on the graph has
    // already redrawn during the same press, so that one drag is one step.
    void push(const Project& project, const View& view);
    // Back one step; the present state is stored first when it is the newest, so that redo
    // returns to it. A snapshot that does not read changes nothing.
    bool undo(Document& ctx);
    bool redo(Document& ctx);
    void clear();

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    const StepHistory<ProjectSnapshot>& steps() const { return history_; }

    bool dragRedrawn = false;
    // Told after every change of the history, to enable the undo and redo commands.
    std::function<void()> changed;

private:
    bool restore(Document& ctx, const ProjectSnapshot* step);
    void notify() const {
        if (changed) changed();
    }
    StepHistory<ProjectSnapshot> history_;
};

class ViewHistory {
public:
    void push(const View& view);
    // Back or forward one step; the step reached is applied to the view through apply.
    bool undo(const View& view, const std::function<void(const ViewStep&)>& apply);
    bool redo(const std::function<void(const ViewStep&)>& apply);
    void clear();

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    bool dragRedrawn = false;
    std::function<void()> changed;

private:
    void notify() const {
        if (changed) changed();
    }
    StepHistory<ViewStep> history_;
};

// Writes a view step into the view: divisions, equal scales and pixel lengths, then the ranges
// through the view's own setting, which redraws.
void applyViewStep(View& view, const ViewStep& step);

} // namespace tarlix
