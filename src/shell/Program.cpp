#include "shell/Program.h"

#include "document/AfterimageFile.h"
#include "document/AfterimageReferrers.h"
#include "document/DefaultSettings.h"
#include "document/ObjectTokens.h"
#include "document/PropertyEdits.h"
#include "document/ScaleEdit.h"
#include "expression/eval/NumberText.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtText.h"
#include "shell/BackgroundCommands.h"
#include "shell/CalculatorRequests.h"
#include "shell/CalculatorWindow.h"
#include "shell/ControlPalette.h"
#include "shell/DataPanel.h"
#include "shell/FileAssociation.h"
#include "shell/GraphContextMenu.h"
#include "shell/GraphKeys.h"
#include "shell/GraphMouse.h"
#include "shell/GraphMouseEvents.h"
#include "shell/GraphWindow.h"
#include "shell/HoverLabels.h"
#include "shell/ParameterPanel.h"
#include "shell/RedrawBudget.h"
#include "shell/ShownTexts.h"
#include "shell/SimpleWindows.h"
#include "shell/dialogs/CurveIncrement.h"
#include "shell/dialogs/FigureDialog.h"
#include "shell/dialogs/PenPalette.h"
#include "shell/dialogs/PropertyDialogs.h"
#include "view/CoordinateText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <cmath>

