#include "render/figures/CurveSampling.h"

#include "document/ParamTable.h"
#include "expression/Vocabulary.h"
#include "expression/eval/RowEvaluator.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tarlix {

namespace {

// These tokens keep state of their own between values (paths, integrals, solutions), so the
// curve is evaluated one parameter value at a time.
bool needsSingleValues(const FigureEntry& f) {
    for (const CompiledExpression* e : {&f.whole, &f.radius})
        for (const char c : e->code) {
            const int t = static_cast<unsigned char>(c);
            if (t == tkPath || t == tkIgr || t == tkSol) return true;
        }
    return false;
}

std::optional<Extended> boundOf(const CompiledExpression& bound, Evaluator& evaluator) {
    const Value v = evaluator.evaluate(bound, makeUndefined(vkReal));
    if (!v.isValid() || v.kind == vkPair) return std::nullopt;
    return v.x;
}

// A polar curve whose radius may not be negative has no point where it is.
bool checksRadius(const FigureEntry& f, const Evaluator& evaluator) {
    return f.kind == 5 && evaluator.env().settings.circleMode == 2;
}

// Figure positions are read from the view; function rows are not, because the columns here
// are parameter values, not pixel columns.
RowViewCaches curveCaches(const View& view) {
    RowViewCaches caches;
    caches.positions = &view.positions;
    return caches;
}

// a, a + step, ... while below b, then b itself, into ts; never more than the cache holds.
// Returns how many.
std::size_t fillParameterValues(std::vector<Value>& ts, Extended a, Extended b, Extended step) {
    if (ts.size() < curveSampleCapacity) ts.resize(curveSampleCapacity, makeReal(0));
    std::size_t count = 0;
    for (; count < curveSampleCapacity; ++count) {
        const Extended t = a + static_cast<Extended>(count) * step;
        if (!(t < b)) break;
        ts[count].x = t;
    }
    if (count < curveSampleCapacity) ts[count++].x = b;
    return count;
}

} // namespace

WholePoint wholePointOf(const Value& v) {
    if (!v.isValid() || v.kind != vkPair) return {};
    return {v.x, v.y, true};
}

CurveSampler::CurveSampler(View& view, Evaluator& evaluator)
    : view_(view), evaluator_(evaluator), rows_(evaluator, curveCaches(view)) {}

void CurveSampler::sample(const FigureEntry& f, int n) {
    CurveCache& cache = view_.curveCaches[n];
    cache.count = 0;
    cache.paramIndex = parameterOfLetter(f.paramLetter);
    if (cache.paramIndex == 0) return;
    const auto a = boundOf(f.paramLow, evaluator_);
    const auto b = boundOf(f.paramHigh, evaluator_);
    if (!a || !b || !(*a < *b) || !(f.paramStep > 0)) return;
    const std::size_t count = fillParameterValues(varying_, *a, *b, f.paramStep);
    if (needsSingleValues(f))
        sampleOneByOne(f, n, cache.paramIndex, count);
    else
        sampleRows(f, n, cache.paramIndex, count);
}

void CurveSampler::update(const FigureStore& figures, bool force) {
    const RedrawState& redraw = view_.redrawState();
    for (int n = 1; n <= figureCount; ++n) {
        const FigureEntry& f = figures[n];
        if (!isCurveKind(f.kind)) continue;
        const bool wanted = force || f.visible || f.lineAfterimage;
        if (wanted && (force || redraw.isDirty(static_cast<std::uint8_t>(figureToken(n)))))
            sample(f, n);
    }
}

void CurveSampler::append(CurveCache& cache, bool radiusChecked, const Extended& t,
                          const Value& whole, const Value& radius) {
    if (cache.count >= curveSampleCapacity) return;
    const bool defined = whole.valid && whole.kind == vkPair;
    const bool radiusAllowed = !radiusChecked || (radius.valid && radius.x >= 0);
    CurveSample& s = cache.samples[++cache.count];
    // Copied as bytes: moving extended values through the FPU costs more than the sampling
    // of a simple curve's arithmetic.
    if (defined) {
        std::memcpy(static_cast<void*>(&s.x), &whole.x, sizeof s.x);
        std::memcpy(static_cast<void*>(&s.y), &whole.y, sizeof s.y);
    } else {
        s.x = 0;
        s.y = 0;
    }
    std::memcpy(static_cast<void*>(&s.t), &t, sizeof s.t);
    s.valid = defined && radiusAllowed;
}

// The whole parameter table is put back afterwards: only the curve's own slot moves.
void CurveSampler::sampleOneByOne(const FigureEntry& f, int n, int parameter, std::size_t count) {
    CurveCache& cache = view_.curveCaches[n];
    const bool radiusChecked = checksRadius(f, evaluator_);
    ParameterValues& table = evaluator_.env().parameters;
    const ParameterValues saved = table;
    for (std::size_t i = 0; i < count; ++i) {
        const Extended t = varying_[i].x;
        table.value(parameter) = t;
        const Value whole = evaluator_.figureValue(n, fpWhole);
        const Value radius = radiusChecked ? evaluator_.figureValue(n, fpRadius) : Value{};
        append(cache, radiusChecked, t, whole, radius);
    }
    table = saved;
}

void CurveSampler::sampleRows(const FigureEntry& f, int n, int parameter, std::size_t count) {
    CurveCache& cache = view_.curveCaches[n];
    const bool radiusChecked = checksRadius(f, evaluator_);
    const bool complex = evaluator_.env().settings.complexMode;
    // The point expressions of a figure read no x of their own: x stands undefined, as when
    // the stack machine evaluates a figure.
    if (undefinedPairs_.size() < count) {
        undefinedPairs_.resize(count, makeUndefined(vkPair));
        undefined_.resize(count, makeUndefined(vkReal));
    }
    if (whole_.size() < count) {
        whole_.resize(count);
        radius_.resize(count);
    }
    const Value none;
    for (std::size_t first = 0; first < count; first += curveChunk) {
        const std::size_t m = std::min<std::size_t>(curveChunk, count - first);
        const auto varying = std::span<const Value>(varying_).subspan(first, m);
        rowOf(f.whole, parameter, varying, std::span(undefinedPairs_).first(m),
              std::span(whole_).first(m));
        if (radiusChecked)
            rowOf(f.radius, parameter, varying, std::span(undefined_).first(m),
                  std::span(radius_).first(m));
        for (std::size_t i = 0; i < m; ++i)
            append(cache, radiusChecked, varying[i].x, complex ? toPair(whole_[i]) : whole_[i],
                   radiusChecked ? radius_[i] : none);
    }
}

// The curve's own expression is entered as the stack machine enters a figure, so that a curve
// defined through itself is cut off the same way.
void CurveSampler::rowOf(const CompiledExpression& e, int parameter, std::span<const Value> varying,
                         std::span<const Value> xs, std::span<Value> out) {
    if (e.code.empty() || !evaluator_.enter(&e)) {
        std::fill(out.begin(), out.end(), makeUndefined(xs.front().kind));
        return;
    }
    RowRequest request;
    request.xs = xs;
    request.varyingParameter = parameter;
    request.varying = varying;
    rows_.evaluateRow(e, request, out);
    evaluator_.leave();
}

} // namespace tarlix
