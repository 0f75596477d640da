#include "shell/Program.h"

#include "document/DefaultSettings.h"
#include "document/PropertyEdits.h"
#include "document/ScaleEdit.h"
#include "expression/eval/NumberText.h"
#include "platform/qt/QtFileNames.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtText.h"
#include "shell/BackgroundCommands.h"
#include "shell/CalculatorRequests.h"
#include "shell/CalculatorWindow.h"
#include "shell/ControlPalette.h"
#include "shell/DataPanel.h"
#include "shell/GraphContextMenu.h"
#include "shell/GraphKeys.h"
#include "shell/GraphMouse.h"
#include "shell/GraphMouseEvents.h"
#include "shell/GraphWindow.h"
#include "shell/HoverLabels.h"
#include "shell/ParameterPanel.h"
#include "shell/PictureExport.h"
#include "shell/RedrawBudget.h"
#include "shell/ShownTexts.h"
#include "shell/VersionWindow.h"
#include "shell/dialogs/CurveIncrement.h"
#include "shell/dialogs/FigureDialog.h"
#include "shell/dialogs/OptionsDialog.h"
#include "shell/dialogs/PenPalette.h"
#include "shell/dialogs/PropertyDialogs.h"
#include "view/CoordinateText.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
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

// The available area of the screen a window is on.
Rect availableScreenOf(const QWidget& window) {
    const QScreen* s = window.screen();
    return s ? toRect(s->availableGeometry()) : availableScreen();
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
      picture_(std::make_unique<ProjectPicture>(objects_->document)) {
    objects_->document.setHooks(&windowHooks_);
    viewChanges_.program = this;
    objects_->document.view.setHooks(&viewChanges_);
    objects_->document.dataHistory.changed = [this] { showUndoState(); };
    QApplication::setApplicationName("TARLIX");
    graph_ = new GraphWindow;
    windows_.push_back(graph_);
    mouse_ = std::make_unique<GraphMouse>(
        [this]() -> Document& { return context(); }, objects_->document.dataHistory,
        objects_->document.viewHistory, objects_->objectDefaults.segment);
    auto* mouseEvents = new GraphMouseEvents(*graph_, *mouse_);
    background_ = new BackgroundCommands(
        *graph_, [this]() -> Document& { return context(); }, objects_->state.backgroundStretchMode,
        objects_->platform);
    mouseEvents->showDomainText = [this] { showDomainText(); };
    hoverLabels_ = std::make_unique<HoverLabels>(
        *graph_, [this]() -> Document& { return context(); }, *picture_);
    mouseEvents->hoverLabels = hoverLabels_.get();
    graph_->plotResized = [mouseEvents](int w, int h) { mouseEvents->resized(w, h); };
    objects_->document.viewHistory.changed = [this, mouseEvents] {
        mouseEvents->showViewHistory(objects_->document.viewHistory.canUndo(),
                                     objects_->document.viewHistory.canRedo());
    };
    palette_ = new PenPaletteWindow;
    windows_.push_back(palette_);
    dataPanel_ = new DataPanel(*objects_);
    windows_.push_back(dataPanel_);
    createDataPanel(splashMilliseconds);
    calc_ = new CalculatorWindow;
    calc_->context = [this]() -> Document& { return context(); };
    windows_.push_back(calc_);

    graph_->canClose = [this] { return askToClose(); };
    graph_->moved = [this] { keepTogether(MovedWindow::Graph); };
    graph_->sizeChanged = [this](int oldWidth) {
        if (arranging_ || oldWidth < 0) return;
        MainWindowFrames f = frames();
        followGraphResize(f, f.graph.width() - (graph_->width() - oldWidth), availableScreen());
        applyFrames(f);
    };
    dataPanel_->moved = [this] { keepTogether(MovedWindow::Panel); };
    dataPanel_->closeRequested = [this] { graph_->close(); };
    dataPanel_->changed = [this] { repaintGraph(); };
    dialogs_ = std::make_unique<PropertyDialogs>(*objects_, palette_, calc_);
    options_ = std::make_unique<OptionsDialog>(objects_->objectDefaults);
    options_->context = [this]() -> Document& { return context(); };
    dialogs_->figureDialog()->curveStored = [this](char letter, Extended increment) {
        offerCurveIncrement(*dataPanel_->parameterPanel(), letter, increment,
                            objects_->document.project.engine.decimalChar);
    };
    dataPanel_->colourDropped = [this](CategoryPanel panel, int row, unsigned colour) {
        Document& ctx = context();
        setEntryColour(ctx, panel, row, colourOfDrop(colour), targetOfDrop(colour));
    };
    dataPanel_->parameterPanel()->makeAfterimage = [this] {
        picture_->leaveAfterimageNow();
        repaintGraph();
    };
    dataPanel_->parameterPanel()->clearAfterimages = [this] {
        objects_->document.clearAfterimages();
        repaintGraph();
    };
    connectParameterEditors();
    dataPanel_->editRequested = [this](CategoryPanel panel, int n) {
        if (dialogs_->open(panel, n)) return;
        if (auto request = calculatorRequest([this]() -> Document& { return context(); }, panel, n))
            calc_->open(*request);
    };
    connectMenus();
    connectPanelCommands();
    connectGraphCommands();
    connectPalette();
    connectAuxiliaryWindows();
    connectPictureOutput();
}

// The palette's scale buttons change the view through the scale operations; Ctrl moves the
// label interval and Shift turns the cycling buttons the other way.
void Program::connectPalette() {
    const GraphWindow::ScaleButtons& b = graph_->scaleButtons();
    const auto on = [this](QAction* button, auto change) {
        connect(button, &QAction::triggered, this, [this, change] {
            const Qt::KeyboardModifiers keys = QGuiApplication::keyboardModifiers();
            Document& ctx = context();
            change(ctx, keys.testFlag(Qt::ControlModifier), keys.testFlag(Qt::ShiftModifier));
        });
    };
    on(b.outside, [this](Document& c, bool, bool) {
        setGraduationOutside(c, graph_->scaleButtons().outside->isChecked());
    });
    on(b.graduation, [](Document& c, bool, bool shift) { stepGraduation(c, shift); });
    on(b.labelSize, [](Document& c, bool, bool shift) { stepLabelSize(c, shift); });
    on(b.xFiner, [](Document& c, bool ctrl, bool) { finerGrid(c, ScaleAxis::X, ctrl); });
    on(b.yFiner, [](Document& c, bool ctrl, bool) { finerGrid(c, ScaleAxis::Y, ctrl); });
    on(b.xCoarser, [](Document& c, bool ctrl, bool) { coarserGrid(c, ScaleAxis::X, ctrl); });
    on(b.yCoarser, [](Document& c, bool ctrl, bool) { coarserGrid(c, ScaleAxis::Y, ctrl); });
    // "Opción" opens the options as the menu item does, and only when that can.
    QAction* options = dataPanel_->action("EditOptions");
    connect(graph_->optionsButton(), &QAction::triggered, options, &QAction::trigger);
    graph_->optionsButton()->setEnabled(options->isEnabled());
    connect(options, &QAction::enabledChanged, graph_->optionsButton(), &QAction::setEnabled);
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
            QAction* a = dataPanel_->action(name);
            if (a->isEnabled()) a->trigger();
        };
    };
    const auto copyGraph = [this] { copyPicture(); };
    GraphContextMenu::Commands menu;
    menu.openProperties = [this](CategoryPanel panel, int n) { dialogs_->open(panel, n); };
    menu.makeAfterimage = [this] {
        picture_->leaveAfterimageNow();
        repaintGraph();
    };
    menu.clearAfterimages = [this] {
        objects_->document.clearAfterimages();
        repaintGraph();
    };
    menu.copyGraph = copyGraph;
    menu.print = menuCommand("FilePrint");
    menu.canPrint = [this] { return dataPanel_->action("FilePrint")->isEnabled(); };
    menu.newObjects = &objects_->objectDefaults;
    new GraphContextMenu(
        *graph_, *mouse_, [this]() -> Document& { return context(); }, *picture_, std::move(menu));
    // Alt with an arrow steps the first parameter on show as Ctrl with the arrow does in its
    // edit, which takes the focus.
    const auto toDataPanel = [this](int arrowKey) {
        QLineEdit* edit = dataPanel_->firstParameterEdit();
        if (!edit) return;
        dataPanel_->activateWindow();
        edit->setFocus(Qt::ShortcutFocusReason);
        QKeyEvent press(QEvent::KeyPress, arrowKey, Qt::ControlModifier);
        QApplication::sendEvent(edit, &press);
    };
    new GraphKeys(*graph_,
                  {menuCommand("EditUndo"), menuCommand("EditRedo"), menuCommand("FileSave"),
                   menuCommand("FileOpen"), menuCommand("FilePrint"), copyGraph, toDataPanel});
}

