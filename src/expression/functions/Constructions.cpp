#include "expression/functions/Constructions.h"

#include "expression/functions/Angles.h"
#include "expression/functions/PlaneGeometry.h"

#include <algorithm>

namespace tarlix {

namespace {

Value noPoint() {
    return makeUndefined(ValueKind::Pair);
}

Extended signOf(Extended v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

// Line AB and the circle of centre c and radius |r|; the sign of r picks the point.
bool lineCircle(PlanePoint a, PlanePoint b, PlanePoint c, Extended r, PlanePoint& out) {
    const PlanePoint d = b - a;
    const Extended l = length(d);
    if (l == 0) return false;
    const PlanePoint foot = a + (dot(c - a, d) / (l * l)) * d;
    const Extended h = length(foot - c);
    if (std::fabs(r) <= h) return false;
    out = foot + (signOf(r) * std::sqrt(r * r - h * h) / l) * d;
    return true;
}

// Two circles; the signs of the radii pick the point.
bool circleCircle(PlanePoint c1, Extended r1, PlanePoint c2, Extended r2, PlanePoint& out) {
    const PlanePoint v = c2 - c1;
    const Extended d = length(v), a1 = std::fabs(r1), a2 = std::fabs(r2);
    if (d == 0 || a1 + a2 < d || std::fabs(a1 - a2) > d) return false;
    if (a1 == 0) {
        out = c1;
        return true;
    }
    // Rounding may push the cosine of a touching pair just past 1.
    const Extended cosine = std::clamp((r1 * r1 + d * d - r2 * r2) / (2 * a1 * d), -1.0L, 1.0L);
    const Extended turn = signOf(r1) * signOf(r2) * std::acos(cosine);
    out = c1 + (a1 / d) * rotated(v, turn);
    return true;
}

bool circumcentre(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint& out) {
    const PlanePoint m1 = 0.5L * (a + b), m2 = 0.5L * (a + c);
    return intersectLines(m1, m1 + quarterTurn(b - a), m2, m2 + quarterTurn(c - a), out);
}

bool incentre(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint& out) {
    const Extended la = length(b - c), lb = length(c - a), lc = length(a - b);
    const Extended sum = la + lb + lc;
    if (sum == 0) return false;
    out = (1 / sum) * (la * a + lb * b + lc * c);
    return true;
}

Value triangleResult(const ValueArray& args,
                     bool (*construct)(PlanePoint, PlanePoint, PlanePoint, PlanePoint&)) {
    PlanePoint out;
    if (!matchesForm(args, "PPP") ||
        !construct(pointOf(args[0]), pointOf(args[1]), pointOf(args[2]), out))
        return noPoint();
    return pointValue(out);
}

} // namespace

Value midValue(const ValueArray& args) {
    Extended m = 1, n = 1;
    if (matchesForm(args, "PPrr")) {
        m = args[2].x;
        n = args[3].x;
    } else if (!matchesForm(args, "PP")) {
        return noPoint();
    }
    if (m + n == 0) return noPoint();
    return pointValue((1 / (m + n)) * (n * pointOf(args[0]) + m * pointOf(args[1])));
}

Value rotValue(const ValueArray& args, const EngineSettings& s) {
    if (matchesForm(args, "P")) return pointValue(quarterTurn(pointOf(args[0])));
    PlanePoint centre;
    Extended t = 0;
    if (matchesForm(args, "Pr")) {
        t = args[1].x;
    } else if (matchesForm(args, "PPr")) {
        centre = pointOf(args[1]);
        t = args[2].x;
    } else {
        return noPoint();
    }
    return pointValue(centre + rotated(pointOf(args[0]) - centre, angleToRadians(t, s)));
}

Value intrValue(const ValueArray& args) {
    PlanePoint out;
    bool found = false;
    const auto p = [&](std::size_t i) { return pointOf(args[i]); };
    if (matchesForm(args, "PPPP"))
        found = intersectLines(p(0), p(1), p(2), p(3), out);
    else if (matchesForm(args, "PPPr"))
        found = lineCircle(p(0), p(1), p(2), args[3].x, out);
    else if (matchesForm(args, "PrPP"))
        found = lineCircle(p(2), p(3), p(0), args[1].x, out);
    else if (matchesForm(args, "PrPr"))
        found = circleCircle(p(0), args[1].x, p(2), args[3].x, out);
    return found ? pointValue(out) : noPoint();
}

Value perpValue(const ValueArray& args) {
    PlanePoint from, out;
    std::size_t first = 0;
    if (matchesForm(args, "PPP")) {
        from = pointOf(args[0]);
        first = 1;
    } else if (!matchesForm(args, "PP")) {
        return noPoint();
    }
    if (!footOfPerpendicular(from, pointOf(args[first]), pointOf(args[first + 1]), out))
        return noPoint();
    return pointValue(out);
}

Value ccentrValue(const ValueArray& args) {
    return triangleResult(args, circumcentre);
}
Value icentrValue(const ValueArray& args) {
    return triangleResult(args, incentre);
}

Value hcentrValue(const ValueArray& args) {
    return triangleResult(args, [](PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint& out) {
        return intersectLines(a, a + quarterTurn(c - b), b, b + quarterTurn(c - a), out);
    });
}

Value gcentrValue(const ValueArray& args) {
    if (args.empty()) return noPoint();
    PlanePoint sum;
    for (const Value& v : args) {
        if (!v.valid || v.kind != ValueKind::Pair) return noPoint();
        sum = sum + pointOf(v);
    }
    return pointValue((1.0L / static_cast<Extended>(args.size())) * sum);
}

Value cradValue(const ValueArray& args) {
    PlanePoint centre;
    if (!matchesForm(args, "PPP") ||
        !circumcentre(pointOf(args[0]), pointOf(args[1]), pointOf(args[2]), centre))
        return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(length(centre - pointOf(args[0]))));
}

Value iradValue(const ValueArray& args) {
    PlanePoint centre, foot;
    if (!matchesForm(args, "PPP") ||
        !incentre(pointOf(args[0]), pointOf(args[1]), pointOf(args[2]), centre) ||
        !footOfPerpendicular(centre, pointOf(args[1]), pointOf(args[2]), foot))
        return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(length(foot - centre)));
}

Value ptanValue(const ValueArray& args) {
    PlanePoint centre;
    Extended r = 0;
    if (matchesForm(args, "PPr")) {
        centre = pointOf(args[1]);
        r = args[2].x;
    } else if (matchesForm(args, "Pr")) {
        r = args[1].x;
    } else {
        return noPoint();
    }
    const PlanePoint from = pointOf(args[0]);
    const PlanePoint v = centre - from;
    const Extended d = length(v);
    if (d == 0 || d < std::fabs(r)) return noPoint();
    const Extended s = std::asin(r / d);
    return pointValue(from + std::cos(s) * rotated(v, s));
}

} // namespace tarlix
