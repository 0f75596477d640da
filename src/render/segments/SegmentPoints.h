#pragma once
// Where a connected figure lies on the picture: the world coordinates of its vertices (figures
// or axes) and the clipped pixel points its drawing and hit test work from.

#include "render/segments/SegmentScene.h"

#include <vector>

namespace tarlix {

// World x and y of a vertex: a figure's evaluated position; the axes give (0, 0).
WorldPoint vertexCoordinates(const SegmentScene& scene, int vertex);

// The pixel points of connected figure index: one pair per adjacent vertices, clipped by the
// figure's kind, consecutive equal points written once (so an unclipped figure gives one point
// per vertex; a polygon repeats its first vertex at the end). Angles have their arms extended
// to 1000 pixels from the apex (the second point). Empty when the figure cannot be drawn: a
// vertex that is not drawable or not of a usable kind, an axis or line beside a crossing one,
// or a pair that clips to nothing.
std::vector<Point> buildSegmentPoints(const SegmentScene& scene, int index);

// The world mean of the figure's vertices (the first vertex of a polygon counted once).
WorldPoint vertexMean(const SegmentScene& scene, const SegmentRecord& record);

} // namespace tarlix
