#pragma once
// The scale buttons of the graph window's control palette: grid density, label interval,
// graduation level, label size and the rulers outside the plot. Each changes the view's
// settings that the project file keeps, marks the project modified and redraws.

#include "document/ProjectEdit.h"

namespace tarlix {

enum class ScaleAxis { X, Y };

// A finer grid: more divisions until the grid step changes (below 40); with labelKey the
// label interval goes down by one instead (not below 1). Under the polar grid the y button
// refines the angular division.
void finerGrid(Document& ctx, ScaleAxis axis, bool labelKey);
// A coarser grid: fewer divisions until the step changes (not below 1); with labelKey the
// label interval goes up by one, up to 10 and to half the grid steps across the plot. Under
// the polar grid the y button coarsens the angular division.
void coarserGrid(Document& ctx, ScaleAxis axis, bool labelKey);

// The graduation level 0..4 of both axes: level n shows the first n of the axis lines, the
// grid, the values and the tick marks. The level is that of the x axis's leading features.
int graduationLevel(const AxisSettings& axis);
// One level down (0 wraps to 4), or up with up (4 wraps to 0).
void stepGraduation(Document& ctx, bool up);

// The label size cycles through 12, 18, 24 and 32 points, upwards or (down) downwards.
void stepLabelSize(Document& ctx, bool down);

// The axes drawn in the ruler strips outside the plot, on or off.
void setGraduationOutside(Document& ctx, bool on);

} // namespace tarlix
