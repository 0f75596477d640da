// Tick settings of one axis: the tick step, snapping to ticks, finer and coarser ticks, and the
// reset of an axis.

#include "view/View.h"

#include <cmath>

namespace tarlix {

namespace {
constexpr int maxNumber = 40;
}

void Axis::setTicksChanged() const {
    if (redraw) redraw->ticksChanged = true;
}

Extended Axis::snapToTick(Extended p) const {
    const Extended t = tickInterval();
    return std::round(toWorld(p) / t) * t;
}

void Axis::clampNumber(int& number) {
    if (number <= 0) number = 1;
    if (number > maxNumber) number = maxNumber;
}

void Axis::moreTicks() {
    if (divisions >= maxNumber) return;
    const Extended before = tickInterval();
    for (int steps = 0; steps < maxTickSteps; ++steps) {
        ++divisions;
        if (tickInterval() != before) break;
    }
    setTicksChanged();
}

void Axis::fewerTicks() {
    if (divisions <= 1) return;
    const Extended before = tickInterval();
    while (divisions > 1) {
        --divisions;
        if (tickInterval() != before) break;
    }
    setTicksChanged();
}

void Axis::init(char axisLetter, int length, Extended newHigh, Extended newLow) {
    axisId = axisLetter;
    pixelStart = 0;
    pixelLength = length;
    setRange(newHigh, newLow);
    recompute();
    static_cast<AxisSettings&>(*this) = AxisSettings{};
    caption = std::string(1, axisLetter);
    recomputeCaptionText();
    letter = axisLetter;
}

void Axis::recomputeCaptionText(const std::string& captionWithoutMarkup) {
    captionText = plainCaption(captionWithoutMarkup);
}

std::string plainCaption(const std::string& captionWithoutMarkup) {
    std::string plain;
    for (const char c : captionWithoutMarkup) {
        const auto code = static_cast<unsigned char>(c);
        if (code <= 25 || c == '{' || c == '}') continue;
        plain += c;
    }
    return plain;
}

} // namespace tarlix
