#include "shell/GraphMouseEvents.h"

#include "platform/qt/QtText.h"
#include "shell/ControlPalette.h"
#include "shell/GraphWindow.h"
#include "shell/HoverLabels.h"
#include "shell/ShownTexts.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QWheelEvent>

namespace tarlix {

namespace {

constexpr int kBurstPause = 400; // ms without a wheel turn or size that ends the burst
constexpr double kNotch = 120;   // wheel angle units of one notch

MouseKeys keysOf(Qt::KeyboardModifiers m) {
    return {m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier)};
}

MouseButton buttonOf(Qt::MouseButton b) {
    if (b == Qt::RightButton) return MouseButton::Right;
    return b == Qt::MiddleButton ? MouseButton::Middle : MouseButton::Left;
}

} // namespace

GraphMouseEvents::GraphMouseEvents(GraphWindow& window, GraphMouse& mouse)
    : QObject(&window), window_(window), mouse_(mouse), picture_(window.graphImage()) {
    window.watchPicture(this);
    burstEnd_.setSingleShot(true);
    burstEnd_.setInterval(kBurstPause);
    connect(&burstEnd_, &QTimer::timeout, this, [this] { mouse_.endBurst(); });
    for (QAction* a :
         {window.zoomInTool(), window.zoomOutTool(), window.panTool(), window.connectTool()})
        connect(a, &QAction::toggled, this, [this] { chooseTool(); });
    connect(window.squareButton(), &QAction::triggered, this, [this] { mouse_.squareScales(); });
    connect(window.undoViewButton(), &QAction::triggered, this, [this] { mouse_.undoView(); });
    connect(window.redoViewButton(), &QAction::triggered, this, [this] { mouse_.redoView(); });
}

void GraphMouseEvents::showViewHistory(bool canUndo, bool canRedo) {
    window_.undoViewButton()->setEnabled(canUndo);
    window_.redoViewButton()->setEnabled(canRedo);
}

void GraphMouseEvents::resized(int width, int height) {
    mouse_.resize(width, height);
    burstEnd_.start();
}

void GraphMouseEvents::chooseTool() {
    GraphTool tool = GraphTool::None;
    if (window_.zoomInTool()->isChecked()) tool = GraphTool::ZoomIn;
    if (window_.zoomOutTool()->isChecked()) tool = GraphTool::ZoomOut;
    if (window_.panTool()->isChecked()) tool = GraphTool::Pan;
    if (window_.connectTool()->isChecked()) tool = GraphTool::Connect;
    mouse_.setTool(tool);
    showStatusHint();
}

bool GraphMouseEvents::eventFilter(QObject* watched, QEvent* event) {
    if (watched != picture_) return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(event);
        pointerMoved(e->position(), e->modifiers());
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto* e = static_cast<QMouseEvent*>(event);
        const QPoint at = e->position().toPoint();
        if (hoverLabels) hoverLabels->hide();
        mouse_.press(buttonOf(e->button()), keysOf(e->modifiers()), at.x(), at.y());
        showFeedback();
        showStatusHint();
        // The right button goes on to the picture, which leaves it to the context menu.
        return e->button() != Qt::RightButton;
    }
    case QEvent::MouseButtonRelease: {
        const auto* e = static_cast<QMouseEvent*>(event);
        const QPoint at = e->position().toPoint();
        mouse_.release(buttonOf(e->button()), keysOf(e->modifiers()), at.x(), at.y());
        showFeedback();
        window_.graphImage()->setCursor(Qt::CrossCursor);
        showStatusHint();
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        mouse_.doubleClick(at.x(), at.y());
        return true;
    }
    case QEvent::Wheel: {
        const auto* e = static_cast<QWheelEvent*>(event);
        const QPoint at = e->position().toPoint();
        const QPoint angle = e->angleDelta();
        const int delta = angle.y() != 0 ? angle.y() : angle.x();
        mouse_.wheel(keysOf(e->modifiers()), at.x(), at.y(), delta / kNotch);
        burstEnd_.start();
        return true;
    }
    case QEvent::Leave:
        window_.setPointerTicks(std::nullopt);
        if (hoverLabels) hoverLabels->hide();
        return false;
    default:
        return false;
    }
}

void GraphMouseEvents::pointerMoved(const QPointF& position, Qt::KeyboardModifiers modifiers) {
    const QPoint at = position.toPoint();
    window_.setPointerTicks(at);
    window_.coordinateText()->setText(toQString(mouse_.coordinateText(at.x(), at.y())));
    if (mouse_.dragging()) {
        mouse_.move(keysOf(modifiers), at.x(), at.y());
        showFeedback();
    } else {
        const PointerShape shape = mouse_.hover(at.x(), at.y());
        window_.graphImage()->setCursor(shape == PointerShape::PickUp   ? Qt::OpenHandCursor
                                        : shape == PointerShape::Point  ? Qt::PointingHandCursor
                                        : shape == PointerShape::Marker ? Qt::SizeHorCursor
                                                                        : Qt::CrossCursor);
        if (hoverLabels) hoverLabels->pointerAt(at.x(), at.y(), shape);
        window_.palette()->pointerAt(at.y());
    }
    showStatusHint();
}

void GraphMouseEvents::showStatusHint() {
    switch (mouse_.statusHint()) {
    case StatusHint::SnapToVertex:
        window_.statusText()->setText(shownText("Graph.snapToVertex"));
        break;
    case StatusHint::SnapToGrid:
        window_.statusText()->setText(shownText("Graph.snapToGrid"));
        break;
    case StatusHint::ZoomKeys:
        window_.statusText()->setText(shownText("Graph.zoomKeys"));
        break;
    case StatusHint::Domain:
        if (showDomainText) showDomainText();
        break;
    }
}

void GraphMouseEvents::showFeedback() {
    window_.graphImage()->setFeedback(mouse_.feedback());
}

} // namespace tarlix
