#include "shell/WindowHooks.h"

#include "platform/qt/QtFileNames.h"
#include "render/ProjectPicture.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/Program.h"

namespace tarlix {

void WindowHooks::categoryChanged(CategoryPanel panel) {
    program_.dataPanel()->refreshCategory(panel);
}

void WindowHooks::allCategoriesChanged() {
    program_.dataPanel()->refreshAll();
}

void WindowHooks::redraw() {
    program_.repaintGraph();
}

void WindowHooks::projectReplaced() {
    program_.showReplacedProject();
}

void WindowHooks::projectPathChanged(const std::string& projectPath) {
    program_.graph()->setProjectTitle(decodePath(projectPath));
}

// The colours a removed connected figure left in the picture's afterimage layer leave too.
void WindowHooks::segmentRemoved(int index) {
    program_.picture().segmentAfterimages().removed(
        index, program_.objects().document.project.segments.count + 1);
}

} // namespace tarlix