namespace tarlix {

namespace {
constexpr int kMaxDrawingHeight = 1200;

Rect toRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

Rect availableScreen() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return toRect(s ? s->availableGeometry() : QRect(0, 0, 1920, 1080));
}

// Whole image pixels to a screen pixel, enough for the screen's density.
int pictureScale(qreal devicePixelRatio) {
    return std::max(1, static_cast<int>(std::ceil(devicePixelRatio - 0.01)));
}

QImage stripImage(const Canvas* strip) {
    const auto* image = dynamic_cast<const QtImageCanvas*>(strip);
    return image ? image->image() : QImage();
}

// A wait that keeps the event loop running.
void waitProcessingEvents(int milliseconds) {
    if (milliseconds <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

Program::Program(const QString& settingsPath, int splashMilliseconds)
    : objects_(std::make_unique<ProgramObjects>(settingsPath)),
      picture_(
          std::make_unique<ProjectPicture>(objects_->project, objects_->view, objects_->redraw)) {
    objects_->hooks = this;
    viewChanges_.program = this;
    objects_->view.setHooks(&viewChanges_);
    objects_->dataHistory.changed = [this] { showUndoState(); };
    QApplication::setApplicationName("TARLIX");
    graph_ = new GraphWindow;
    windows_.push_back(graph_);
    mouse_ = std::make_unique<GraphMouse>([this] { return context(); }, objects_->dataHistory,
                                          objects_->viewHistory, objects_->objectDefaults.segment);
    auto* mouseEvents = new GraphMouseEvents(*graph_, *mouse_);
    background_ = new BackgroundCommands(
        *graph_, [this] { return context(); }, objects_->state.backgroundStretchMode);
    mouseEvents->showDomainText = [this] { showDomainText(); };
    hoverLabels_ = std::make_unique<HoverLabels>(
        *graph_, [this] { return context(); }, *picture_);
    mouseEvents->hoverLabels = hoverLabels_.get();
    graph_->plotResized = [mouseEvents](int w, int h) { mouseEvents->resized(w, h); };
    objects_->viewHistory.changed = [this, mouseEvents] {
        mouseEvents->showViewHistory(objects_->viewHistory.canUndo(),
                                     objects_->viewHistory.canRedo());
    };
    palette_ = new PenPaletteWindow;
    windows_.push_back(palette_);
    console_ = new DataPanel(*objects_);
    windows_.push_back(console_);
    createDataPanel(splashMilliseconds);
    calc_ = new CalculatorWindow;
    calc_->context = [this] { return context(); };
    windows_.push_back(calc_);

    graph_->canClose = [this] { return askToClose(); };
    graph_->moved = [this] { keepTogether(MovedWindow::Graph); };
    graph_->sizeChanged = [this](int oldWidth) {
        if (arranging_ || oldWidth < 0) return;
        MainWindowFrames f = frames();
        followGraphResize(f, f.graph.width() - (graph_->width() - oldWidth), availableScreen());
        applyFrames(f);
    };
    console_->moved = [this] { keepTogether(MovedWindow::Panel); };
    console_->closeRequested = [this] { graph_->close(); };
    console_->changed = [this] { repaintGraph(); };
    dialogs_ = std::make_unique<PropertyDialogs>(*objects_, palette_, calc_);
    dialogs_->figureDialog()->curveStored = [this](char letter, Extended increment) {
        offerCurveIncrement(*console_->parameterPanel(), letter, increment,
                            objects_->project.engine.decimalChar);
    };
    console_->colourDropped = [this](CategoryPanel panel, int row, unsigned colour) {
        ProjectContext ctx = context();
        setEntryColour(ctx, panel, row, colourOfDrop(colour), targetOfDrop(colour));
    };
    console_->parameterPanel()->makeAfterimage = [this] {
        picture_->leaveAfterimageNow();
        repaintGraph();
    };
    console_->parameterPanel()->clearAfterimages = [this] {
        picture_->afterimageStore().clear();
        repaintGraph();
    };
    connectParameterEditors();
    console_->editRequested = [this](CategoryPanel panel, int n) {
        if (dialogs_->open(panel, n)) return;
        if (auto request = calculatorRequest([this] { return context(); }, panel, n))
            calc_->open(*request);
    };
    connectMenus();
    connectPanelCommands();
    connectGraphCommands();
    connectPalette();
}

// The palette's scale buttons change the view through the scale operations; Ctrl moves the
// label interval and Shift turns the cycling buttons the other way.
void Program::connectPalette() {
    const GraphWindow::ScaleButtons& b = graph_->scaleButtons();
    const auto on = [this](QAction* button, auto change) {
        connect(button, &QAction::triggered, this, [this, change] {
            const Qt::KeyboardModifiers keys = QGuiApplication::keyboardModifiers();
            ProjectContext ctx = context();
            change(ctx, keys.testFlag(Qt::ControlModifier), keys.testFlag(Qt::ShiftModifier));
        });
    };
    on(b.outside, [this](ProjectContext& c, bool, bool) {
        setGraduationOutside(c, graph_->scaleButtons().outside->isChecked());
    });
    on(b.graduation, [](ProjectContext& c, bool, bool shift) { stepGraduation(c, shift); });
    on(b.labelSize, [](ProjectContext& c, bool, bool shift) { stepLabelSize(c, shift); });
    on(b.xFiner, [](ProjectContext& c, bool ctrl, bool) { finerGrid(c, ScaleAxis::x, ctrl); });
    on(b.yFiner, [](ProjectContext& c, bool ctrl, bool) { finerGrid(c, ScaleAxis::y, ctrl); });
    on(b.xCoarser, [](ProjectContext& c, bool ctrl, bool) { coarserGrid(c, ScaleAxis::x, ctrl); });
    on(b.yCoarser, [](ProjectContext& c, bool ctrl, bool) { coarserGrid(c, ScaleAxis::y, ctrl); });
    connect(graph_->optionsButton(), &QAction::triggered, this, [this] {
        QAction* options = console_->action("EditOptions");
        if (options->isEnabled()) options->trigger();
    });
    connect(graph_->calculatorButton(), &QAction::triggered, this, [this](bool shown) {
        if (shown)
            calc_->show();
        else
            calc_->close();
    });
    graph_->palette()->hidingChosen = [this](bool hides) {
        objects_->state.controlPalette = hides;
        graph_->setPaletteHides(hides);
    };
}

// The graph window's context menu and keys reach the data panel's commands as its menus do.
void Program::connectGraphCommands() {
    const auto menuCommand = [this](const char* name) {
        return [this, name] {
            QAction* a = console_->action(name);
            if (a->isEnabled()) a->trigger();
        };
    };
    const auto copyGraph = [this] {
        QGuiApplication::clipboard()->setImage(graph_->graphImage()->image());
    };
    GraphContextMenu::Commands menu;
    menu.openProperties = [this](CategoryPanel panel, int n) { dialogs_->open(panel, n); };
    menu.makeAfterimage = [this] {
        picture_->leaveAfterimageNow();
        repaintGraph();
    };
    menu.clearAfterimages = [this] {
        picture_->afterimageStore().clear();
        repaintGraph();
    };
    menu.copyGraph = copyGraph;
    menu.print = menuCommand("FilePrint");
    menu.newObjects = &objects_->objectDefaults;
    new GraphContextMenu(
        *graph_, *mouse_, [this] { return context(); }, *picture_, std::move(menu));
    // Alt with an arrow steps the first parameter on show as Ctrl with the arrow does in its
    // edit, which takes the focus.
    const auto toDataPanel = [this](int arrowKey) {
        QLineEdit* edit = console_->firstParameterEdit();
        if (!edit) return;
        console_->activateWindow();
        edit->setFocus(Qt::ShortcutFocusReason);
        QKeyEvent press(QEvent::KeyPress, arrowKey, Qt::ControlModifier);
        QApplication::sendEvent(edit, &press);
    };
    new GraphKeys(*graph_,
                  {menuCommand("EditUndo"), menuCommand("EditRedo"), menuCommand("FileSave"),
                   menuCommand("FileOpen"), menuCommand("FilePrint"), copyGraph, toDataPanel});
}

Program::~Program() {
    dialogs_.reset();                        // its dialogs use the palette and the calculator
    objects_->viewHistory.changed = nullptr; // its buttons go with the graph window
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) delete *it;
}

void Program::createDataPanel(int splashMilliseconds) {
    auto* splash = new VersionWindow;
    splash->show();
    waitProcessingEvents(splashMilliseconds);
    objects_->project.appFolder = fromQString(QCoreApplication::applicationDirPath() + '/');

    // The graph window takes the work area's height; its drawing area is what is left beside
    // the rows of buttons and the status bar, at most 1200 pixels, and the preferred drawing
    // width the same unless the settings store holds one.
    const Rect screen = availableScreen();
    graph_->resize(graph_->width(), screen.height());
    const int barsHeight = graph_->statusBar()->sizeHint().height() + graph_->toolBarsHeight();
    drawingHeight_ = std::min(screen.height() - barsHeight - 8 - 40, kMaxDrawingHeight);
    console_->refreshAll();
    arrangeWindows();
    delete splash;
}

ProjectContext Program::context() {
    return objects_->context();
}

ViewDefaults Program::viewDefaults() const {
    DrawingSizes sizes;
    sizes.height = std::max(drawingHeight_, 150);
    sizes.width = preferredDrawingWidth(objects_->settings).value_or(sizes.height);
    sizes.screenWidth = availableScreen().width();
    sizes.dataPanelWidth = console_->width();
    return readViewDefaults(objects_->settings, sizes, objects_->view.yAxis.pixelLength);
}

void Program::start(const QStringList& arguments) {
    ProgramObjects& o = *objects_;
    readDefaults(o.settings, {o.project.engine, o.project.settings, o.view, o.objectDefaults});
    o.view.resetFromDefaults(0, true, viewDefaults());
    o.view.resetView(nullptr);
    o.view.fillXSamples();
    clearUndoHistories();
    for (QWidget* w : {static_cast<QWidget*>(graph_), static_cast<QWidget*>(console_)}) w->show();
    graph_->setPaletteHides(o.state.controlPalette);
    // On a screen of another density the picture is drawn again for it.
    connect(graph_->windowHandle(), &QWindow::screenChanged, this, [this] { repaintGraph(); });
    repaintGraph();
    arrangeWindows();
    openFromCommandLine(arguments);
}

void Program::openFromCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) return;
    const auto names = [](const QString& p) {
        return QFileInfo::exists(toQString(projectFileFor(fromQString(QDir::cleanPath(p)))));
    };
    // A path with blanks arrives split into several arguments.
    QString path = arguments.first();
    if (!names(path) && arguments.size() > 1) path = arguments.join(' ');
    openProjectFile(QDir::cleanPath(path), false);
}

