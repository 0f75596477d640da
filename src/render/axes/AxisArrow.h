#pragma once
// The arrow at the positive end of an axis: a shaft and a filled head with a notch.

#include "platform/Canvas.h"

namespace tarlix {

// Head length 2 * pen width + fontPixels, at most three quarters of the arrow; nothing when
// tail and tip meet. Draws in the canvas pen's colour and leaves the brush clear.
void drawArrow(Canvas& canvas, Point tail, Point tip, int fontPixels);

} // namespace tarlix
