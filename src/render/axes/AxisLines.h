#pragma once
// One axis: grid lines or tick marks at every tick, the tick values, the line with its arrow
// and the caption. On a ruler strip the axis is drawn with marks only; with the axes moved to
// the strips, the drawing area keeps only the grid.

#include "render/axes/AxesStyle.h"

namespace tarlix {

// The x axis at pixel row `row`; grid lines run down gridLength pixels (at output scale 1).
void drawXAxis(const AxesTarget& target, int row, bool ruler, int gridLength);
// The y axis at pixel column `column`; grid lines run gridLength pixels to the right.
void drawYAxis(const AxesTarget& target, int column, bool ruler, int gridLength);

} // namespace tarlix