bool Program::mayDiscardProject() {
    console_->parameterPanel()->commitPendingValues(); // a typed value counts as a change
    return !objects_->project.modified ||
           objects_->messages->show(shownMessage("Program.clearQuestion"), mkWarning, true);
}

DrawingRoom Program::drawingRoom() const {
    DrawingRoom room;
    room.availableHeight = drawingHeight_;
    room.preferredWidth = preferredDrawingWidth(objects_->settings).value_or(drawingHeight_);
    return room;
}

bool Program::openProjectFile(const QString& path, bool ask) {
    if (ask && !mayDiscardProject()) return false;
    ProjectContext ctx = context();
    if (!openProject(ctx, fromQString(path), drawingRoom())) return false;
    objects_->view.fillXSamples();
    picture_->markEverythingDirty();
    console_->refreshAll();
    background_->loadProjectPicture();
    repaintGraph();
    arrangeWindows();
    console_->raise();
    return true;
}

bool Program::saveProject() {
    if (objects_->project.projectPath.empty()) {
        chooseAndSaveAs();
        return !objects_->project.modified;
    }
    ProjectContext ctx = context();
    return tarlix::saveProject(ctx);
}

bool Program::saveProjectAs(const QString& path) {
    QString base = path;
    if (base.endsWith(".tlx", Qt::CaseInsensitive)) base.chop(4);
    ProjectContext ctx = context();
    return saveProjectUnder(ctx, fromQString(base));
}

