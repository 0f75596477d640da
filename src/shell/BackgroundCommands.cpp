#include "shell/BackgroundCommands.h"

#include "document/BackgroundEdit.h"
#include "platform/qt/QtFileNames.h"
#include "platform/qt/QtPaintStyle.h"
#include "platform/qt/QtText.h"
#include "shell/GraphWindow.h"
#include "shell/ProgramObjects.h"
#include "shell/ShownTexts.h"

#include <QAction>

namespace tarlix {

BackgroundCommands::BackgroundCommands(GraphWindow& window, std::function<Document&()> context,
                                       int& chosenMode, PlatformServices& platform)
    : QObject(&window), window_(window), context_(std::move(context)), chosenMode_(chosenMode),
      platform_(platform) {
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
    FileRequest request;
    request.title = shownMessage("Graph.backgroundTitle");
    request.filters = {shownMessage("Graph.backgroundFilter")};
    const std::filesystem::path path = platform_.fileDialog->openFile(request);
    if (!path.empty()) loadFile(decodePath(path));
}

bool BackgroundCommands::loadFile(const QString& path) {
    QString reason;
    Document& ctx = context_();
    const std::string file = encodePath(path);
    if (!acceptsBackgroundFile(ctx, file)) return false;
    if (!picture_.load(path, reason)) {
        // The name has a single-byte form: the project file keeps it.
        ctx.messages.show(shownMessage("Graph.pictureUnreadable") + ": " +
                              *backgroundNameInFile(file) + " (" + fromQString(reason) + ")",
                          MessageKind::Error, false);
        return false;
    }
    if (!setBackgroundPicture(ctx, file, stretchMode())) ctx.hooks().redraw();
    showButtons();
    return true;
}

void BackgroundCommands::loadProjectPicture() {
    Document& ctx = context_();
    const std::string file = ctx.project.settings.backgroundFile;
    picture_.clear();
    if (!file.empty() && !loadFile(decodePath(file))) {
        setBackgroundPicture(ctx, std::string(), stretchMode());
        ctx.project.modified = false; // the project as opened, less a picture it cannot show
    }
    showButtons();
}

bool BackgroundCommands::pasteFromClipboard() {
    const RasterImage pasted = platform_.clipboard->image();
    if (pasted.pixels.empty()) return false;
    picture_.setImage(toQImage(pasted));
    Document& ctx = context_();
    if (!setBackgroundPicture(ctx, std::string(), stretchMode())) ctx.hooks().redraw();
    showButtons();
    return true;
}

void BackgroundCommands::setStretch(int mode) {
    if (mode != 0) chosenMode_ = mode;
    Document& ctx = context_();
    setBackgroundPicture(ctx, ctx.project.settings.backgroundFile, mode);
    showButtons();
}

void BackgroundCommands::turnOff() {
    picture_.clear();
    Document& ctx = context_();
    if (!setBackgroundPicture(ctx, std::string(), stretchMode())) ctx.hooks().redraw();
    showButtons();
}

void BackgroundCommands::showButtons() {
    const GraphWindow::BackgroundButtons& b = window_.backgroundButtons();
    const int mode = stretchMode();
    b.stretch->setChecked(mode != 0);
    for (QAction* a : b.modes) a->setChecked(a->data().toInt() == (mode != 0 ? mode : chosenMode_));
}

} // namespace tarlix
