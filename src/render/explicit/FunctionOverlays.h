#pragma once
// What the function-value and integral windows show on the graph: a vertical marker line at
// an x value, and the shading between a function and y = 0 (or a second function) over the
// integral's limits. The windows supply their state; drawing reads the function caches.

#include "platform/Canvas.h"
#include "view/View.h"

#include <cstdint>

namespace tarlix {

// A vertical marker line across the plot at x, drawn only when shown.
struct MarkerLine {
    bool shown = false;
    Extended x = 0;
};

// The integral window's shading request.
struct IntegralShading {
    bool active = false; // the integral window is open
    Extended lower = 0;  // the limits, s and e
    Extended upper = 0;
    int shown = 0;      // the function to shade, 1..20; 0 none
    int subtracted = 0; // the function to shade down to, 1..20; 0 means y = 0
    bool areaMode = false;
};

// How the overlays meet the picture: inverting what lies under them (the screen and bitmaps),
// or, on a vector picture, which cannot invert, in the colour the inversion gives on white.
enum class OverlayInk : std::uint8_t { Xor, OnWhite };

// The function-value window's marker: shown when the window is open, its cursor option on and
// its x-entry button not pressed.
void drawValueMarker(const View& view, Canvas& canvas, const MarkerLine& marker,
                     OverlayInk ink = OverlayInk::Xor);

// The marker of the integral window's lower or upper limit.
void drawIntegralLimits(const View& view, Canvas& canvas, const MarkerLine& limit,
                        OverlayInk ink = OverlayInk::Xor);

// Shades column by column between the shown function and y = 0 or the subtracted function,
// with XOR colours that tell positive and negative parts apart.
void drawIntegralArea(const View& view, Canvas& canvas, const IntegralShading& shading,
                      OverlayInk ink = OverlayInk::Xor);

} // namespace tarlix