void Program::chooseAndOpen(const QString& folder, const QString& name) {
    const QString path = QFileDialog::getOpenFileName(console_, shownText("Program.openTitle"),
                                                      QDir(folder).filePath(name),
                                                      shownText("Program.projectFilter"));
    if (!path.isEmpty()) openProjectFile(path);
}

void Program::chooseAndSaveAs() {
    QFileDialog dialog(console_, shownText("Program.saveTitle"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("tlx");
    dialog.setNameFilter(shownText("Program.projectFilter"));
    if (!objects_->project.projectPath.empty())
        dialog.selectFile(toQString(objects_->project.projectPath) + ".tlx");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        saveProjectAs(dialog.selectedFiles().first());
}

bool Program::askToClose() {
    ProgramObjects& o = *objects_;
    console_->parameterPanel()->commitPendingValues();
    const bool close = !o.project.modified ||
                       o.messages->show(shownMessage("Program.quitQuestion"), mkWarning, true);
    o.state.graphIsLeft = frames().graphIsLeft;
    o.state.presentationMode = o.view.presentationMode;
    writeAppState(o.settings, o.state);
    if (close) {
        for (QWidget* w : windows_)
            if (w != graph_) w->hide();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return close;
}

MainWindowFrames Program::frames() const {
    return {toRect(graph_->frameGeometry()), toRect(console_->frameGeometry()),
            objects_->state.graphIsLeft};
}

void Program::applyFrames(const MainWindowFrames& f) {
    arranging_ = true;
    graph_->move(f.graph.left, f.graph.top);
    console_->move(f.panel.left, f.panel.top);
    console_->resize(console_->width(), std::max(150, f.panel.height()));
    objects_->state.graphIsLeft = f.graphIsLeft;
    arranging_ = false;
}

void Program::arrangeWindows() {
    MainWindowFrames f = frames();
    tarlix::arrangeWindows(f, availableScreen());
    applyFrames(f);
}

void Program::keepTogether(MovedWindow moved) {
    if (arranging_) return;
    MainWindowFrames f = frames();
    keepWindowsTogether(f, moved, availableScreen(), objects_->view.presentationMode);
    applyFrames(f);
}

void Program::setBlackAndWhite(bool on) {
    picture_->setBlackAndWhite(on);
    palette_->setMonochrome(on);
    repaintGraph();
}

// The picture is drawn at the screen's density: scale image pixels to each pixel of the view,
// and shown at the view's size.
void Program::repaintGraph() {
    // A long redraw lets the event loop run; a redraw never starts inside another.
    if (redrawing_) return;
    redrawing_ = true;
    View& view = objects_->view;
    const int scale = pictureScale(screenDensity ? screenDensity() : graph_->devicePixelRatioF());
    if (scale != drawnScale_) picture_->markEverythingDirty();
    drawnScale_ = scale;
    RedrawBudget budget(*graph_, redrawClock_);
    picture_->setBudget(&budget);
    picture_->recompute();
    view.xAxis.outputScale = view.yAxis.outputScale = scale;
    QtImageCanvas canvas(std::max(view.xAxis.pixelLength, 1) * scale,
                         std::max(view.yAxis.pixelLength, 1) * scale);
    picture_->draw(canvas, surfaces_);
    view.xAxis.outputScale = view.yAxis.outputScale = 1;
    picture_->setBudget(nullptr);
    budget.finish();
    redrawing_ = false;
    const ProjectPicture::Strips strips = picture_->drawRulerStrips(canvas, surfaces_, scale);
    GraphStrips shown{stripImage(strips.x.get()), stripImage(strips.y.get()), strips.layout.xAbove,
                      strips.layout.yRight};
    QImage drawing = canvas.image();
    for (QImage* image : {&drawing, &shown.x, &shown.y})
        if (!image->isNull()) image->setDevicePixelRatio(scale);
    const BackgroundPicture& background = background_->picture();
    graph_->showPicture(
        background.isOn()
            ? background.composeUnder(drawing, objects_->project.settings.backgroundStretch)
            : drawing,
        shown);
    graph_->fitToPicture();
    graph_->setProjectTitle(toQString(objects_->project.projectPath));
    graph_->scaleButtons().outside->setChecked(view.axisOn);
    showDomainText();
}

void Program::showDomainText() {
    const ProgramObjects& o = *objects_;
    const EngineSettings& e = o.project.engine;
    const std::string between = std::string(" ") + e.listSeparatorChar + " ";
    graph_->statusText()->setText(toQString(domainText(o.view, between, e.decimalChar)));
}

void Program::newProject() {
    ProgramObjects& o = *objects_;
    console_->parameterPanel()->commitPendingValues();
    if (o.project.modified &&
        !o.messages->show(shownMessage("Program.clearQuestion"), mkWarning, true))
        return;
    ProjectContext ctx = context();
    tarlix::newProject(ctx, viewDefaults(), 0);
    background_->loadProjectPicture();
    picture_->markEverythingDirty();
    console_->refreshAll();
    repaintGraph();
}

void Program::connectMenus() {
    auto on = [this](const char* name, auto handler) {
        QAction* a = console_->action(name);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, handler);
    };
    on("FileNew", [this] { newProject(); });
    on("FileClose", [this] { graph_->close(); });
    on("FileOpen", [this] {
        const QFileInfo current(toQString(objects_->project.projectPath));
        chooseAndOpen(current.absolutePath(), current.fileName());
    });
    on("FileOpenSample",
       [this] { chooseAndOpen(toQString(objects_->project.appFolder) + "sample", QString()); });
    on("FileSave", [this] { saveProject(); });
    on("FileSaveAs", [this] { chooseAndSaveAs(); });
    connect(console_->menuBar()->actions().first()->menu(), &QMenu::aboutToShow, this, [this] {
        console_->action("FileOpenSample")
            ->setEnabled(QFileInfo::exists(toQString(objects_->project.appFolder) + "sample"));
    });
    on("EditUndo", [this] {
        ProjectContext ctx = context();
        objects_->dataHistory.undo(ctx);
    });
    on("EditRedo", [this] {
        ProjectContext ctx = context();
        objects_->dataHistory.redo(ctx);
    });
    showUndoState();
    on("EditResetParameters", [this] {
        ProjectContext ctx = context();
        askToInitialiseParameters(ctx);
    });
    on("SettingsWriteDefaults", [this] {
        ProgramObjects& o = *objects_;
        writeDefaults(o.settings, {o.project.engine, o.project.settings, o.view, o.objectDefaults});
    });
    on("SettingsDeleteDefaults", [this] { deleteDefaults(objects_->settings); });
    on("SettingsAssociate", [this] {
        FileAssociation association;
        associate(*objects_->messages, association, QCoreApplication::applicationFilePath());
    });
    on("SettingsRelease", [this] {
        FileAssociation association;
        releaseAssociation(*objects_->messages, association);
    });
}

void Program::projectReplaced(Project&) {
    picture_->markEverythingDirty();
    console_->refreshAll();
}

void Program::projectPathChanged(const std::string& projectPath) {
    graph_->setProjectTitle(toQString(projectPath));
}

void Program::categoryChanged(CategoryPanel panel) {
    console_->refreshCategory(panel);
}
void Program::allCategoriesChanged() {
    console_->refreshAll();
}
void Program::redraw() {
    repaintGraph();
}

void Program::recordUndo() {
    objects_->dataHistory.push(objects_->project, objects_->view);
}

// The colours a removed connected figure left in the afterimages leave with it.
void Program::segmentRemoved(int index) {
    picture_->segmentAfterimages().removed(index, objects_->project.segments.count + 1);
    picture_->afterimageStore().segmentDeleted(index);
}

// An object whose expression or shape changed leaves the afterimages it made.
void Program::functionTextChanged(int n) {
    picture_->afterimageStore().removeFunction(n);
}
void Program::relationTextChanged(int n) {
    picture_->afterimageStore().removeRelation(n);
}
void Program::userFunctionTextChanged(int n) {
    picture_->afterimageStore().removeReferrers(
        afterimageReferrers(objects_->project, userFunctionToken(n)));
}
void Program::figureShapeChanged(int n) {
    picture_->afterimageStore().removeFigure(
        n, afterimageReferrers(objects_->project, figureToken(n)));
}
void Program::clearAfterimages() {
    picture_->afterimageStore().clear();
}
bool Program::saveAfterimages(const std::string& tlpPath) {
    return tarlix::saveAfterimages(picture_->afterimageStore(), objects_->project, tlpPath);
}
void Program::loadAfterimages(const std::string& tlpPath) {
    tarlix::loadAfterimages(picture_->afterimageStore(), objects_->project, tlpPath,
                            *objects_->messages);
}

void Program::clearUndoHistories() {
    objects_->dataHistory.clear();
    objects_->viewHistory.clear();
}

// A double click on a parameter's value or step edits it in the calculator.
void Program::connectParameterEditors() {
    ParameterPanel* panel = console_->parameterPanel();
    const auto ctx = [this] { return context(); };
    panel->editValueRequested = [this, panel, ctx](int i) {
        const char c = parameterLetter(i);
        const QString letter = c == '@' ? QString(QChar(0x3B8)) : QString(QChar(c));
        const Extended value = objects_->project.parameters[i].value;
        calc_->open(numberRequest(ctx, letter + "=",
                                  formatGeneral(value, 15, objects_->project.engine.decimalChar),
                                  [this, panel, i](Extended v, const std::string&) {
                                      if (panel->setParameter(i, v)) repaintGraph();
                                  }));
    };
    panel->editStepRequested = [this, panel, ctx](int i) {
        const Extended step = objects_->project.parameters[i].step;
        calc_->open(numberRequest(
            ctx, "Step=", formatGeneral(step, 15, objects_->project.engine.decimalChar),
            [panel, i](Extended v, const std::string&) { panel->setStep(i, v); }));
    };
}

void Program::showUndoState() {
    if (!console_) return;
    console_->action("EditUndo")->setEnabled(objects_->dataHistory.canUndo());
    console_->action("EditRedo")->setEnabled(objects_->dataHistory.canRedo());
}

void Program::ViewChanges::viewAboutToChange(const View& view) {
    program->objects_->viewHistory.push(view);
}

void Program::ViewChanges::redraw(LayerImages*) {
    program->repaintGraph();
}

void Program::reloadDefaultSettings(Project& project, View& view) {
    readDefaults(objects_->settings,
                 {project.engine, project.settings, view, objects_->objectDefaults});
}

} // namespace tarlix
