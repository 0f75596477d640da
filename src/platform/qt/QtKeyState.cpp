#include "platform/qt/QtKeyState.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tarlix {

QtKeyState::QtKeyState() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

QtKeyState::~QtKeyState() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool QtKeyState::isDown(Key key) const {
    switch (key) {
    case Key::Shift:
        return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    case Key::Ctrl:
        return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
    case Key::Escape:
        return escape_;
    case Key::F1:
        return f1_;
    case Key::LeftButton:
        return left_;
    case Key::RightButton:
        return right_;
    }
    return false;
}

bool QtKeyState::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* e = static_cast<QKeyEvent*>(event);
        const bool down = event->type() == QEvent::KeyPress;
        if (e->key() == Qt::Key_Escape) escape_ = down;
        if (e->key() == Qt::Key_F1) f1_ = down;
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const Qt::MouseButtons buttons = static_cast<QMouseEvent*>(event)->buttons();
        left_ = buttons.testFlag(Qt::LeftButton);
        right_ = buttons.testFlag(Qt::RightButton);
        break;
    }
    case QEvent::ApplicationDeactivate: // keys released elsewhere never reach us
        escape_ = f1_ = left_ = right_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarlix
