#include "shell/GraphKeys.h"

#include <QKeyEvent>

namespace tarlix {

GraphKeys::GraphKeys(QObject& window, Commands commands)
    : QObject(&window), commands_(std::move(commands)) {
    window.installEventFilter(this);
}

const std::function<void()>* GraphKeys::commandFor(int key) const {
    switch (key) {
    case Qt::Key_Z:
        return &commands_.undo;
    case Qt::Key_Y:
        return &commands_.redo;
    case Qt::Key_S:
        return &commands_.save;
    case Qt::Key_O:
        return &commands_.open;
    case Qt::Key_P:
        return &commands_.print;
    case Qt::Key_C:
        return &commands_.copyGraph;
    default:
        return nullptr;
    }
}

bool GraphKeys::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool arrow = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                       key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
    if (arrow && key->modifiers().testFlag(Qt::AltModifier) && commands_.toDataPanel) {
        if (event->type() == QEvent::KeyPress) commands_.toDataPanel(key->key());
        return true;
    }
    const std::function<void()>* command = commandFor(key->key());
    if (!command) return false;
    if (event->type() == QEvent::KeyRelease) {
        if (!key->isAutoRepeat()) latched_ = false;
        return false;
    }
    if (!key->modifiers().testFlag(Qt::ControlModifier)) return false;
    if (!latched_ && *command) {
        latched_ = true;
        (*command)();
    }
    return true;
}

} // namespace tarlix
