#pragma once
// The held step button of a parameter row: the first step at once, then one step per period
// while the button stays held, driven by a single-shot timer so that the event loop keeps
// running. A released mouse button ends it at once; Escape or F1 stop it; a pointer that has
// left the button ends it at the next step.

#include "document/ParameterStepping.h"
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "platform/qt/QtTimer.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractButton;

namespace tarlix {

class ParameterAnimation : public QObject {
    Q_OBJECT
public:
    explicit ParameterAnimation(const Clock& clock, QObject* parent = nullptr);
    ~ParameterAnimation() override;

    // Starts the loop of button: step runs now and at every further tick; period is read
    // before every wait (0: a single step).
    void start(QAbstractButton* button, std::function<void()> step, std::function<int()> period);
    void stop();
    bool running() const { return loop_.running(); }
    // The clock and the timer of the waits between steps (tests give fakes that move on
    // without sleeping); both outlive the animation.
    void setTimeSource(const Clock& clock, Timer& timer);

    std::function<void(bool running)> runningChanged; // memo boxes on the graph hide meanwhile

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void schedule(int wait);
    void tick();
    void finish();

    HeldStepLoop loop_;
    QtTimer qtTimer_;
    Timer* timer_ = &qtTimer_;
    QPointer<QAbstractButton> button_;
    std::function<void()> step_;
    std::function<int()> period_;
    bool filtering_ = false;
};

} // namespace tarlix