Program::~Program() {
    dialogs_.reset(); // its dialogs use the palette and the calculator
    options_.reset();
    objects_->document.viewHistory.changed = nullptr; // its buttons go with the graph window
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) delete *it;
}

void Program::createDataPanel(int splashMilliseconds) {
    auto* splash = new VersionWindow;
    splash->show();
    waitProcessingEvents(splashMilliseconds);
    objects_->document.project.appFolder = encodePath(QCoreApplication::applicationDirPath() + '/');

    // The graph window takes the work area's height; its drawing area is what is left beside
    // the rows of buttons and the status bar, at most 1200 pixels, and the preferred drawing
    // width the same unless the settings store holds one.
    const Rect screen = availableScreen();
    graph_->resize(graph_->width(), screen.height());
    const int barsHeight = graph_->statusBar()->sizeHint().height() + graph_->toolBarsHeight();
    drawingHeight_ = std::min(screen.height() - barsHeight - 8 - 40, kMaxDrawingHeight);
    dataPanel_->refreshAll();
    arrangeWindows();
    delete splash;
}

Document& Program::context() {
    return objects_->document;
}

ViewDefaults Program::viewDefaults() const {
    DrawingSizes sizes;
    sizes.height = std::max(drawingHeight_, 150);
    sizes.width = preferredDrawingWidth(objects_->settings).value_or(sizes.height);
    sizes.screenWidth = availableScreen().width();
    sizes.dataPanelWidth = dataPanel_->width();
    return readViewDefaults(objects_->settings, sizes, objects_->document.view.yAxis.pixelLength);
}

