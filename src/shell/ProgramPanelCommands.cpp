// What the data panel asks of the program: clearing one object's afterimages, files dropped
// on the panel or the graph window, and the menu items that act on both windows.

#include "document/AfterimageReferrers.h"
#include "document/ObjectTokens.h"
#include "document/PanelEdit.h"
#include "document/ProjectFile.h"
#include "platform/qt/QtFileNames.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/HintRelay.h"
#include "shell/PanelPointer.h"
#include "shell/Program.h"
#include "shell/ShownTexts.h"
#include "shell/VersionWindow.h"
#include "shell/dialogs/OptionsDialog.h"
#include "shell/dialogs/PenPalette.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

namespace tarlix {

namespace {
constexpr int kPresentationWidening = 60;

QMenu* menuOf(QAction* item) {
    return qobject_cast<QMenu*>(item->parent());
}

Rect screenOf(const QWidget* w) {
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    const QRect r = s ? s->availableGeometry() : QRect(0, 0, 1920, 1080);
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
} // namespace

void Program::connectPanelCommands() {
    dataPanel_->afterimagesClearRequested = [this](CategoryPanel panel, int n) {
        clearEntryAfterimages(panel, n);
    };
    dataPanel_->fileDropped = [this](const QString& path) { dropFile(path); };
    dataPanel_->pointer().watchFileDrops(graph_);

    // The connect-points tool: from the edit menu, the category's button or the graph window;
    // switching it on shows the connected figures, hiding them switches it off.
    QAction* tool = graph_->connectTool();
    QAction* item = dataPanel_->action("EditConnect");
    item->setEnabled(true);
    item->setCheckable(true);
    connect(item, &QAction::triggered, tool, [tool](bool on) { tool->setChecked(on); });
    dataPanel_->connectPointsRequested = [tool] { tool->toggle(); };
    dataPanel_->connectedFiguresHidden = [tool] { tool->setChecked(false); };
    connect(tool, &QAction::toggled, this, [this, item](bool on) {
        item->setChecked(on);
        if (!on) return;
        Document& ctx = context();
        setCategoryVisible(ctx, CategoryPanel::ConnectedFigures, true);
    });

    QAction* clear = dataPanel_->action("EditClearAfterimages");
    clear->setEnabled(true);
    connect(clear, &QAction::triggered, this, [this] {
        objects_->document.clearAfterimages();
        repaintGraph();
    });

    hints_ = new HintRelay(
        graph_->statusText(), [this] { showDomainText(); }, this);
    for (QWidget* w : {static_cast<QWidget*>(dataPanel_), static_cast<QWidget*>(graph_),
                       static_cast<QWidget*>(palette_)})
        hints_->watchWindow(w);
    hints_->watchWindow(options_.get());
    QAction* options = dataPanel_->action("EditOptions");
    options->setEnabled(true);
    connect(options, &QAction::triggered, this, [this] { options_->open(); });
    QAction* hints = dataPanel_->action("ViewHints");
    hints->setEnabled(true);
    hints->setChecked(true);
    connect(hints, &QAction::toggled, this, [this](bool on) { hints_->setHintsOn(on); });

    QAction* presentation = dataPanel_->action("ViewPresentation");
    presentation->setEnabled(true);
    presentation->setChecked(objects_->document.view.presentationMode);
    connect(presentation, &QAction::triggered, this, [this](bool on) { setPresentationMode(on); });
    QAction* printer = dataPanel_->action("FilePrinterSetup");
    connect(printer, &QAction::triggered, this,
            [this] { objects_->platform.printer->showSetup(); });
    connect(menuOf(printer), &QMenu::aboutToShow, printer,
            [this, printer] { printer->setEnabled(objects_->platform.printer->available()); });
    connectEditAndHelpMenus();
}

void Program::connectEditAndHelpMenus() {
    connect(menuOf(dataPanel_->action("EditConnect")), &QMenu::aboutToShow, this, [this] {
        dataPanel_->action("EditConnect")->setChecked(graph_->connectTool()->isChecked());
    });
    QAction* memo = dataPanel_->action("EditLoadMemo");
    memo->setEnabled(true);
    connect(memo, &QAction::triggered, this, [this] {
        const std::string& name = objects_->document.project.projectPath;
        FileRequest request;
        request.title = shownMessage("EditLoadMemo");
        if (!name.empty()) request.name = name + ".tlx";
        request.filters = {shownMessage("Program.projectFilter")};
        const std::filesystem::path path = objects_->platform.fileDialog->openFile(request);
        if (path.empty()) return;
        appendMemoFile(context(), path.native());
    });
    QAction* pdf = dataPanel_->action("HelpPdf");
    QAction* html = dataPanel_->action("HelpHtml");
    connect(menuOf(pdf), &QMenu::aboutToShow, this, [this, pdf, html] {
        const QString app = decodePath(objects_->document.project.appFolder);
        pdf->setEnabled(QFileInfo::exists(app + "tarlix_manual.pdf"));
        html->setVisible(QFileInfo::exists(app + "html/index.html"));
    });
    connect(pdf, &QAction::triggered, this, [this] {
        const QString app = decodePath(objects_->document.project.appFolder);
        QDesktopServices::openUrl(QUrl::fromLocalFile(app + "tarlix_manual.pdf"));
    });
    html->setEnabled(true);
    connect(html, &QAction::triggered, this, [this] {
        const QString page = decodePath(objects_->document.project.appFolder) + "html/index.html";
        if (!QFileInfo::exists(page))
            objects_->document.messages.show(shownMessage("Program.noHelpFile"), MessageKind::Error,
                                             false);
        else
            QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    });
    QAction* version = dataPanel_->action("HelpVersion");
    version->setEnabled(true);
    connect(version, &QAction::triggered, this, [this] { showVersionWindow(); });
}

void Program::showVersionWindow() {
    QDialog dialog(dataPanel_);
    dialog.setWindowTitle(shownText("Version.title"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* version = new VersionWindow(&dialog);
    version->setWindowFlags(Qt::Widget); // a part of the dialog, not a splash screen
    layout->addWidget(version);
    dialog.exec();
}

void Program::setPresentationMode(bool on) {
    ProgramObjects& o = *objects_;
    if (o.document.view.presentationMode == on) return;
    o.document.view.applyPresentationMode(on);
    // New functions get a wider pen while presenting.
    PenDefaults& pen = o.objectDefaults.graph;
    if (pen.width == (on ? 2 : 3)) pen.width = on ? 3 : 2;
    dataPanel_->resize(dataPanel_->width() + (on ? kPresentationWidening : -kPresentationWidening),
                       dataPanel_->height());
    dataPanel_->refreshAll();
    MainWindowFrames f = frames();
    keepPanelOnScreen(f, screenOf(dataPanel_));
    applyFrames(f);
    dataPanel_->action("ViewPresentation")->setChecked(on);
    picture_->markEverythingDirty();
    repaintGraph();
}

void Program::clearEntryAfterimages(CategoryPanel panel, int n) {
    AfterimageStore& store = objects_->document.afterimages;
    switch (panel) {
    case CategoryPanel::Explicit:
        store.removeFunction(n);
        break;
    case CategoryPanel::Relations:
        store.removeRelation(n);
        break;
    case CategoryPanel::Curves:
    case CategoryPanel::BasicFigures:
        store.removeFigure(n, afterimageReferrers(objects_->document.project, figureToken(n)));
        break;
    case CategoryPanel::ConnectedFigures:
        store.removeSegment(n);
        break;
    default:
        return;
    }
    repaintGraph();
}

} // namespace tarlix
