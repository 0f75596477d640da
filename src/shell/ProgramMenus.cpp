// The data panel's file, edit and settings menus: what each item does in the program.

#include "document/DefaultSettings.h"
#include "document/SoundPlayback.h"
#include "platform/qt/QtFileNames.h"
#include "shell/DataPanel.h"
#include "shell/FileAssociation.h"
#include "shell/GraphWindow.h"
#include "shell/ParameterPanel.h"
#include "shell/Program.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace tarlix {

void Program::connectMenus() {
    auto on = [this](const char* name, auto handler) {
        QAction* a = dataPanel_->action(name);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, handler);
    };
    on("FileNew", [this] { newProject(); });
    on("FileClose", [this] { graph_->close(); });
    on("FileOpen", [this] {
        const QFileInfo current(decodePath(objects_->document.project.projectPath));
        chooseAndOpen(encodePath(current.absolutePath()), encodePath(current.fileName()));
    });
    on("FileOpenSample",
       [this] { chooseAndOpen(objects_->document.project.appFolder + "sample", std::string()); });
    on("FileSave", [this] { saveProject(); });
    on("FileSaveAs", [this] { chooseAndSaveAs(); });
    on("FileSaveSound", [this] { chooseAndSaveSound(); });
    // The sound can be saved once something was synthesised.
    const auto showSoundState = [this] {
        dataPanel_->action("FileSaveSound")->setEnabled(!objects_->sound.buffer.isEmpty());
    };
    showSoundState();
    connect(dataPanel_->menuBar()->actions().first()->menu(), &QMenu::aboutToShow, this, [=, this] {
        dataPanel_->action("FileOpenSample")
            ->setEnabled(
                QFileInfo::exists(decodePath(objects_->document.project.appFolder + "sample")));
        showSoundState();
    });
    on("EditUndo", [this] { objects_->document.undo(); });
    on("EditRedo", [this] { objects_->document.redo(); });
    showUndoState();
    on("EditResetParameters", [this] {
        Document& ctx = context();
        askToInitialiseParameters(ctx);
    });
    on("SettingsWriteDefaults", [this] {
        ProgramObjects& o = *objects_;
        writeDefaults(o.settings, {o.document.project.engine, o.document.project.settings,
                                   o.document.view, o.objectDefaults});
    });
    on("SettingsDeleteDefaults", [this] { deleteDefaults(objects_->settings); });
    on("SettingsAssociate", [this] {
        FileAssociation association;
        associate(objects_->document.messages, association,
                  QCoreApplication::applicationFilePath());
    });
    on("SettingsRelease", [this] {
        FileAssociation association;
        releaseAssociation(objects_->document.messages, association);
    });
}

void Program::chooseAndSaveSound() {
    FileRequest request;
    request.name = kSoundFileName;
    request.filters = {kSoundFileFilter};
    request.defaultSuffix = kSoundFileSuffix;
    const std::filesystem::path path = objects_->platform.fileDialog->saveFile(request);
    if (!path.empty()) saveSound(objects_->document, objects_->sound, path.string());
}

void Program::showUndoState() {
    if (!dataPanel_) return;
    dataPanel_->action("EditUndo")->setEnabled(objects_->document.dataHistory.canUndo());
    dataPanel_->action("EditRedo")->setEnabled(objects_->document.dataHistory.canRedo());
}

} // namespace tarlix
