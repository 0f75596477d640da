#pragma once
// The grids that are not lines along the ticks: the mesh of crosses at every tick crossing and
// the polar grid of circles and rays.

#include "render/axes/AxesStyle.h"

namespace tarlix {

// A cross at every crossing of an x tick and a y tick: the horizontal bar when the x grid is
// shown, the vertical bar when the y grid is.
void drawMesh(const AxesTarget& target);

// Circles about the origin at every x interval (x grid shown) and rays at every 1/thetaNum of
// a turn (y grid shown), reaching past the corners of the view.
void drawPolarGrid(const AxesTarget& target);

} // namespace tarlix
