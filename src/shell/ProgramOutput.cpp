// The commands that take the program's pictures out: saving a picture, continuous saving, the
// copy button with its choice of what is copied, Ctrl+C and printing.

#include "shell/DataPanel.h"
#include "shell/PictureExport.h"
#include "shell/Program.h"
#include "shell/ShownTexts.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace tarlix {

namespace {

struct CopyChoice {
    CaptureMode mode;
    const char* key;
};
// The copy button's menu, as the print dialog lists the same pictures.
constexpr CopyChoice kCopyChoices[] = {
    {CaptureMode::Graph, "Capture.graph"},
    {CaptureMode::WholeProgram, "Capture.wholeProgram"},
    {CaptureMode::VectorColour, "Capture.vectorColour"},
    {CaptureMode::VectorBlackAndWhite, "Capture.vectorBlackAndWhite"},
};

} // namespace

PictureExport& Program::pictureExport() const {
    return *export_;
}

// What the copy button, Ctrl+C and the graph's menu copy: the choice kept in the settings;
// Shift records a high-resolution picture at the screen's resolution.
void Program::copyPicture() {
    const bool shift = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
    export_->copy(static_cast<CaptureMode>(objects_->state.copyMode), shift);
}

void Program::connectPictureOutput() {
    export_ = std::make_unique<PictureExport>(*this);
    const auto command = [this](const char* name, auto run) {
        QAction* a = dataPanel_->action(name);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, run);
        return a;
    };
    command("FileSaveImage", [this] { export_->chooseAndSave(); });
    command("FileContinuousSave", [this] { export_->toggleContinuousSaving(); })
        ->setCheckable(true);
    QAction* stop = dataPanel_->action("Toolbar.stopContinuousSave");
    connect(stop, &QAction::triggered, this, [this] {
        if (export_->continuousSaving()) export_->toggleContinuousSaving();
    });
    command("FilePrint", [this] { export_->openPrintDialog(); });
    QAction* copy = command("Toolbar.copyImage", [this] { copyPicture(); });

    // The copy button's arrow chooses what is copied, and copies it.
    auto* menu = new QMenu(dataPanel_);
    auto* choices = new QActionGroup(menu);
    for (const CopyChoice& c : kCopyChoices) {
        QAction* item = menu->addAction(shownText(c.key));
        item->setCheckable(true);
        item->setChecked(objects_->state.copyMode == static_cast<int>(c.mode));
        choices->addAction(item);
        const CaptureMode mode = c.mode;
        connect(item, &QAction::triggered, this, [this, mode] {
            objects_->state.copyMode = static_cast<int>(mode);
            copyPicture();
        });
    }
    copy->setMenu(menu);
    if (auto* button = qobject_cast<QToolButton*>(dataPanel_->toolBar()->widgetForAction(copy)))
        button->setPopupMode(QToolButton::MenuButtonPopup);
}

} // namespace tarlix
