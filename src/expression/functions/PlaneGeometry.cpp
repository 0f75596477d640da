#include "expression/functions/PlaneGeometry.h"

namespace tarlix {

bool matchesForm(const ValueArray& args, std::string_view form) {
    if (args.size() != form.size()) return false;
    for (std::size_t i = 0; i < form.size(); ++i) {
        const ValueKind wanted = form[i] == 'P' ? ValueKind::Pair : ValueKind::Real;
        if (!args[i].valid || args[i].kind != wanted) return false;
    }
    return true;
}

bool readPoints(const ValueArray& args, std::vector<PlanePoint>& points) {
    points.clear();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Value& v = args[i];
        if (!v.valid) return false;
        if (v.kind == ValueKind::Pair) {
            points.push_back(pointOf(v));
        } else if (v.kind == ValueKind::Real && i + 1 < args.size() && args[i + 1].valid &&
                   args[i + 1].kind == ValueKind::Real) {
            points.push_back({v.x, args[i + 1].x});
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

bool intersectLines(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint d, PlanePoint& out) {
    const PlanePoint u = b - a, v = d - c;
    const Extended denominator = cross(u, v);
    if (isZero(u) || isZero(v) || denominator == 0) return false;
    out = a + (cross(c - a, v) / denominator) * u;
    return true;
}

bool footOfPerpendicular(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint& out) {
    return intersectLines(a, a + quarterTurn(c - b), b, c, out);
}

} // namespace tarlix
