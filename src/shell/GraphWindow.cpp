#include "shell/GraphWindow.h"
#include "shell/ControlPalette.h"
#include "shell/ShownTexts.h"
#include "shell/TitleBarWatch.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

namespace tarlix {

GraphImageWidget::GraphImageWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void GraphImageWidget::setFeedback(const DragFeedback& feedback) {
    feedback_ = feedback;
    update();
}

void GraphImageWidget::setPointerTick(std::optional<QLine> tick) {
    if (tick == tick_) return;
    tick_ = tick;
    update();
}

// The image may be denser than the screen's pixels; the widget takes its size on the screen.
void GraphImageWidget::setImage(const QImage& image) {
    image_ = image;
    setFixedSize(sizeHint());
    update();
}

QSize GraphImageWidget::sizeHint() const {
    const QSize shown = image_.deviceIndependentSize().toSize();
    return shown.isEmpty() ? QSize(400, 400) : shown;
}

void GraphImageWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    using Kind = DragFeedback::Kind;
    const DragFeedback& f = feedback_;
    if (f.kind == Kind::Shift) {
        p.drawImage(f.x1 - f.x0, f.y1 - f.y0, image_);
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 3));
        p.drawRect(QRect(f.x1 - f.x0, f.y1 - f.y0, width() - 1, height() - 1));
        return;
    }
    if (tick_ && !image_.isNull()) {
        // A white line by XOR on a copy: it shows on any colour and leaves the picture as it
        // was once the pointer moves on.
        QImage marked = image_.convertToFormat(QImage::Format_RGB32);
        QPainter x(&marked);
        x.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        x.setPen(QPen(Qt::white, 0));
        x.drawLine(*tick_);
        x.end();
        p.drawImage(0, 0, marked);
    } else if (!image_.isNull()) {
        p.drawImage(0, 0, image_);
    }
    p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 2));
    if (f.kind == Kind::Line) p.drawLine(f.x0, f.y0, f.x1, f.y1);
    if (f.kind == Kind::Marker) p.drawLine(f.x0, 0, f.x0, height() - 1);
    if (f.kind == Kind::Ring) p.drawEllipse(QPoint(f.x0, f.y0), 4, 4);
    if (f.kind == Kind::Rectangle) p.drawRect(QRect(QPoint(f.x0, f.y0), QPoint(f.x1, f.y1)));
}

namespace {
// The central widget: it asks for the room of the picture and its strips, and takes what the
// user gives the window.
class PlotHolder : public QWidget {
public:
    using QWidget::QWidget;
    QSize needed;
    QSize sizeHint() const override { return needed; }
    QSize minimumSizeHint() const override { return {kMinimumPlot, kMinimumPlot}; }
    static constexpr int kMinimumPlot = 60;
};
} // namespace

GraphWindow::GraphWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("GraphAreaForm");
    setWindowTitle(shownText("Graph.title"));
    auto* holder = new PlotHolder(this);
    plotPanel_ = new QWidget(holder);
    image_ = new GraphImageWidget(plotPanel_);
    image_->move(4, 4);
    xStrip_ = new GraphImageWidget(holder);
    yStrip_ = new GraphImageWidget(holder);
    xStrip_->hide();
    yStrip_->hide();
    setCentralWidget(holder);
    coordinates_ = new QLabel(this);
    coordinates_->setMinimumWidth(180);
    status_ = new QLabel(this);
    statusBar()->addWidget(coordinates_);
    statusBar()->addWidget(status_, 1);
    palette_ = new ControlPalette(this);
    setMenuWidget(palette_);
    createViewButtons();
    createBackgroundButtons();
    createHoverLabels();
    layOut(GraphStrips{});
    new TitleBarWatch(*this, [this] {
        if (moved) moved();
    });
}

GraphWindow::~GraphWindow() {
    if (pictureFilter_) image_->removeEventFilter(pictureFilter_);
}

void GraphWindow::watchPicture(QObject* filter) {
    pictureFilter_ = filter;
    image_->installEventFilter(filter);
}

