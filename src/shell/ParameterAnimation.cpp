#include "shell/ParameterAnimation.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace tarlix {

ParameterAnimation::ParameterAnimation(const Clock& clock, QObject* parent)
    : QObject(parent), loop_(clock, [this] {
          if (step_) step_();
      }) {
    timer_->timeout = [this] { tick(); };
}

ParameterAnimation::~ParameterAnimation() {
    if (filtering_) QCoreApplication::instance()->removeEventFilter(this);
}

void ParameterAnimation::setTimeSource(const Clock& clock, Timer& timer) {
    stop();
    timer_->timeout = nullptr;
    loop_.setClock(clock);
    timer_ = &timer;
    timer_->timeout = [this] { tick(); };
}

void ParameterAnimation::start(QAbstractButton* button, std::function<void()> step,
                               std::function<int()> period) {
    stop();
    button_ = button;
    step_ = std::move(step);
    period_ = std::move(period);
    if (!filtering_ && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        filtering_ = true;
    }
    if (runningChanged) runningChanged(true);
    schedule(loop_.press(period_()));
}

void ParameterAnimation::stop() {
    if (!loop_.running() && !timer_->isActive()) return;
    loop_.stop();
    finish();
}

void ParameterAnimation::schedule(int wait) {
    if (wait == HeldStepLoop::kStop) {
        finish();
        return;
    }
    timer_->start(wait);
}

// Held means the mouse button is still down with the pointer on the step button.
void ParameterAnimation::tick() {
    schedule(loop_.resume(button_ && button_->isDown(), period_()));
}

void ParameterAnimation::finish() {
    timer_->stop();
    if (filtering_) {
        QCoreApplication::instance()->removeEventFilter(this);
        filtering_ = false;
    }
    if (button_) button_->setDown(false);
    button_.clear();
    if (runningChanged) runningChanged(false);
}

bool ParameterAnimation::eventFilter(QObject* watched, QEvent* event) {
    if (loop_.running()) {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonRelease) {
            stop();
        } else if (type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape || key == Qt::Key_F1) {
                stop();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarlix
