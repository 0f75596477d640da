#include "shell/BackgroundCommands.h"

#include "document/BackgroundEdit.h"
#include "platform/qt/QtText.h"
#include "shell/GraphWindow.h"
#include "shell/ShownTexts.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

namespace tarlix {

BackgroundCommands::BackgroundCommands(GraphWindow& window, std::function<ProjectContext()> context,
                                       int& chosenMode)
    : QObject(&window), window_(window), context_(std::move(context)), chosenMode_(chosenMode) {
    const GraphWindow::BackgroundButtons& b = window.backgroundButtons();
    connect(b.fromFile, &QAction::triggered, this, [this] { chooseFile(); });
    connect(b.fromClipboard, &QAction::triggered, this, [this] { pasteFromClipboard(); });
    connect(b.stretch, &QAction::triggered, this,
            [this](bool on) { setStretch(on ? std::clamp(chosenMode_, 1, 3) : 0); });
    for (QAction* mode : b.modes)
        connect(mode, &QAction::triggered, this,
                [this, mode] { setStretch(mode->data().toInt()); });
    connect(b.off, &QAction::triggered, this, [this] { turnOff(); });
    showButtons();
}

int BackgroundCommands::stretchMode() const {
    return context_().project.settings.backgroundStretch;
}

void BackgroundCommands::chooseFile() {
    const QString path =
        QFileDialog::getOpenFileName(&window_, shownText("Graph.backgroundTitle"), QString(),
                                     shownText("Graph.backgroundFilter"));
    if (!path.isEmpty()) loadFile(path);
}

bool BackgroundCommands::loadFile(const QString& path) {
    QString reason;
    ProjectContext ctx = context_();
    if (!picture_.load(path, reason)) {
        ctx.messages.show(shownMessage("Graph.pictureUnreadable") + ": " +
                              fromQString(QFileInfo(path).fileName() + " (" + reason + ")"),
                          mkError, false);
        return false;
    }
    if (!setBackgroundPicture(ctx, fromQString(path), stretchMode())) ctx.hooks.redraw();
    showButtons();
    return true;
}

void BackgroundCommands::loadProjectPicture() {
    ProjectContext ctx = context_();
    const std::string file = ctx.project.settings.backgroundFile;
    picture_.clear();
    if (!file.empty() && !loadFile(toQString(file))) {
        setBackgroundPicture(ctx, std::string(), stretchMode());
        ctx.project.modified = false; // the project as opened, less a picture it cannot show
    }
    showButtons();
}

bool BackgroundCommands::pasteFromClipboard() {
    if (!picture_.takeFromClipboard()) return false;
    ProjectContext ctx = context_();
    if (!setBackgroundPicture(ctx, std::string(), stretchMode())) ctx.hooks.redraw();
    showButtons();
    return true;
}

void BackgroundCommands::setStretch(int mode) {
    if (mode != 0) chosenMode_ = mode;
    ProjectContext ctx = context_();
    setBackgroundPicture(ctx, ctx.project.settings.backgroundFile, mode);
    showButtons();
}

void BackgroundCommands::turnOff() {
    picture_.clear();
    ProjectContext ctx = context_();
    if (!setBackgroundPicture(ctx, std::string(), stretchMode())) ctx.hooks.redraw();
    showButtons();
}

void BackgroundCommands::showButtons() {
    const GraphWindow::BackgroundButtons& b = window_.backgroundButtons();
    const int mode = stretchMode();
    b.stretch->setChecked(mode != 0);
    for (QAction* a : b.modes) a->setChecked(a->data().toInt() == (mode != 0 ? mode : chosenMode_));
}

} // namespace tarlix
