#include "shell/TitleBarWatch.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tarlix {

TitleBarWatch::TitleBarWatch(QWidget& window, std::function<void()> titleBarHidden)
    : QObject(&window), window_(window), hidden_(std::move(titleBarHidden)) {
    window.installEventFilter(this);
}

bool TitleBarWatch::titleBarHidden(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen && window.frameGeometry().top() < screen->availableGeometry().top();
}

bool TitleBarWatch::eventFilter(QObject* watched, QEvent* event) {
    // The window system's window exists once the widget is shown; its exposure comes after the
    // window manager framed it.
    if (watched == &window_ && event->type() == QEvent::Show && !shown_ && window_.windowHandle()) {
        shown_ = window_.windowHandle();
        shown_->installEventFilter(this);
    } else if (watched == shown_ && event->type() == QEvent::Expose && window_.isVisible() &&
               titleBarHidden(window_) && hidden_) {
        hidden_();
    }
    return false;
}

} // namespace tarlix
