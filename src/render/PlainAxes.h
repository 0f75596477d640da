#pragma once
// Plain black axis lines through the origin: the picture's frame of reference until the full
// axes with ticks and labels are drawn.

#include "platform/Canvas.h"
#include "view/View.h"

namespace tarlix {

void drawPlainAxes(Canvas& canvas, const View& view);

} // namespace tarlix
