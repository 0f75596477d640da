#pragma once
// How parameters step: one step up or down (additive or multiplicative, finer with Shift),
// synchronised partners, the step and mode rules, the ratio ladder, the animation speed and
// the timing of a held step button. The data panel, the keyboard and scripts all step through
// these rules.

#include "document/Project.h"
#include "platform/Clock.h"
#include "view/RedrawState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace tarlix {

inline constexpr int firstDelay = 500; // wait after the first step of a held button, ms
inline constexpr int BasePeriod = 80;  // the period of the middle speed position, ms
inline constexpr int kSpeedPositions = 20;

// The steps offered by the ratio buttons, largest first.
inline constexpr std::array<Extended, 19> kStepLadder{
    1000.0L, 500.0L, 200.0L, 100.0L, 50.0L, 20.0L, 10.0L,  5.0L,   2.0L,  1.0L,
    0.5L,    0.2L,   0.1L,   0.05L,  0.02L, 0.01L, 0.005L, 0.002L, 0.001L};

// The value of p after one step. finer: Shift is held (a tenth of the increment, the tenth
// root of the factor). additive results within Step x 1e-8 of a whole number become it, so
// that ten steps of 0.1 from 1 land on 2. A step whose result is not a finite number leaves
// the value as it is.
Extended steppedValue(const ParameterRec& p, bool up, bool finer);

// Steps parameter index (1..14) and, when it is synchronised, every other synchronised
// parameter in the same direction. Returns the parameters whose value changed.
std::vector<int> stepParameters(ParamTable& table, int index, bool up, bool finer);

// The ratio buttons: the next ladder step above or below; a step beyond the ladder's end
// stays as it is.
Extended ratioUp(Extended step);
Extended ratioDown(Extended step);

// The step rule: 0 keeps the step; a factor is taken without its sign. True when Step changed.
bool applyStep(ParameterRec& p, Extended x);

// The mode button: to additive the step becomes Step - 1; to multiplicative it stays when
// greater than 1, else becomes Step + 1; a result of 0 keeps the old step.
void toggleStepMode(ParameterRec& p);

// The speed bar: position 0 repeats nothing (period 0), 20 is 1 ms, and every position in
// between 8 ms faster than the one before; speedPosition is the bar position of a period.
int setAnimationSpeed(int position);
int speedPosition(int period);

// The operations on the project. Each marks exactly the objects that use a changed letter and
// sets modified; while afterimages are on a change also asks for a trace redraw.
// StepParameter's core: direction 1 steps up, anything else down. Returns the changed
// parameters.
std::vector<int> stepParameter(Project& project, RedrawState& redraw, int index, int direction,
                               bool finer);
// True when the value differed.
bool setParameter(Project& project, RedrawState& redraw, int index, Extended value);
// The step, the mode and the ratio buttons; true when the step changed. The users of the
// letter are marked too, since expressions may read the step.
bool setStep(Project& project, RedrawState& redraw, int index, Extended x);
void toggleStepMode(Project& project, RedrawState& redraw, int index);
bool changeRatio(Project& project, RedrawState& redraw, int index, bool up);

// The held step button as a sequence of steps and waits; its owner runs a timer for each wait.
// The first step comes at once, the next firstDelay after it, the others animationPeriod apart,
// each wait measured from the start of the step before it. A period of 0 makes one step only.
class HeldStepLoop {
public:
    static constexpr int kStop = -1;

    HeldStepLoop(const Clock& clock, std::function<void()> step)
        : clock_(&clock), step_(std::move(step)) {}

    // The button went down: steps once and returns the wait before the next step, or kStop.
    int press(int period);
    // The wait is over: steps again while the button is held with the pointer on it.
    int resume(bool held, int period);
    void stop() { running_ = false; }
    bool running() const { return running_; }
    void setClock(const Clock& clock) { clock_ = &clock; }

private:
    int stepThenWait(int wait, int period);

    const Clock* clock_;
    std::function<void()> step_;
    bool running_ = false;
};

} // namespace tarlix