// The area row holds the view's buttons, the tools row the mouse tools and the labels.
void GraphWindow::createViewButtons() {
    const auto button = [](QToolBar* bar, const char* key, const char* name) {
        QAction* a = bar->addAction(shownText(key));
        a->setObjectName(name);
        a->setToolTip(shownText(key));
        return a;
    };
    QToolBar* area = palette_->row(ControlPalette::Row::Area);
    QToolBar* tools = palette_->row(ControlPalette::Row::Tools);
    zoomIn_ = button(tools, "Graph.zoomIn", "sbtnzoom");
    zoomOut_ = button(tools, "Graph.zoomOut", "sbtnwide");
    pan_ = button(tools, "Graph.pan", "sbtnmove");
    connect_ = button(tools, "Graph.connectPoints", "mnseg");
    auto* group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : {zoomIn_, zoomOut_, pan_, connect_}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    tools->addSeparator();
    position_ = button(tools, "Graph.showPosition", "sbShowPosition");
    equation_ = button(tools, "Graph.showEquation", "sbShowEquation");
    position_->setCheckable(true);
    equation_->setCheckable(true);
    calculator_ = button(tools, "Palette.calculator", "sbcalc");
    calculator_->setCheckable(true);
    integral_ = button(tools, "Palette.integral", "sbIvalue");
    integral_->setToolTip(shownText("Palette.integralHint"));
    values_ = button(tools, "Palette.values", "sbYvalue");
    values_->setToolTip(shownText("Palette.valuesHint"));
    for (QAction* a : {integral_, values_}) a->setCheckable(true);

    square_ = button(area, "Graph.square", "sbSquare");
    undoView_ = button(area, "Graph.undoView", "tbUndo");
    redoView_ = button(area, "Graph.redoView", "tbRedo");
    undoView_->setEnabled(false);
    redoView_->setEnabled(false);
    area->addSeparator();
    options_ = button(area, "Palette.options", "btnOption");

    QToolBar* scale = palette_->row(ControlPalette::Row::Scale);
    const auto scaleButton = [&](const char* key, const char* hintKey, const char* name) {
        QAction* a = button(scale, key, name);
        a->setToolTip(shownText(hintKey));
        return a;
    };
    ScaleButtons& b = scale_;
    b.outside = scaleButton("Scale.outside", "Scale.outside", "tbAxisOn");
    b.outside->setCheckable(true);
    b.graduation = scaleButton("Scale.graduation", "Scale.graduation", "btnSon");
    b.labelSize = scaleButton("Scale.labelSize", "Scale.labelSize", "sbLsize");
    b.xFiner = scaleButton("Scale.xFiner", "Scale.finer", "btnXn");
    b.xCoarser = scaleButton("Scale.xCoarser", "Scale.coarser", "btnXW");
    b.yFiner = scaleButton("Scale.yFiner", "Scale.finer", "btnYn");
    b.yCoarser = scaleButton("Scale.yCoarser", "Scale.coarser", "btnYW");

    // A new tab releases the zoom and pan tools.
    connect(palette_->tabs(), &QTabWidget::currentChanged, this, [this] {
        for (QAction* a : {zoomIn_, zoomOut_, pan_})
            if (a->isChecked()) a->setChecked(false);
    });
}

// The labels lie over the picture and let the mouse through to it.
void GraphWindow::createHoverLabels() {
    positionLabel_ = new QLabel(image_);
    positionLabel_->setObjectName("labelCoodinates");
    positionLabel_->setAutoFillBackground(true);
    equationLabel_ = new QLabel(image_);
    equationLabel_->setObjectName("CoImage");
    for (QLabel* l : {positionLabel_, equationLabel_}) {
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->hide();
    }
}

