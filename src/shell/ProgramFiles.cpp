// The program's file commands: New, opening (from the menu, the command line, "Abrir Ejemplo"
// and dropped files), saving and saving under a new name. File names are the system's own
// bytes from the dialog to the disk; they never pass through the program's single-byte text.

#include "document/DefaultSettings.h"
#include "document/ProjectFile.h"
#include "document/SoundPlayback.h"
#include "platform/qt/QtFileNames.h"
#include "shell/BackgroundCommands.h"
#include "shell/DataPanel.h"
#include "shell/GraphMouse.h"
#include "shell/ParameterPanel.h"
#include "shell/Program.h"
#include "shell/ShownTexts.h"

#include <QDir>
#include <QFileInfo>

namespace tarlix {

void Program::openFromCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) return;
    const auto names = [](const QString& p) {
        return QFileInfo::exists(decodePath(projectFileFor(encodePath(QDir::cleanPath(p)))));
    };
    // A path with blanks arrives split into several arguments.
    QString path = arguments.first();
    if (!names(path) && arguments.size() > 1) path = arguments.join(' ');
    openProjectFile(QDir::cleanPath(path), false);
}

bool Program::mayDiscardProject() {
    dataPanel_->parameterPanel()->commitPendingValues(); // a typed value counts as a change
    return !objects_->document.project.modified ||
           objects_->document.messages.show(shownMessage("Program.clearQuestion"),
                                            MessageKind::Warning, true);
}

DrawingRoom Program::drawingRoom() const {
    DrawingRoom room;
    room.availableHeight = drawingHeight_;
    room.preferredWidth = preferredDrawingWidth(objects_->settings).value_or(drawingHeight_);
    return room;
}

bool Program::openProjectFile(const QString& path, bool ask) {
    if (ask && !mayDiscardProject()) return false;
    if (!objects_->document.open(encodePath(path), drawingRoom())) return false;
    stopSound(objects_->sound);
    arrangeWindows();
    dataPanel_->raise();
    return true;
}

bool Program::saveProject() {
    if (objects_->document.project.projectPath.empty()) {
        chooseAndSaveAs();
        return !objects_->document.project.modified;
    }
    return objects_->document.save();
}

bool Program::saveProjectAs(const QString& path) {
    QString base = path;
    if (base.endsWith(".tlx", Qt::CaseInsensitive)) base.chop(4);
    return objects_->document.saveAs(encodePath(base));
}

void Program::chooseAndOpen(const std::string& folder, const std::string& name) {
    FileRequest request;
    request.title = shownMessage("Program.openTitle");
    request.folder = folder;
    request.name = name;
    request.filters = {shownMessage("Program.projectFilter")};
    const std::filesystem::path path = objects_->platform.fileDialog->openFile(request);
    if (!path.empty()) openProjectFile(decodePath(path));
}

void Program::chooseAndSaveAs() {
    FileRequest request;
    request.title = shownMessage("Program.saveTitle");
    const std::string& current = objects_->document.project.projectPath;
    if (!current.empty()) request.name = current + ".tlx";
    request.filters = {shownMessage("Program.projectFilter")};
    request.defaultSuffix = "tlx";
    const std::filesystem::path path = objects_->platform.fileDialog->saveFile(request);
    if (!path.empty()) saveProjectAs(decodePath(path));
}

void Program::newProject() {
    if (!mayDiscardProject()) return;
    objects_->document.clear(viewDefaults(), 0);
    stopSound(objects_->sound);
}

void Program::dropFile(const QString& path) {
    if (QFileInfo(path).suffix().compare("tlx", Qt::CaseInsensitive) == 0) {
        openProjectFile(path);
        return;
    }
    objects_->document.messages.show(shownMessage("Program.unusableFile"), MessageKind::Error,
                                     false);
}

// Open, New, undo and redo replace the project as a whole: the picture forgets everything of
// the project before (its layers, traces and markers) and is drawn once.
void Program::showReplacedProject() {
    picture_->forgetShownProject();
    mouse_->cancelDrag();
    dataPanel_->refreshAll();
    background_->loadProjectPicture();
    repaintGraph();
}

} // namespace tarlix
