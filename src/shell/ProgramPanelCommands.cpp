// What the data panel asks of the program: clearing one object's afterimages, files dropped
// on the panel or the graph window, and the menu items that act on both windows.

#include "document/AfterimageReferrers.h"
#include "document/ObjectTokens.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/PanelPointer.h"
#include "shell/Program.h"
#include "shell/ShownTexts.h"

#include <QFileInfo>

namespace tarlix {

void Program::connectPanelCommands() {
    console_->afterimagesClearRequested = [this](CategoryPanel panel, int n) {
        clearEntryAfterimages(panel, n);
    };
    console_->fileDropped = [this](const QString& path) { dropFile(path); };
    console_->pointer().watchFileDrops(graph_);
}

void Program::clearEntryAfterimages(CategoryPanel panel, int n) {
    AfterimageStore& store = picture_->afterimageStore();
    switch (panel) {
    case cpExplicit:
        store.removeFunction(n);
        break;
    case cpRelations:
        store.removeRelation(n);
        break;
    case cpCurves:
    case cpBasicFigures:
        store.removeFigure(n, afterimageReferrers(objects_->project, figureToken(n)));
        break;
    case cpConnectedFigures:
        store.removeSegment(n);
        break;
    default:
        return;
    }
    repaintGraph();
}

void Program::dropFile(const QString& path) {
    if (QFileInfo(path).suffix().compare("tlx", Qt::CaseInsensitive) == 0) {
        openProjectFile(path);
        return;
    }
    objects_->messages->show(shownMessage("Program.unusableFile"), mkError, false);
}

} // namespace tarlix
