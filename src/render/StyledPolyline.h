#pragma once
// The one operation every line of the graph goes through: thin and long solid lines take the
// canvas's own polyline, thick or patterned ones are dashed here so they look the same on
// every canvas and their ends follow the CapStyle setting.

#include "platform/Canvas.h"
#include "render/LineStyle.h"

#include <span>
#include <vector>

namespace tarlix {

using Tpolyline = std::vector<Point>;

// Strokes the points with the canvas pen.
void drawStyledPolyline(Canvas& canvas, std::span<const Point> points,
                        const LineDrawOptions& options);

// Strokes the closed outline with the canvas pen, then fills it with the canvas brush.
void drawStyledPolygon(Canvas& canvas, std::span<const Point> points,
                       const LineDrawOptions& options);

// Strokes the dashes of the pattern (lengths in units of width) along the points, each dash
// as one path with a geometric pen of the width and colour; the canvas pen is kept.
void drawDashedPath(std::span<const Point> points, Canvas& canvas, bool flatCaps,
                    const DashPattern& pattern, int width, Color color);

} // namespace tarlix
