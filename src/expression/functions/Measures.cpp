#include "expression/functions/Measures.h"

#include "expression/functions/Angles.h"
#include "expression/functions/Operators.h"
#include "expression/functions/PlaneGeometry.h"

namespace tarlix {

namespace {

// The largest (wantLarger) or smallest defined argument; all must be reals.
Value extreme(const ValueArray& args, bool wantLarger) {
    Value best = makeUndefined(ValueKind::Real);
    for (const Value& v : args) {
        if (v.kind != ValueKind::Real) return makeUndefined(ValueKind::Real);
        if (!v.valid) continue;
        if (!best.valid || (wantLarger ? v.x > best.x : v.x < best.x)) best = v;
    }
    return best;
}

Value angleOf(PlanePoint v, const EngineSettings& s) {
    if (isZero(v)) return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(directionAngle(v.x, v.y, s)));
}

// The turn from vector u to vector v as the direction of (u·v, u×v).
Value angleBetween(PlanePoint u, PlanePoint v, const EngineSettings& s) {
    if (isZero(u) || isZero(v)) return makeUndefined(ValueKind::Real);
    return angleOf({dot(u, v), cross(u, v)}, s);
}

} // namespace

Value maxValue(const ValueArray& args) {
    return extreme(args, true);
}
Value minValue(const ValueArray& args) {
    return extreme(args, false);
}

Value lenValue(const ValueArray& args) {
    std::vector<PlanePoint> p;
    if (!readPoints(args, p)) return makeUndefined(ValueKind::Real);
    if (p.size() == 1) return checkRange(makeReal(length(p[0])));
    if (p.size() == 2) return checkRange(makeReal(length(p[1] - p[0])));
    return makeUndefined(ValueKind::Real);
}

Value argValue(const ValueArray& args, const EngineSettings& s) {
    if (s.complexMode && args.size() == 1 && isDefinedReal(args[0]))
        return angleOf({args[0].x, 0}, s);
    std::vector<PlanePoint> p;
    if (!readPoints(args, p)) return makeUndefined(ValueKind::Real);
    if (p.size() == 1) return angleOf(p[0], s);
    if (p.size() == 2) return angleBetween(p[0], p[1], s);
    if (p.size() == 3) return angleBetween(p[0] - p[1], p[2] - p[1], s);
    return makeUndefined(ValueKind::Real);
}

Value detValue(const ValueArray& args) {
    std::vector<PlanePoint> p;
    if (!readPoints(args, p) || p.size() != 2) return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(cross(p[0], p[1])));
}

Value inpValue(const ValueArray& args, const EngineSettings& s) {
    if (args.size() != 2) return makeUndefined(ValueKind::Real);
    return multiplyValues(args[0], args[1], s);
}

} // namespace tarlix
