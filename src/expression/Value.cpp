#include "expression/Value.h"

#include <cmath>

namespace tarlix {

namespace {
constexpr Extended kSmallest = 1e-2416L;
constexpr Extended kLargest = 1e+2414L;
constexpr Extended kSnapDistance = 1e-17L;

Extended snapComponent(Extended c) {
    const Extended t = std::trunc(c);
    return std::fabs(c - t) < kSnapDistance ? t : c;
}
} // namespace

Value toPair(const Value& v) {
    if (!v.isValid()) return makeUndefined(ValueKind::Pair);
    if (v.kind == ValueKind::Real) return makePair(v.x, 0);
    return v;
}

bool inRange(Extended c) {
    if (c == 0) return true;
    const Extended a = std::fabs(c);
    return a > kSmallest && a < kLargest; // false for NaN and infinities
}

Value checkRange(Value v) {
    if (!v.isValid()) return v;
    bool ok = inRange(v.x);
    if (ok && v.kind == ValueKind::Pair) ok = inRange(v.y);
    if (!ok) return makeUndefined(v.kind); // an undefined value carries no components
    return v;
}

Value snap(Value v) {
    if (!v.isValid()) return v;
    v.x = snapComponent(v.x);
    if (v.kind == ValueKind::Pair) v.y = snapComponent(v.y);
    return v;
}

} // namespace tarlix