void GraphWindow::createBackgroundButtons() {
    QToolBar* bar = palette_->row(ControlPalette::Row::Background);
    const auto button = [this](const char* key, const char* name) {
        auto* a = new QAction(shownText(key), this);
        a->setObjectName(name);
        a->setToolTip(shownText(key));
        return a;
    };
    BackgroundButtons& b = background_;
    b.fromFile = button("Graph.backgroundFromFile", "mnBGFile");
    b.fromClipboard = button("Graph.backgroundFromClipboard", "mnBGClip");
    auto* paste = new QMenu(this);
    paste->addActions({b.fromFile, b.fromClipboard});
    QAction* pasteButton = bar->addAction(shownText("Graph.pasteBackground"));
    pasteButton->setObjectName("SbbImgepast");
    pasteButton->setMenu(paste);
    connect(pasteButton, &QAction::triggered, b.fromFile, &QAction::trigger);

    b.stretch = button("Graph.stretchBackground", "sbStretch");
    b.stretch->setCheckable(true);
    auto* modes = new QMenu(this);
    const char* modeKeys[] = {"Graph.stretchWidth", "Graph.stretchHeight", "Graph.stretchAll"};
    const char* modeNames[] = {"Nwidth", "NHeight", "NAll"};
    auto* group = new QActionGroup(this);
    for (int i = 0; i < 3; ++i) {
        b.modes[i] = button(modeKeys[i], modeNames[i]);
        b.modes[i]->setCheckable(true);
        b.modes[i]->setData(i + 1);
        group->addAction(b.modes[i]);
        modes->addAction(b.modes[i]);
    }
    b.stretch->setMenu(modes);
    bar->addAction(b.stretch);
    b.off = button("Graph.backgroundOff", "sbbImageOff");
    bar->addAction(b.off);
}

void GraphWindow::showPicture(const QImage& picture, const GraphStrips& strips) {
    image_->setImage(picture);
    xStrip_->setImage(strips.x);
    yStrip_->setImage(strips.y);
    xStrip_->setVisible(!strips.x.isNull());
    yStrip_->setVisible(!strips.y.isNull());
    layOut(strips);
}

// The plot's panel is the picture with a 4-pixel border; each shown strip lies against the
// panel on its side, lined up with the picture.
void GraphWindow::layOut(const GraphStrips& strips) {
    const QSize panel = image_->size() + QSize(8, 8);
    const int yWidth = strips.y.isNull() ? 0 : yStrip_->width();
    const int xHeight = strips.x.isNull() ? 0 : xStrip_->height();
    const int panelLeft = strips.yRight ? 0 : yWidth;
    const int panelTop = strips.xAbove ? xHeight : 0;
    plotPanel_->setGeometry(panelLeft, panelTop, panel.width(), panel.height());
    yStrip_->move(strips.yRight ? panel.width() : 0, panelTop + 4);
    xStrip_->move(panelLeft + 4, strips.xAbove ? 0 : panelTop + panel.height());
    strips_ = QSize(yWidth, xHeight);
    static_cast<PlotHolder*>(centralWidget())->needed = panel + strips_;
    centralWidget()->updateGeometry();
}

void GraphWindow::setPointerTicks(std::optional<QPoint> at) {
    if (!at) {
        xStrip_->setPointerTick(std::nullopt);
        yStrip_->setPointerTick(std::nullopt);
        return;
    }
    xStrip_->setPointerTick(QLine(at->x(), 0, at->x(), xStrip_->height() - 1));
    yStrip_->setPointerTick(QLine(0, at->y(), yStrip_->width() - 1, at->y()));
}

int GraphWindow::toolBarsHeight() const {
    return palette_->takesRoom() ? palette_->sizeHint().height() : 0;
}

void GraphWindow::setPaletteHides(bool hides) {
    palette_->setHides(hides, centralWidget());
    fitToPicture();
}

void GraphWindow::fitToPicture() {
    if (centralWidget()->size() == centralWidget()->sizeHint()) return;
    resize(sizeHint());
}

void GraphWindow::takeWindowSize() {
    const QSize plot = centralWidget()->size() - strips_ - QSize(8, 8);
    if (plotResized && plot != image_->size() && plot.width() > 0 && plot.height() > 0)
        plotResized(plot.width(), plot.height());
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    palette_->arrangeFor(width());
    if (sizeChanged) sizeChanged(event->oldSize().width());
    // Only the user's sizes: those the window takes to fit its picture change no view.
    if (event->spontaneous()) QTimer::singleShot(0, this, [this] { takeWindowSize(); });
}

void GraphWindow::setProjectTitle(const QString& projectPath) {
    setWindowTitle(projectPath.isEmpty()
                       ? shownText("Graph.title")
                       : shownText("Graph.titleBeforeFile") + QFileInfo(projectPath).fileName());
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    if (canClose && !canClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void GraphWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (moved) moved();
}

} // namespace tarlix
