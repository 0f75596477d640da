#pragma once
// The colour rules the relation drawing applies to its pens: fading towards white (afterimages
// and the lighter boundary of strict inequalities) and the black-and-white output.

#include "expression/Value.h"
#include "platform/Canvas.h"

namespace tarlix {

// Moves the colour towards white by x in 0..1 (0 keeps it, 1 makes it white); dark colours
// fade faster than light ones. The step is rounded to a multiple of 1/32.
Color fadeColour(Color c, Extended x);

// The afterimage colour for afterimageColorIndex 0..4.
inline Color afterimageColourOf(Color c, int level) {
    return fadeColour(c, level / 4.0L);
}

// In black-and-white output: black below the middle grey, white above 192, grey between.
Color blackAndWhiteColour(Color c, bool blackAndWhite);

} // namespace tarlix
