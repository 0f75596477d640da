#include "document/Document.h"

#include "document/AfterimageFile.h"
#include "document/AfterimageReferrers.h"
#include "document/DefaultSettings.h"
#include "document/ObjectTokens.h"
#include "document/ProjectFile.h"

namespace tarlix {

Document::Document(const ViewDefaults& defaults) : view(redraw, defaults) {}

CompileEnv Document::compileEnv() const {
    // The relay only forwards, so showing a message through a const document changes nothing
    // of it.
    return CompileEnv{project.engine, const_cast<MessageRelay&>(messages),
                      view.xAxis.letter == '@'};
}

bool Document::open(const std::string& path, const std::optional<DrawingRoom>& room) {
    return openProject(*this, path, room);
}

bool Document::save() {
    return saveProject(*this);
}

bool Document::saveAs(const std::string& base) {
    return saveProjectUnder(*this, base);
}

void Document::clear(const ViewDefaults& defaults, int reserve) {
    newProject(*this, defaults, reserve);
}

bool Document::undo() {
    return dataHistory.undo(*this);
}

bool Document::redo() {
    return dataHistory.redo(*this);
}

void Document::recordUndo() {
    dataHistory.push(project, view);
}

// An object whose expression or shape changed leaves the afterimages it made.
void Document::functionTextChanged(int n) {
    afterimages.removeFunction(n);
}

void Document::relationTextChanged(int n) {
    afterimages.removeRelation(n);
}

void Document::userFunctionTextChanged(int n) {
    afterimages.removeReferrers(afterimageReferrers(project, userFunctionToken(n)));
}

void Document::figureShapeChanged(int n) {
    afterimages.removeFigure(n, afterimageReferrers(project, figureToken(n)));
}

// The colours a removed connected figure left in the afterimages leave with it.
void Document::segmentRemoved(int index) {
    afterimages.segmentDeleted(index);
    hooks().segmentRemoved(index);
}

void Document::clearAfterimages() {
    afterimages.clear();
}

void Document::clearUndoHistories() {
    dataHistory.clear();
    viewHistory.clear();
}

void Document::reloadDefaultSettings() {
    if (!defaultsStore_) return;
    NewObjectDefaults unused;
    readDefaults(*defaultsStore_, {project.engine, project.settings, view,
                                   objectDefaults_ ? *objectDefaults_ : unused});
}

bool Document::saveAfterimages(const std::string& tlpPath) {
    return tarlix::saveAfterimages(afterimages, project, tlpPath);
}

void Document::loadAfterimages(const std::string& tlpPath) {
    tarlix::loadAfterimages(afterimages, project, tlpPath, messages);
}

} // namespace tarlix
