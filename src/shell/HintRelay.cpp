#include "shell/HintRelay.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace tarlix {

HintRelay::HintRelay(QLabel* statusLine, std::function<void()> restore, QObject* parent)
    : QObject(parent), statusLine_(statusLine), restore_(std::move(restore)) {
    qApp->installEventFilter(this);
}

void HintRelay::watchWindow(QWidget* window) {
    windows_.push_back(window);
    // A window that comes and goes (the integral and value windows) leaves the list with it.
    connect(window, &QObject::destroyed, this, [this, window] {
        windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
    });
}

bool HintRelay::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ToolTip && type != QEvent::Enter && type != QEvent::Leave) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || std::find(windows_.begin(), windows_.end(), widget->window()) == windows_.end())
        return false;
    if (type == QEvent::ToolTip) return !on_;
    const bool fromPanel = widget->window() == windows_.front();
    if (!fromPanel) return false;
    if (type == QEvent::Enter && on_ && !widget->toolTip().isEmpty()) {
        statusLine_->setText(widget->toolTip());
        showing_ = true;
    } else if (type == QEvent::Leave && showing_) {
        showing_ = false;
        if (restore_) restore_();
    }
    return false;
}

} // namespace tarlix
