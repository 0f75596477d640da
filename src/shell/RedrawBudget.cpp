#include "shell/RedrawBudget.h"

#include "platform/qt/QtText.h"
#include "render/relation/ScanHooks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace tarlix {

namespace {
constexpr std::int64_t kQuietMilliseconds = 500; // a redraw this short shows nothing
constexpr std::int64_t kSliceMilliseconds = 100; // how often a long one lets the program breathe
constexpr int kEventMilliseconds = 20;           // and for how long at most

enum class Held { No, Deferred, Dropped };

// What would act on the project while the redraw reads it: input waits for the end of the
// redraw; timers fire again by themselves; a drag's data lives only while it is dropped.
Held heldBack(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Close:
        return Held::Deferred;
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Timer:
        return Held::Dropped;
    default:
        return Held::No;
    }
}
} // namespace

RedrawBudget::RedrawBudget(QWidget& captionWindow, const Clock& clock)
    : window_(captionWindow), clock_(clock), start_(clock.tickCount()) {}

void RedrawBudget::finish() {
    if (!showing_) return;
    showing_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
    window_.setWindowTitle(savedCaption_);
    for (auto& [receiver, event] : held_)
        if (receiver) QCoreApplication::postEvent(receiver, event.release());
    held_.clear();
}

bool RedrawBudget::check() {
    const std::int64_t now = clock_.tickCount() - start_;
    if (now < kQuietMilliseconds || (showing_ && now - lastSlice_ < kSliceMilliseconds))
        return stopAsked_;
    if (!showing_) {
        savedCaption_ = window_.windowTitle();
        QCoreApplication::instance()->installEventFilter(this);
        showing_ = true;
    }
    lastSlice_ = now;
    window_.setWindowTitle(savedCaption_ + toQString(scanProgressCaption({}, progress())));
    QCoreApplication::processEvents(QEventLoop::AllEvents, kEventMilliseconds);
    return stopAsked_;
}

bool RedrawBudget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_F1) {
            stopAsked_ = true;
            return true;
        }
    }
    const Held held = heldBack(event->type());
    if (held == Held::Deferred) held_.emplace_back(watched, event->clone());
    if (held != Held::No) return true;
    return QObject::eventFilter(watched, event);
}

} // namespace tarlix
