#pragma once
// What the windows hear of a document's changes: a category of the data panel, the picture,
// the title, the memo. Every call does nothing by default, so the headless tool needs none
// and tests override only what they watch. The document itself keeps its undo histories and
// afterimages; these are notifications only.

#include "document/PanelRows.h"

#include <string>

namespace tarlix {

class DocumentHooks {
public:
    virtual ~DocumentHooks() = default;

    // The data panel: a category's rows, or every category, need refreshing.
    virtual void categoryChanged(CategoryPanel /*panel*/) {}
    virtual void allCategoriesChanged() {}

    // Recompute what is dirty and draw.
    virtual void redraw() {}

    // New project: the windows that edit the old project close and continuous picture saving
    // stops.
    virtual void closeEditingWindows() {}
    virtual void stopContinuousSaving() {}

    // The project was replaced as a whole (open, New, undo, redo): every window shows it
    // afresh and the picture is drawn once, without anything the previous project left.
    virtual void projectReplaced() {}
    // The memo gained lines from another file: scripts and text boxes are rebuilt.
    virtual void memoChanged() {}
    // ProjectPath changed: the graph window's title follows it.
    virtual void projectPathChanged(const std::string& /*projectPath*/) {}
    // Connected figure index was removed; the later ones moved down one place.
    virtual void segmentRemoved(int /*index*/) {}
};

} // namespace tarlix
