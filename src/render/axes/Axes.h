#pragma once
// The axes layer of the picture and the two ruler strips beside the drawing area.

#include "render/axes/AxesStyle.h"

namespace tarlix {

// The grid (lines, mesh or polar), both axes through the origin (only the half x axis when
// polar) and the origin label "O".
void drawAxes(const AxesTarget& target);

// The width of the widest y tick value, which sizes the y ruler strip.
int measureYValues(const AxesTarget& target);

struct RulerStripSizes {
    int yStripWidth = 20;  // the strip left of the drawing area
    int xStripHeight = 20; // the strip below it
};
// Strip sizes on screen: room for the widest y value and for a fraction below the x axis.
RulerStripSizes rulerStripSizes(const AxesTarget& target);

// The x axis as a ruler along the top of its strip.
void drawXRulerStrip(const AxesTarget& target);
// The y axis as a ruler along the right edge of its strip of the given width.
void drawYRulerStrip(const AxesTarget& target, int stripWidth);

} // namespace tarlix
