#include "render/GraphHits.h"

#include "render/relation/RelationSampler.h"

#include <cmath>
#include <limits>

namespace tarlix {

namespace {

constexpr int kOffset = 2; // pixels from the pointer to each sample
constexpr Extended kUndefined = std::numeric_limits<Extended>::quiet_NaN();

// The samples' pixel offsets, in the order a (left, up), b (right, up), c (left, down),
// d (right, down).
constexpr int kDx[4] = {-kOffset, kOffset, -kOffset, kOffset};
constexpr int kDy[4] = {-kOffset, -kOffset, kOffset, kOffset};

Extended realOf(const Value& v) {
    return v.isValid() && std::isfinite(static_cast<double>(v.x)) ? v.x : kUndefined;
}

template <typename F> void sampleAround(const View& view, int px, int py, F f, Extended (&out)[4]) {
    for (int i = 0; i < 4; ++i)
        out[i] = f(view.xAxis.toWorld(px + kDx[i]), view.yAxis.toWorld(py + kDy[i]));
}

// One Newton step on the pixel grid from the pointer towards F = 0, with the gradient taken
// from the four samples; the pointer itself when the samples are flat or not all defined.
WorldPoint nearestOnCurve(const View& view, int px, int py, const Extended (&s)[4]) {
    Extended dx = 0, dy = 0;
    const bool allDefined =
        !std::isnan(s[0]) && !std::isnan(s[1]) && !std::isnan(s[2]) && !std::isnan(s[3]);
    if (allDefined) {
        const Extended sum = s[0] + s[1] + s[2] + s[3];
        const Extended gx = s[1] + s[3] - s[0] - s[2]; // right minus left
        const Extended gy = s[2] + s[3] - s[0] - s[1]; // down minus up
        const Extended norm = gx * gx + gy * gy;
        if (norm > 0) {
            // F = sum / 4 and the gradient (gx, gy) / 8 per pixel.
            dx = -2 * sum * gx / norm;
            dy = -2 * sum * gy / norm;
        }
    }
    return {view.xAxis.toWorld(px + dx), view.yAxis.toWorld(py + dy)};
}

} // namespace

bool passesBetween(const Extended (&samples)[4]) {
    int defined = 0, signs = 0;
    for (const Extended s : samples) {
        if (std::isnan(s)) continue;
        ++defined;
        signs += (s > 0) - (s < 0);
    }
    return defined >= 2 && std::abs(signs) < defined;
}

CurveUnderPointer functionAt(const View& view, const ExplicitFunctionStore& functions,
                             Evaluator& evaluator, int px, int py) {
    for (int n = functionCount; n >= 1; --n) {
        const EquationEntry& f = functions[n];
        if (f.expr.source.empty() || f.expr.code.empty()) continue;
        Extended samples[4];
        sampleAround(
            view, px, py,
            [&](Extended x, Extended y) {
                return realOf(evaluator.evaluate(f.expr, makeReal(x))) - y;
            },
            samples);
        if (!passesBetween(samples)) continue;
        const Extended x = view.xAxis.toWorld(px);
        return {n, x, realOf(evaluator.evaluate(f.expr, makeReal(x)))};
    }
    return {};
}

CurveUnderPointer relationAt(const View& view, std::span<const RelationEntry> relations, int px,
                             int py) {
    for (int n = static_cast<int>(relations.size()); n >= 1; --n) {
        const RelationEntry& r = relations[static_cast<std::size_t>(n - 1)];
        if (!r.hasText) continue;
        for (const RelationPart& part : r.parts.parts) {
            if (!part.f) continue;
            Extended samples[4];
            sampleAround(
                view, px, py,
                [&](Extended x, Extended y) { return realOf(part.f->evaluate(x, y)); }, samples);
            if (!passesBetween(samples)) continue;
            const WorldPoint p = nearestOnCurve(view, px, py, samples);
            return {n, p.x, p.y};
        }
    }
    return {};
}

} // namespace tarlix
