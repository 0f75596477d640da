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

// Input and timers that would act on the project while the redraw reads it.
bool heldBack(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close:
    case QEvent::Timer:
        return true;
    default:
        return false;
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
        if (key == Qt::Key_Escape || key == Qt::Key_F1) stopAsked_ = true;
    }
    if (heldBack(event->type())) return true;
    return QObject::eventFilter(watched, event);
}

} // namespace tarlix
