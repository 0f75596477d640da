#pragma once
// The graph picture's mouse and wheel events and the view buttons, handed to the graph mouse;
// what it reports comes back as the pointer's shape, the status bar texts and the feedback
// drawn over the picture.

#include "shell/GraphMouse.h"

#include <QObject>
#include <QTimer>

namespace tarlix {

class GraphWindow;
class HoverLabels;

class GraphMouseEvents : public QObject {
    Q_OBJECT
public:
    // The graph mouse belongs to the caller and outlives this.
    GraphMouseEvents(GraphWindow& window, GraphMouse& mouse);

    // The view history changed: the undo and redo buttons follow it.
    void showViewHistory(bool canUndo, bool canRedo);
    // The user gave the picture a new size; a burst of sizes is one step of the view history.
    void resized(int width, int height);
    // The status bar's second panel when no hint replaces it.
    std::function<void()> showDomainText;
    // The floating labels beside the pointer; none in a window without them.
    HoverLabels* hoverLabels = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pointerMoved(const QPointF& at, Qt::KeyboardModifiers modifiers);
    void showStatusHint();
    void showFeedback();
    void chooseTool();

    GraphWindow& window_;
    GraphMouse& mouse_;
    // The picture watched; compared by address, since its events go on while the window that
    // holds it is being destroyed.
    QObject* picture_;
    QTimer burstEnd_; // a pause closes a burst of wheel turns or sizes
};

} // namespace tarlix
