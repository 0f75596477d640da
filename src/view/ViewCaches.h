#pragma once
// Fixed-capacity per-view stores that the drawing code shares beside the row form's caches:
// the samples of the curves.

#include "base/Store.h"
#include "expression/eval/RowCaches.h"

#include <array>
#include <memory>

namespace tarlix {

inline constexpr int curveSampleCapacity = 5000;

struct CurveSample {
    Extended x = 0;
    Extended y = 0;
    Extended t = 0;
    bool valid = false;
};

// The samples of one parametric or polar curve. The sampler evaluates the curve's point
// straight into points (and reads the parameter's values from params), so that sampling
// copies nothing per sample.
struct CurveCache {
    Store<Value, curveSampleCapacity> points{makeUndefined(ValueKind::Pair)}; // pairs where defined
    Store<Value, curveSampleCapacity> params{makeReal(0)}; // the parameter's values
    int paramIndex = 0;
    int count = 0;
    // The range and step params were made for, and how many: a curve sampled again over the
    // same range (a parameter step) reuses them.
    struct Range {
        Extended low = 0, high = 0, step = 0;
        std::size_t count = 0;
        bool operator==(const Range&) const = default;
    } paramRange;

    // Sample i (1..count); an undefined one has x and y 0.
    CurveSample sample(int i) const {
        const Value& p = points[i];
        if (!p.valid || p.kind != ValueKind::Pair) return {0, 0, params[i].x, false};
        return {p.x, p.y, params[i].x, true};
    }
};

// The curve caches of the figures 1..N. Each is allocated when its figure first asks for it:
// most views draw few curves, and a fresh view must stay cheap to build.
template <int N> class CurveCaches {
public:
    CurveCache& operator[](int n) {
        auto& cache = items_[static_cast<std::size_t>(n - 1)];
        if (!cache) cache = std::make_unique<CurveCache>();
        return *cache;
    }
    bool allocated(int n) const { return items_[static_cast<std::size_t>(n - 1)] != nullptr; }
    // The cache of figure n, or null when it was never asked for.
    const CurveCache* find(int n) const { return items_[static_cast<std::size_t>(n - 1)].get(); }

private:
    std::array<std::unique_ptr<CurveCache>, N> items_;
};

} // namespace tarlix
