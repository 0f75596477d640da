#pragma once
// Fixed-capacity per-view stores that the drawing code shares beside the row form's caches:
// the samples of the curves.

#include "base/Store.h"
#include "expression/eval/RowCaches.h"

namespace tarlix {

inline constexpr int curveSampleCapacity = 5000;

struct CurveSample {
    Extended x = 0;
    Extended y = 0;
    Extended t = 0;
    bool valid = false;
};

// The samples of one parametric or polar curve.
struct CurveCache {
    Store<CurveSample, curveSampleCapacity> samples;
    int paramIndex = 0;
    int count = 0;
};

} // namespace tarlix
