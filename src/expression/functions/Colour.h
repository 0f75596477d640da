#pragma once
// Colour numbers R + 256 G + 65536 B for the colour fields of figures.

#include "expression/Value.h"

namespace tarlix {

Value rgbValue(const ValueArray& args); // rgb(r, g, b), each in [0, 1]
Value hslValue(const ValueArray& args); // hsl(h, s, l): hue turns, saturation, lightness

} // namespace tarlix
