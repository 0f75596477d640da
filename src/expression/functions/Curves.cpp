#include "expression/functions/Curves.h"

#include "expression/functions/Angles.h"
#include "expression/functions/PlaneGeometry.h"

#include <cmath>

namespace tarlix {

namespace {

constexpr Extended kParallelDistance = 1e-7L;
constexpr Extended kEyeMargin = 1e-8L;

// Control points after the leading real; false unless all are defined pairs.
bool trailingPoints(const ValueArray& args, std::vector<PlanePoint>& points) {
    points.clear();
    if (args.empty() || !args[0].valid || args[0].kind != ValueKind::Real) return false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (!args[i].valid || args[i].kind != ValueKind::Pair) return false;
        points.push_back(pointOf(args[i]));
    }
    return true;
}

struct Projection {
    bool defined = false;
    PlanePoint point;
    Extended depth = 0;
};

Projection project(Extended x, Extended y, Extended z, Extended alpha, Extended beta, Extended d) {
    const Extended w = x * std::cos(alpha) + y * std::sin(alpha);
    const Extended up = -w * std::sin(beta) + z * std::cos(beta);
    const Extended across = -x * std::sin(alpha) + y * std::cos(alpha);
    const Extended depth = w * std::cos(beta) + z * std::sin(beta);
    if (d <= kParallelDistance) return {true, {across, up}, depth};
    if (depth >= d - kEyeMargin) return {}; // at or behind the eye
    const Extended k = d / (d - depth);
    return {true, {across * k, up * k}, depth};
}

// Reads either argument form of proj and projz; angles follow AngleMode.
Projection projectArguments(const ValueArray& args, const EngineSettings& s) {
    ValueArray flat;
    if (!args.empty() && args[0].valid && args[0].kind == ValueKind::Pair) {
        flat = {makeReal(args[0].x), makeReal(args[0].y)};
        flat.insert(flat.end(), args.begin() + 1, args.end());
    } else {
        flat = args;
    }
    if (flat.size() != 5 && flat.size() != 6) return {};
    for (const Value& v : flat)
        if (!v.valid || v.kind != ValueKind::Real) return {};
    const Extended d = flat.size() == 6 ? flat[5].x : 0;
    return project(flat[0].x, flat[1].x, flat[2].x, angleToRadians(flat[3].x, s),
                   angleToRadians(flat[4].x, s), d);
}

} // namespace

Value pathValue(const ValueArray& args) {
    std::vector<PlanePoint> p;
    if (!trailingPoints(args, p) || p.size() < 2) return makeUndefined(ValueKind::Real);
    const Extended x = args[0].x;
    Extended sum = 0;
    for (std::size_t l = 0; l < p.size(); ++l) {
        Extended term = p[l].y;
        for (std::size_t m = 0; m < p.size(); ++m) {
            if (m == l) continue;
            if (p[m].x == p[l].x) return makeUndefined(ValueKind::Real);
            term *= (x - p[m].x) / (p[l].x - p[m].x);
        }
        sum += term;
    }
    return checkRange(makeReal(sum));
}

Value bezierValue(const ValueArray& args) {
    std::vector<PlanePoint> p;
    if (!trailingPoints(args, p) || p.size() < 2 || p.size() > 4)
        return makeUndefined(ValueKind::Pair);
    const Extended t = args[0].x;
    // De Casteljau's construction: the Bernstein sum, exactly the last point at t = 1.
    for (std::size_t level = p.size() - 1; level > 0; --level)
        for (std::size_t i = 0; i < level; ++i) p[i] = (1 - t) * p[i] + t * p[i + 1];
    return pointValue(p[0]);
}

Value projValue(const ValueArray& args, const EngineSettings& s) {
    const Projection r = projectArguments(args, s);
    return r.defined ? pointValue(r.point) : makeUndefined(ValueKind::Pair);
}

Value projzValue(const ValueArray& args, const EngineSettings& s) {
    const Projection r = projectArguments(args, s);
    return r.defined ? checkRange(makeReal(r.depth)) : makeUndefined(ValueKind::Real);
}

} // namespace tarlix
