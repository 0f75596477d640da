#include "document/ParameterStepping.h"

#include "document/ProjectEdit.h"
#include "expression/eval/NumberText.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

// Two ladder steps count as equal when they differ in the twelfth digit only, so that a step
// read back from a file or typed as "0.1" still finds its neighbours.
constexpr Extended kLadderTolerance = 1e-12L;

bool isParameter(int index) {
    return index >= 1 && index <= kParameterCount;
}

// The mode button's arithmetic lands on the decimal the user sees, so that switching 0.1 to
// the factor 1.1 and back gives 0.1 again instead of 0.1 plus the rounding of 1.1.
Extended decimalRounded(Extended x) {
    const auto back = readNumber(formatGeneral(x, 15, '.'), '.');
    return back ? *back : x;
}

void markParameter(Project& project, RedrawState& redraw, int index) {
    markChanged(project, redraw, parameterToken(index));
}

// Expressions may read a step through "Step(a)"; they count among the users of a.
void stepChanged(Project& project, RedrawState& redraw, int index) {
    markParameter(project, redraw, index);
    project.modified = true;
}

} // namespace

Extended steppedValue(const ParameterRec& p, bool up, bool finer) {
    Extended s = p.step;
    Extended v = p.value;
    if (p.additive) {
        if (finer) s /= 10;
        v = up ? p.value + s : p.value - s;
        const Extended whole = std::round(v);
        if (std::fabs(v - whole) <= std::fabs(p.step) * 1e-8L) v = whole;
    } else {
        if (finer && s > 0) s = std::pow(s, 0.1L);
        v = up ? p.value * s : p.value / s;
    }
    return std::isfinite(v) ? v : p.value;
}

std::vector<int> stepParameters(ParamTable& table, int index, bool up, bool finer) {
    std::vector<int> changed;
    if (!isParameter(index)) return changed;
    auto step = [&](int i) {
        const Extended v = steppedValue(table[i], up, finer);
        if (v == table[i].value) return;
        table[i].value = v;
        changed.push_back(i);
    };
    step(index);
    if (table[index].sync)
        for (int i = 1; i <= kParameterCount; ++i)
            if (i != index && table[i].sync) step(i);
    return changed;
}

Extended ratioUp(Extended step) {
    const Extended above = step + std::fabs(step) * kLadderTolerance;
    for (auto it = kStepLadder.rbegin(); it != kStepLadder.rend(); ++it)
        if (*it > above) return *it;
    return step;
}

Extended ratioDown(Extended step) {
    const Extended below = step - std::fabs(step) * kLadderTolerance;
    for (Extended s : kStepLadder)
        if (s < below) return s;
    return step;
}

bool applyStep(ParameterRec& p, Extended x) {
    if (x == 0 || !std::isfinite(x)) return false;
    if (!p.additive) x = std::fabs(x);
    if (x == p.step) return false;
    p.step = x;
    return true;
}

void toggleStepMode(ParameterRec& p) {
    p.additive = !p.additive;
    if (p.additive)
        applyStep(p, decimalRounded(p.step - 1));
    else
        applyStep(p, p.step > 1 ? p.step : decimalRounded(p.step + 1));
}

int setAnimationSpeed(int position) {
    position = std::clamp(position, 0, kSpeedPositions);
    if (position == 0) return 0;
    if (position == kSpeedPositions) return 1;
    return static_cast<int>(std::lround((kSpeedPositions - position) * BasePeriod / 10.0));
}

int speedPosition(int period) {
    if (period <= 0) return 0;
    if (period == 1) return kSpeedPositions;
    const long p = kSpeedPositions - std::lround(period * 10.0 / BasePeriod);
    return static_cast<int>(std::clamp(p, 0L, static_cast<long>(kSpeedPositions)));
}

std::vector<int> stepParameter(Project& project, RedrawState& redraw, int index, int direction,
                               bool finer) {
    const auto changed = stepParameters(project.parameters, index, direction == 1, finer);
    for (int i : changed) markParameter(project, redraw, i);
    if (!changed.empty()) {
        project.modified = true;
        if (project.settings.afterimagesOn) redraw.traceRedraw = true;
    }
    return changed;
}

bool setParameter(Project& project, RedrawState& redraw, int index, Extended value) {
    if (!isParameter(index) || !std::isfinite(value)) return false;
    if (project.parameters[index].value == value) return false;
    project.parameters[index].value = value;
    markParameter(project, redraw, index);
    if (project.settings.afterimagesOn) redraw.traceRedraw = true;
    project.modified = true;
    return true;
}

bool setStep(Project& project, RedrawState& redraw, int index, Extended x) {
    if (!isParameter(index) || !applyStep(project.parameters[index], x)) return false;
    stepChanged(project, redraw, index);
    return true;
}

void toggleStepMode(Project& project, RedrawState& redraw, int index) {
    if (!isParameter(index)) return;
    toggleStepMode(project.parameters[index]);
    stepChanged(project, redraw, index);
}

bool changeRatio(Project& project, RedrawState& redraw, int index, bool up) {
    if (!isParameter(index)) return false;
    ParameterRec& p = project.parameters[index];
    const Extended next = up ? ratioUp(p.step) : ratioDown(p.step);
    if (next == p.step) return false;
    p.step = next;
    stepChanged(project, redraw, index);
    return true;
}

int HeldStepLoop::press(int period) {
    running_ = true;
    return stepThenWait(firstDelay, period);
}

int HeldStepLoop::resume(bool held, int period) {
    if (!running_) return kStop;
    if (!held) {
        running_ = false;
        return kStop;
    }
    return stepThenWait(period, period);
}

int HeldStepLoop::stepThenWait(int wait, int period) {
    const std::int64_t t0 = clock_->tickCount();
    step_();
    if (period <= 0 || !running_) {
        running_ = false;
        return kStop;
    }
    return static_cast<int>(std::max<std::int64_t>(0, t0 + wait - clock_->tickCount()));
}

} // namespace tarlix
