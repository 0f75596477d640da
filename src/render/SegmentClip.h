#pragma once
// Keeping the pixel points of a segment within the range the canvas can draw: a segment whose
// end lies far outside the view is shortened along its own line, so that the visible part is
// unchanged. Traces and the joins of curves go through it.

#include "platform/Canvas.h"
#include "view/View.h"

#include <optional>
#include <utility>

namespace tarlix {

// The two pixel points of the segment between two world points, as drawn on the picture of
// the view at its output scale; nothing when an end is not a number.
std::optional<std::pair<Point, Point>> clipSegment(const View& view, WorldPoint a, WorldPoint b);

} // namespace tarlix
