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

Extended Axis::SnapToTick(Extended p) const {
    const Extended t = TickInterval();
    return std::round(ToWorld(p) / t) * t;
}

void Axis::ClampNumber(int& number) {
    if (number <= 0) number = 1;
    if (number > maxNumber) number = maxNumber;
}

void Axis::MoreTicks() {
    if (Number >= maxNumber) return;
    const Extended before = TickInterval();
    for (int steps = 0; steps < maxTickSteps; ++steps) {
        ++Number;
        if (TickInterval() != before) break;
    }
    setTicksChanged();
}

void Axis::FewerTicks() {
    if (Number <= 1) return;
    const Extended before = TickInterval();
    while (Number > 1) {
        --Number;
        if (TickInterval() != before) break;
    }
    setTicksChanged();
}

void Axis::Init(char letter, int pixelLength, Extended high, Extended low) {
    AxisId = letter;
    PixelStart = 0;
    PixelLength = pixelLength;
    SetRange(high, low);
    Recompute();
    AxesVisible = ScaleVisible = ValueVisible = GuideVisible = true;
    Number = 7;
    LInterval = 1;
    base = 1;
    Caption = std::string(1, letter);
    RecomputeSCaption();
    Letter = letter;
}

void Axis::RecomputeSCaption(const std::string& captionWithoutMarkup) {
    SCaption = plainCaption(captionWithoutMarkup);
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
