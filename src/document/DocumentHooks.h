#pragma once
// What the project operations ask of the parts of the program that live elsewhere: the undo
// history, the afterimage store, the data panel, the windows, the settings store and the
// redraw. Every call does nothing by default, so tests and the headless tool override only
// what they watch.

#include "document/PanelRows.h"

#include <string>

namespace tarlix {

class Project;
class View;

class DocumentHooks {
public:
    virtual ~DocumentHooks() = default;

    // Before an edit changes anything.
    virtual void recordUndo() {}

    // Afterimages of an entry whose expression or shape changed are no longer valid.
    virtual void functionTextChanged(int /*n*/) {}
    virtual void relationTextChanged(int /*n*/) {}
    virtual void userFunctionTextChanged(int /*n*/) {}
    // The figure's traces leave every snapshot, its screen record is cleared and its two
    // afterimage colours become none.
    virtual void figureShapeChanged(int /*n*/) {}
    // Connected figure index was removed; the later ones moved down one place.
    virtual void segmentRemoved(int /*index*/) {}

    // The data panel: a category's rows, or every category, need refreshing.
    virtual void categoryChanged(CategoryPanel /*panel*/) {}
    virtual void allCategoriesChanged() {}

    // Recompute what is dirty and draw.
    virtual void redraw() {}

    // New project: the windows that edit the old project close, the afterimage store and
    // continuous picture saving stop, both undo histories empty, and the settings store's
    // defaults override the built-in settings.
    virtual void closeEditingWindows() {}
    virtual void clearAfterimages() {}
    virtual void stopContinuousSaving() {}
    virtual void clearUndoHistories() {}
    virtual void reloadDefaultSettings(Project& /*project*/, View& /*view*/) {}

    // A project was read in whole (open, undo, redo): the memo is parsed into scripts and text
    // boxes, the background picture and the graph window's show buttons follow the project,
    // and an open memo editor shows the new memo.
    virtual void projectReplaced(Project& /*project*/) {}
    // The memo gained lines from another file: scripts and text boxes are rebuilt.
    virtual void memoChanged(Project& /*project*/) {}
    // ProjectPath changed: the graph window's title follows it.
    virtual void projectPathChanged(const std::string& /*projectPath*/) {}

    // The afterimage file beside the project file. Saving reports whether it was written (or
    // removed because there are no afterimages); loading reports its own damage.
    virtual bool saveAfterimages(const std::string& /*tlpPath*/) { return true; }
    virtual void loadAfterimages(const std::string& /*tlpPath*/) {}
};

} // namespace tarlix
