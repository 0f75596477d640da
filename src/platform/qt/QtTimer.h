#pragma once
// The single-shot wait on Qt's event loop.

#include "platform/Timer.h"

#include <QTimer>

namespace tarlix {

class QtTimer : public Timer {
public:
    QtTimer() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (timeout) timeout();
        });
    }
    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace tarlix
