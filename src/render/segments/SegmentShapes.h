#pragma once
// The shapes of the connected figures that are more than straight pieces between their points:
// the arc of an angle mark or an arc, the length bracket and the Bezier curve.

#include "render/segments/SegmentScene.h"

#include <optional>
#include <vector>

namespace tarlix {

// An arc around the apex, counterclockwise on the screen from start through sweep (radians,
// 0 < sweep < 2 pi), with the label anchor on its bisector.
struct ArcMark {
    Point apex;
    int radius = 0;
    Extended start = 0;
    Extended sweep = 0;
    Point anchor;
};

// The radius of an angle mark: it grows with the font so that the label clears it.
int angleMarkRadius(const SegmentScene& scene);

// The mark of an angle (or an arc) with apex p2 and arms towards p1 and p3; nothing when an arm
// has no length or the angle is zero. With the angle range (-pi, pi] the smaller angle is
// marked, otherwise the one from the first arm to the second.
std::optional<ArcMark> arcMark(const SegmentScene& scene, SegmentKind kind, Point p1, Point p2,
                               Point p3);

// Points along an arc, whole pixels, both ends included.
std::vector<Point> arcPoints(Point centre, Extended radius, Extended start, Extended sweep);

// Whether the pixel lies within the sector of the mark, angles counted as it is drawn.
bool withinSweep(const ArcMark& mark, Point p);

// The length bracket over p1 to p2 at distance d (it lies above them when p1 is left of p2):
// the parallel line shortened by d at both ends, with a quarter arc down to each point.
struct Bracket {
    std::vector<Point> path; // from p1 round to p2
    Point offset;            // from p1-p2 to the parallel line
    Point anchor;
};
std::optional<Bracket> bracketShape(Point p1, Point p2, Extended d);

// The Bezier curve through the figure's vertices in groups of four sharing their ends (a
// shorter last group as it is), perGroup points for each group.
std::vector<Point> bezierPoints(const SegmentScene& scene, const SegmentRecord& record,
                                int perGroup);

} // namespace tarlix
