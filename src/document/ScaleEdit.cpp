#include "document/ScaleEdit.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarlix {

namespace {

constexpr int kLevels = 4;
constexpr int kMaxLabelInterval = 10;
constexpr std::array<int, 4> kLabelSizes = {12, 18, 24, 32};

Axis& axisOf(View& view, ScaleAxis axis) {
    return axis == ScaleAxis::X ? view.xAxis : view.yAxis;
}

// The axes, grid and labels are all drawn afresh.
void changed(Document& ctx) {
    ctx.project.modified = true;
    ctx.view.redrawState().markEverything();
    ctx.hooks().redraw();
}

std::array<bool*, kLevels> features(AxisSettings& a) {
    return {&a.axesVisible, &a.scaleVisible, &a.valueVisible, &a.guideVisible};
}

} // namespace

void finerGrid(Document& ctx, ScaleAxis which, bool labelKey) {
    View& v = ctx.view;
    Axis& axis = axisOf(v, which);
    if (labelKey)
        axis.labelInterval = std::max(1, axis.labelInterval - 1);
    else if (which == ScaleAxis::Y && v.axisType == AxisType::Polar)
        v.thetaNumUp();
    else
        axis.moreTicks();
    changed(ctx);
}

void coarserGrid(Document& ctx, ScaleAxis which, bool labelKey) {
    View& v = ctx.view;
    Axis& axis = axisOf(v, which);
    if (labelKey) {
        const Extended step = axis.tickInterval();
        const int steps =
            step > 0 ? static_cast<int>(std::floor((axis.high - axis.low) / step)) : 0;
        if (axis.labelInterval < kMaxLabelInterval && axis.labelInterval + 1 <= steps / 2)
            ++axis.labelInterval;
    } else if (which == ScaleAxis::Y && v.axisType == AxisType::Polar) {
        v.thetaNumDown();
    } else {
        axis.fewerTicks();
    }
    changed(ctx);
}

int graduationLevel(const AxisSettings& axis) {
    AxisSettings a = axis;
    int level = 0;
    for (bool* on : features(a)) {
        if (!*on) break;
        ++level;
    }
    return level;
}

void stepGraduation(Document& ctx, bool up) {
    const int level = graduationLevel(ctx.view.xAxis);
    const int next = up ? (level + 1) % (kLevels + 1) : (level + kLevels) % (kLevels + 1);
    for (Axis* axis : {&ctx.view.xAxis, &ctx.view.yAxis}) {
        int i = 0;
        for (bool* on : features(*axis)) *on = i++ < next;
    }
    changed(ctx);
}

void stepLabelSize(Document& ctx, bool down) {
    const int size = ctx.view.fontSize;
    const auto n = static_cast<int>(kLabelSizes.size());
    // The first size above (or below) the present one, wrapping round.
    int next = down ? kLabelSizes.back() : kLabelSizes.front();
    for (int i = 0; i < n; ++i) {
        const int s = kLabelSizes[static_cast<std::size_t>(down ? n - 1 - i : i)];
        if (down ? s < size : s > size) {
            next = s;
            break;
        }
    }
    ctx.view.fontSize = static_cast<std::uint8_t>(next);
    changed(ctx);
}

void setGraduationOutside(Document& ctx, bool on) {
    if (ctx.view.axisOn == on) return;
    ctx.view.axisOn = on;
    changed(ctx);
}

} // namespace tarlix
