// What the data panel asks of the program: clearing one object's afterimages, files dropped
// on the panel or the graph window, and the menu items that act on both windows.

#include "document/AfterimageReferrers.h"
#include "document/ObjectTokens.h"
#include "document/PanelEdit.h"
#include "document/ProjectFile.h"
#include "platform/qt/QtText.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/HintRelay.h"
#include "shell/PanelPointer.h"
#include "shell/PrinterSetup.h"
#include "shell/Program.h"
#include "shell/ShownTexts.h"
#include "shell/VersionWindow.h"
#include "shell/dialogs/PenPalette.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
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
    console_->afterimagesClearRequested = [this](CategoryPanel panel, int n) {
        clearEntryAfterimages(panel, n);
    };
    console_->fileDropped = [this](const QString& path) { dropFile(path); };
    console_->pointer().watchFileDrops(graph_);

    // The connect-points tool: from the edit menu, the category's button or the graph window;
    // switching it on shows the connected figures, hiding them switches it off.
    QAction* tool = graph_->connectTool();
    QAction* item = console_->action("EditConnect");
    item->setEnabled(true);
    item->setCheckable(true);
    connect(item, &QAction::triggered, tool, [tool](bool on) { tool->setChecked(on); });
    console_->connectPointsRequested = [tool] { tool->toggle(); };
    console_->connectedFiguresHidden = [tool] { tool->setChecked(false); };
    connect(tool, &QAction::toggled, this, [this, item](bool on) {
        item->setChecked(on);
        if (!on) return;
        ProjectContext ctx = context();
        setCategoryVisible(ctx, CategoryPanel::ConnectedFigures, true);
    });

    QAction* clear = console_->action("EditClearAfterimages");
    clear->setEnabled(true);
    connect(clear, &QAction::triggered, this, [this] {
        picture_->afterimageStore().clear();
        repaintGraph();
    });

    hints_ = new HintRelay(
        graph_->statusText(), [this] { showDomainText(); }, this);
    for (QWidget* w : {static_cast<QWidget*>(console_), static_cast<QWidget*>(graph_),
                       static_cast<QWidget*>(palette_)})
        hints_->watchWindow(w);
    QAction* hints = console_->action("ViewHints");
    hints->setEnabled(true);
    hints->setChecked(true);
    connect(hints, &QAction::toggled, this, [this](bool on) { hints_->setHintsOn(on); });

    QAction* presentation = console_->action("ViewPresentation");
    presentation->setEnabled(true);
    presentation->setChecked(objects_->view.presentationMode);
    connect(presentation, &QAction::triggered, this, [this](bool on) { setPresentationMode(on); });
    printerSetup_ = new PrinterSetup(this);
    QAction* printer = console_->action("FilePrinterSetup");
    connect(printer, &QAction::triggered, this, [this] { printerSetup_->showDialog(console_); });
    connect(menuOf(printer), &QMenu::aboutToShow, printer,
            [printer] { printer->setEnabled(PrinterSetup::available()); });
    connectEditAndHelpMenus();
}

void Program::connectEditAndHelpMenus() {
    connect(menuOf(console_->action("EditConnect")), &QMenu::aboutToShow, this, [this] {
        console_->action("EditConnect")->setChecked(graph_->connectTool()->isChecked());
    });
    QAction* memo = console_->action("EditLoadMemo");
    memo->setEnabled(true);
    connect(memo, &QAction::triggered, this, [this] {
        const std::string& name = objects_->project.projectPath;
        const QString path =
            QFileDialog::getOpenFileName(console_, shownText("EditLoadMemo"),
                                         name.empty() ? QString() : toQString(name) + ".tlx",
                                         shownText("Program.projectFilter"));
        if (path.isEmpty()) return;
        ProjectContext ctx = context();
        appendMemoFile(ctx, fromQString(path));
    });
    QAction* pdf = console_->action("HelpPdf");
    QAction* html = console_->action("HelpHtml");
    connect(menuOf(pdf), &QMenu::aboutToShow, this, [this, pdf, html] {
        const QString app = toQString(objects_->project.appFolder);
        pdf->setEnabled(QFileInfo::exists(app + "tarlix_manual.pdf"));
        html->setVisible(QFileInfo::exists(app + "html/index.html"));
    });
    connect(pdf, &QAction::triggered, this, [this] {
        const QString app = toQString(objects_->project.appFolder);
        QDesktopServices::openUrl(QUrl::fromLocalFile(app + "tarlix_manual.pdf"));
    });
    html->setEnabled(true);
    connect(html, &QAction::triggered, this, [this] {
        const QString page = toQString(objects_->project.appFolder) + "html/index.html";
        if (!QFileInfo::exists(page))
            objects_->messages->show(shownMessage("Program.noHelpFile"), MessageKind::Error, false);
        else
            QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    });
    QAction* version = console_->action("HelpVersion");
    version->setEnabled(true);
    connect(version, &QAction::triggered, this, [this] { showVersionWindow(); });
}

void Program::showVersionWindow() {
    QDialog dialog(console_);
    dialog.setWindowTitle(shownText("Version.title"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* version = new VersionWindow(&dialog);
    version->setWindowFlags(Qt::Widget); // a part of the dialog, not a splash screen
    layout->addWidget(version);
    dialog.exec();
}

void Program::setPresentationMode(bool on) {
    ProgramObjects& o = *objects_;
    if (o.view.presentationMode == on) return;
    o.view.applyPresentationMode(on);
    // New functions get a wider pen while presenting.
    PenDefaults& pen = o.objectDefaults.graph;
    if (pen.width == (on ? 2 : 3)) pen.width = on ? 3 : 2;
    console_->resize(console_->width() + (on ? kPresentationWidening : -kPresentationWidening),
                     console_->height());
    console_->refreshAll();
    MainWindowFrames f = frames();
    keepPanelOnScreen(f, screenOf(console_));
    applyFrames(f);
    console_->action("ViewPresentation")->setChecked(on);
    picture_->markEverythingDirty();
    repaintGraph();
}

void Program::clearEntryAfterimages(CategoryPanel panel, int n) {
    AfterimageStore& store = picture_->afterimageStore();
    switch (panel) {
    case CategoryPanel::Explicit:
        store.removeFunction(n);
        break;
    case CategoryPanel::Relations:
        store.removeRelation(n);
        break;
    case CategoryPanel::Curves:
    case CategoryPanel::BasicFigures:
        store.removeFigure(n, afterimageReferrers(objects_->project, figureToken(n)));
        break;
    case CategoryPanel::ConnectedFigures:
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
    objects_->messages->show(shownMessage("Program.unusableFile"), MessageKind::Error, false);
}

} // namespace tarlix
