// The definite-integral and function-value windows of the program: opened and closed by the
// graph window's buttons (one closing the other), their marks on the picture, their markers
// under the mouse, their expressions in the formula editor and their places between openings.

#include "document/WindowSettingsEdit.h"
#include "shell/CalculatorWindow.h"
#include "shell/DataPanel.h"
#include "shell/GraphMouse.h"
#include "shell/GraphWindow.h"
#include "shell/HintRelay.h"
#include "shell/IntegralWindow.h"
#include "shell/Program.h"
#include "shell/ValueWindow.h"

#include <QAction>
#include <QApplication>
#include <QScreen>

#include <algorithm>

namespace tarlix {

namespace {

// Moves the window to at, or as near as keeps all of it, its frame included, on the screen.
void moveOnScreen(QWidget* window, QPoint at, const QWidget* reference) {
    window->adjustSize();
    // Before its first showing the frame is not known: room for a title bar is kept.
    const QSize frame = (window->frameGeometry().size() - window->size()).expandedTo(QSize(8, 30));
    const QSize whole = window->size() + frame;
    if (const QScreen* screen = reference->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - whole.width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - whole.height())));
    }
    window->move(at);
}

// A window opens where it was last closed, else beside the graph window's top right corner.
void place(QWidget* window, const std::optional<QPoint>& last, const QWidget* graph) {
    window->adjustSize();
    moveOnScreen(window,
                 last.value_or(graph->geometry().topRight() - QPoint(window->width() + 16, -80)),
                 graph);
}

} // namespace

IntegralWindow* Program::integralWindow() const {
    return integralWindow_;
}

ValueWindow* Program::valueWindow() const {
    return valueWindow_;
}

void Program::connectAuxiliaryWindows() {
    connect(graph_->integralButton(), &QAction::triggered, this,
            [this](bool open) { showIntegralWindow(open); });
    connect(graph_->valuesButton(), &QAction::triggered, this,
            [this](bool open) { showValueWindow(open); });
    mouse_->markerWindows = [this] { return draggableMarkers(); };
}

MarkerWindows Program::openWindows() const {
    return {valueWindow_ && valueWindow_->isVisible(),
            integralWindow_ && integralWindow_->isVisible()};
}

// A marker whose expression is in the formula editor stays where the editor will put it.
MarkerWindows Program::draggableMarkers() const {
    const MarkerWindows open = openWindows();
    return {open.valueWindow && !editingX_, open.integralWindow && !editingLimit_};
}

void Program::refreshAuxiliaryWindows() {
    if (integralWindow_) integralWindow_->refresh();
    if (valueWindow_) valueWindow_->refresh();
}

void Program::showIntegralWindow(bool open) {
    graph_->integralButton()->setChecked(open);
    if (!open) {
        if (integralWindow_) integralWindow_->close();
        return;
    }
    if (integralWindow_) {
        integralWindow_->raise();
        return;
    }
    if (valueWindow_) valueWindow_->close();
    const auto ctx = [this]() -> Document& { return context(); };
    integralWindow_ = new IntegralWindow(ctx, graph_);
    integralWindow_->editLimit = [this](Marker limit, const QString& title) {
        editWindowExpression(
            title, markerExpression(objects_->document.project, limit).source, kModePlain,
            [limit](Document& c, const std::string& text) { setMarkerText(c, limit, text); },
            editingLimit_);
    };
    integralWindow_->closed = [this] {
        integralPlace_ = integralWindow_->pos();
        editingLimit_ = false;
        graph_->integralButton()->setChecked(false);
        integralWindow_->hide();
        repaintGraph();
    };
    if (hints_) hints_->watchWindow(integralWindow_);
    place(integralWindow_, integralPlace_, graph_);
    integralWindow_->show();
    repaintGraph();
}

void Program::showValueWindow(bool open) {
    graph_->valuesButton()->setChecked(open);
    if (!open) {
        if (valueWindow_) valueWindow_->close();
        return;
    }
    if (valueWindow_) {
        valueWindow_->raise();
        return;
    }
    if (integralWindow_) integralWindow_->close();
    const auto ctx = [this]() -> Document& { return context(); };
    valueWindow_ = new ValueWindow(ctx, graph_);
    valueWindow_->editExpression = [this](int row, const QString& title) {
        const ValueWindowState& w = objects_->document.project.valueWindow;
        if (row == 0)
            editWindowExpression(
                title, w.x.source, kModePlain,
                [](Document& c, const std::string& text) { setMarkerText(c, Marker::ValueX, text); },
                editingX_);
        else
            editWindowExpression(
                title, w.valueFunctions[row].source, kModeExplicit,
                [row](Document& c, const std::string& text) { setValueRowText(c, row, text); },
                editingX_);
    };
    valueWindow_->activated = [this] { dataPanel_->refreshAll(); };
    valueWindow_->closed = [this] {
        valuePlace_ = valueWindow_->pos();
        editingX_ = false;
        graph_->valuesButton()->setChecked(false);
        valueWindow_->hide();
        repaintGraph();
    };
    if (hints_) hints_->watchWindow(valueWindow_);
    place(valueWindow_, valuePlace_, graph_);
    valueWindow_->show();
    repaintGraph();
}

// The calculator edits the expression as a formula editor, over the window that asked.
void Program::editWindowExpression(const QString& title, const std::string& text, int mode,
                                   std::function<void(Document&, const std::string&)> store,
                                   bool& editing) {
    CalculatorRequest r;
    r.label = title;
    r.text = text;
    r.mode = mode;
    bool* flag = &editing;
    r.send = [this, store, flag](const std::string& sent) {
        *flag = false;
        store(context(), sent);
        return true;
    };
    r.left = [flag] { *flag = false; };
    editing = true;
    // Over the window that asked, which stays on top, and wholly on the screen.
    if (!calc_->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        calc_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (QWidget* asking = QApplication::activeWindow(); asking && !calc_->isVisible())
        moveOnScreen(calc_, asking->frameGeometry().bottomLeft() + QPoint(0, 8), graph_);
    calc_->open(r);
    if (!calc_->frameGeometry().isEmpty())
        moveOnScreen(calc_, calc_->frameGeometry().topLeft(), graph_);
    calc_->raise();
    calc_->activateWindow();
}

} // namespace tarlix
