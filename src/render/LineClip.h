#pragma once
// Keeping the pixel points of lines, rays, segments and rectangles within the range the canvas
// can draw, with the visible part unchanged: a line runs from edge to edge of the picture, a
// ray from its start to the edge it runs towards, and a segment whose end lies far outside is
// shortened along its own line. Connected figures and the figures' traces and curve joins use
// it.

#include "document/SegmentStore.h"
#include "platform/Canvas.h"
#include "view/View.h"

#include <optional>
#include <utility>

namespace tarlix {

enum class ClipRule {
    Segment,   // the two points, far ends pulled in along the line
    Line,      // the infinite line through both points
    Ray,       // from the first point through the second, without end
    Rectangle, // the corners of an axis-parallel rectangle
};

// The rule a connected figure of the kind is clipped with: lines, rays and rectangles have
// their own, every other kind the segment rule.
ClipRule clipRuleOfKind(SegmentKind kind);

struct PixelF {
    Extended x = 0;
    Extended y = 0;
    friend bool operator==(const PixelF&, const PixelF&) = default;
};

using PixelPair = std::pair<PixelF, PixelF>;

// The two pixel points (at the view's output scale) to draw between the world points a and b,
// or nothing when nothing can be drawn: a line or ray through two coincident points, or an end
// that is not a finite number.
std::optional<PixelPair> lineClip(const View& view, ClipRule rule, WorldPoint a, WorldPoint b);

// The same in whole pixels.
std::optional<std::pair<Point, Point>> lineClipRounded(const View& view, ClipRule rule,
                                                       WorldPoint a, WorldPoint b);

} // namespace tarlix
