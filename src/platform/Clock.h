#pragma once
// The millisecond tick count that animation, script waits and progress reports measure time
// with. Only differences between two readings mean anything.

#include <cstdint>

namespace tarlix {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t tickCount() const = 0;
};

// A clock for tests: it shows the time it is set to, and moves on by a fixed step after every
// reading when one is given, so that code waiting on the clock comes to an end.
class FakeClock : public Clock {
public:
    explicit FakeClock(std::int64_t start = 0, std::int64_t stepPerReading = 0)
        : now_(start), step_(stepPerReading) {}
    std::int64_t tickCount() const override {
        const std::int64_t t = now_;
        now_ += step_;
        return t;
    }
    void set(std::int64_t now) { now_ = now; }
    void advance(std::int64_t ms) { now_ += ms; }
    void setStepPerReading(std::int64_t step) { step_ = step; }

private:
    mutable std::int64_t now_;
    std::int64_t step_;
};

} // namespace tarlix