void Program::start(const QStringList& arguments) {
    ProgramObjects& o = *objects_;
    readDefaults(o.settings, {o.document.project.engine, o.document.project.settings,
                              o.document.view, o.objectDefaults});
    o.document.view.resetFromDefaults(0, true, viewDefaults());
    o.document.view.resetView();
    o.document.view.fillXSamples();
    o.document.clearUndoHistories();
    for (QWidget* w : {static_cast<QWidget*>(graph_), static_cast<QWidget*>(dataPanel_)}) w->show();
    graph_->setPaletteHides(o.state.controlPalette);
    // On a screen of another density the picture is drawn again for it.
    connect(graph_->windowHandle(), &QWindow::screenChanged, this, [this] { repaintGraph(); });
    repaintGraph();
    arrangeWindows();
    openFromCommandLine(arguments);
}

bool Program::askToClose() {
    ProgramObjects& o = *objects_;
    dataPanel_->parameterPanel()->commitPendingValues();
    const bool close =
        !o.document.project.modified ||
        o.document.messages.show(shownMessage("Program.quitQuestion"), MessageKind::Warning, true);
    o.state.graphIsLeft = frames().graphIsLeft;
    o.state.presentationMode = o.document.view.presentationMode;
    writeAppState(o.settings, o.state);
    if (close) {
        for (QWidget* w : windows_)
            if (w != graph_) w->hide();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return close;
}

MainWindowFrames Program::frames() const {
    return {toRect(graph_->frameGeometry()), toRect(dataPanel_->frameGeometry()),
            objects_->state.graphIsLeft};
}

void Program::applyFrames(const MainWindowFrames& f) {
    arranging_ = true;
    graph_->move(f.graph.left, f.graph.top);
    dataPanel_->move(f.panel.left, f.panel.top);
    // The frames are whole windows; a size is given without the title bar and borders.
    const int frameHeight = dataPanel_->frameGeometry().height() - dataPanel_->height();
    dataPanel_->resize(dataPanel_->width(), std::max(150, f.panel.height() - frameHeight));
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
    const QWidget& window =
        moved == MovedWindow::Graph ? static_cast<QWidget&>(*graph_) : *dataPanel_;
    keepWindowsTogether(f, moved, availableScreenOf(window),
                        objects_->document.view.presentationMode);
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
    View& view = objects_->document.view;
    const int scale = pictureScale(screenDensity ? screenDensity() : graph_->devicePixelRatioF());
    if (scale != drawnScale_) picture_->markEverythingDirty();
    drawnScale_ = scale;
    RedrawBudget budget(*graph_, redrawClock_);
    picture_->setBudget(&budget);
    picture_->setWindowOverlays(openWindows());
    picture_->recompute();
    QtImageCanvas canvas(std::max(view.xAxis.pixelLength, 1) * scale,
                         std::max(view.yAxis.pixelLength, 1) * scale);
    picture_->draw(canvas, surfaces_, scale);
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
    graph_->showPicture(background.isOn()
                            ? background.composeUnder(
                                  drawing, objects_->document.project.settings.backgroundStretch)
                            : drawing,
                        shown);
    graph_->fitToPicture();
    graph_->setProjectTitle(decodePath(objects_->document.project.projectPath));
    graph_->scaleButtons().outside->setChecked(view.axisOn);
    showDomainText();
    refreshAuxiliaryWindows();
    if (export_) export_->saveNextPicture();
}

void Program::showDomainText() {
    const ProgramObjects& o = *objects_;
    const EngineSettings& e = o.document.project.engine;
    const std::string between = std::string(" ") + e.listSeparatorChar + " ";
    graph_->statusText()->setText(toQString(domainText(o.document.view, between, e.decimalChar)));
}

// A double click on a parameter's value or step edits it in the calculator.
void Program::connectParameterEditors() {
    ParameterPanel* panel = dataPanel_->parameterPanel();
    const auto ctx = [this]() -> Document& { return context(); };
    panel->editValueRequested = [this, panel, ctx](int i) {
        const char c = parameterLetter(i);
        const QString letter = c == '@' ? QString(QChar(0x3B8)) : QString(QChar(c));
        const Extended value = objects_->document.project.parameters[i].value;
        calc_->open(
            numberRequest(ctx, letter + "=",
                          formatGeneral(value, 15, objects_->document.project.engine.decimalChar),
                          [this, panel, i](Extended v, const std::string&) {
                              if (panel->setParameter(i, v)) repaintGraph();
                          }));
    };
    panel->editStepRequested = [this, panel, ctx](int i) {
        const Extended step = objects_->document.project.parameters[i].step;
        calc_->open(numberRequest(
            ctx, "Step=", formatGeneral(step, 15, objects_->document.project.engine.decimalChar),
            [panel, i](Extended v, const std::string&) { panel->setStep(i, v); }));
    };
}

void Program::ViewChanges::viewAboutToChange(const View& view) {
    program->objects_->document.viewHistory.push(view);
}

void Program::ViewChanges::redraw() {
    program->repaintGraph();
}

} // namespace tarlix
