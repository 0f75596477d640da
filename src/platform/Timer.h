#pragma once
// A single-shot wait: after start the timeout runs once when the wait is over, unless the wait
// is stopped or started anew before. The held step buttons wait on one between their steps.

#include "platform/Clock.h"

#include <cstdint>
#include <functional>

namespace tarlix {

class Timer {
public:
    virtual ~Timer() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    std::function<void()> timeout;
};

// A timer for tests on a FakeClock without a step per reading: advance moves the clock on and
// runs each timeout that falls due at its own time, so that nothing waits in real time.
class FakeTimer : public Timer {
public:
    explicit FakeTimer(FakeClock& clock) : clock_(clock) {}
    void start(int milliseconds) override {
        due_ = clock_.tickCount() + milliseconds;
        active_ = true;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    void advance(std::int64_t milliseconds) {
        const std::int64_t end = clock_.tickCount() + milliseconds;
        while (active_ && due_ <= end) {
            clock_.set(due_);
            active_ = false;
            if (timeout) timeout();
        }
        clock_.set(end);
    }

private:
    FakeClock& clock_;
    std::int64_t due_ = 0;
    bool active_ = false;
};

} // namespace tarlix
