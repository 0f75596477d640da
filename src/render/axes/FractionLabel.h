#pragma once
// A stacked fraction in the current font: numerator over a bar over denominator.

#include "platform/Canvas.h"

#include <string>

namespace tarlix {

// Draws the fraction with its left edge near x and its bar half a digit below y; x becomes the
// position just after the bar. The canvas pen is kept.
void drawFractionLabel(Canvas& canvas, int& x, int y, const std::string& numerator,
                       const std::string& denominator);

} // namespace tarlix
