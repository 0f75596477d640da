#pragma once
// The tick count on Qt: milliseconds since the clock was made.

#include "platform/Clock.h"

#include <QElapsedTimer>

namespace tarlix {

class QtClock : public Clock {
public:
    QtClock() { timer_.start(); }
    std::int64_t tickCount() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

} // namespace tarlix
