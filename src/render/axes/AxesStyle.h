#pragma once
// What the axes layer takes from outside the view: the grid colour of the output in hand, the
// angle unit of the x labels and whether a figure already labels the origin.

#include "platform/Canvas.h"
#include "render/markup/MarkupEnv.h"
#include "view/View.h"

#include <cmath>

namespace tarlix {

constexpr Color kScreenGridColor = rgbColor(160, 160, 224);
constexpr Color kPrintedGridColor = rgbColor(96, 96, 160);

struct AxesStyle {
    Color gridColor = kScreenGridColor;
    bool degreeMode = false; // the expression language counts angles in degrees
    bool degreeFont = false; // the x labels carry a degree sign in degree mode
    bool originLabelledByFigure = false;
    const MarkupEnv* markup = nullptr; // captions as memo markup; none: as plain text
};

// The view, the canvas and the style every part of the axes layer draws with.
struct AxesTarget {
    const View& view;
    Canvas& canvas;
    const AxesStyle& style;
};

// A length in pixels of the picture at the view's output scale.
inline int scaled(const View& view, int pixels) {
    return pixels * view.xAxis.outputScale;
}

// The grid colour with each of red, green and blue taken to two thirds.
Color darkenedGridColor(Color color);
// max(1, round(scaled axis width / 2)).
int gridPenWidth(const View& view);
// The pen of grid lines, mesh crosses and polar circles: colour and dots by the grid style.
Pen gridPen(const View& view, const AxesStyle& style);
// Half the length of a tick mark.
int tickHalfLength(const View& view);
// The first tick at or above low: a whole multiple of the interval.
Extended firstTick(Extended low, Extended interval);

// Calls visit(v) for v = first, first + interval, ... while v <= high, at most maxTickSteps
// times; nothing for an interval that is not a positive finite number.
template <class Visit>
void forEachTick(Extended first, Extended high, Extended interval, Visit visit) {
    if (!(interval > 0) || !std::isfinite(interval) || !std::isfinite(first)) return;
    for (int i = 0; i < maxTickSteps; ++i) {
        // Multiples rather than a running sum, so that 0 is met exactly.
        const Extended v = first + i * interval;
        if (!(v <= high)) return;
        visit(v);
    }
}

// Whether the tick at v carries a value: every labelInterval-th tick counted from 0.
bool isLabelledTick(const Axis& axis, Extended interval, Extended v);

} // namespace tarlix
