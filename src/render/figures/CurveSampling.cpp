#include "render/figures/CurveSampling.h"

#include "document/ParamTable.h"
#include "expression/Vocabulary.h"
#include "expression/eval/RowEvaluator.h"

#include <algorithm>
#include <vector>

namespace tarlix {

namespace {

// These tokens keep state of their own between values (paths, integrals, solutions), so the
// curve is evaluated one parameter value at a time.
bool needsSingleValues(const FigureEntry& f) {
    for (const CompiledExpression* e : {&f.whole, &f.radius})
        for (const char c : e->code) {
            const int t = static_cast<unsigned char>(c);
            if (t == Token::Path || t == Token::Igr || t == Token::Sol) return true;
        }
    return false;
}

std::optional<Extended> boundOf(const CompiledExpression& bound, Evaluator& evaluator) {
    const Value v = evaluator.evaluate(bound, makeUndefined(ValueKind::Real));
    if (!v.isValid() || v.kind == ValueKind::Pair) return std::nullopt;
    return v.x;
}

// A polar curve whose radius may not be negative has no point where it is.
bool checksRadius(const FigureEntry& f, const Evaluator& evaluator) {
    return f.kind == FigureKind::Polar &&
           evaluator.env().settings.circleMode == CircleMode::NegativeRadiusUndefined;
}

// Figure positions are read from the view; function rows are not, because the columns here
// are parameter values, not pixel columns.
RowViewCaches curveCaches(const View& view) {
    RowViewCaches caches;
    caches.positions = &view.positions;
    return caches;
}

// a, a + step, ... while below b, then b itself, into the cache's parameter values (unless
// they are there already); never more than the cache holds. Returns how many.
std::size_t fillParameterValues(CurveCache& cache, Extended a, Extended b, Extended step) {
    CurveCache::Range& made = cache.paramRange;
    if (made.count != 0 && made.low == a && made.high == b && made.step == step) return made.count;
    std::size_t count = 0;
    for (; count < curveSampleCapacity; ++count) {
        const Extended t = a + static_cast<Extended>(count) * step;
        if (!(t < b)) break;
        cache.params[static_cast<int>(count) + 1].x = t;
    }
    if (count < curveSampleCapacity) cache.params[static_cast<int>(++count)].x = b;
    made = {a, b, step, count};
    return count;
}

// A polar curve whose radius may not be negative has no point where it is.
void dropNegativeRadius(Value& point, const Value& radius) {
    if (!radius.valid || !(radius.x >= 0)) point.valid = 0;
}

} // namespace

WholePoint wholePointOf(const Value& v) {
    if (!v.isValid() || v.kind != ValueKind::Pair) return {};
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
    const std::size_t count = fillParameterValues(cache, *a, *b, f.paramStep);
    if (needsSingleValues(f))
        sampleOneByOne(f, n, cache, count);
    else
        sampleRows(f, cache, count);
    cache.count = static_cast<int>(count);
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

// The whole parameter table is put back afterwards: only the curve's own slot moves.
void CurveSampler::sampleOneByOne(const FigureEntry& f, int n, CurveCache& cache,
                                  std::size_t count) {
    const bool radiusChecked = checksRadius(f, evaluator_);
    ParameterValues& table = evaluator_.env().parameters;
    const ParameterValues saved = table;
    for (int i = 1; i <= static_cast<int>(count); ++i) {
        table.value(cache.paramIndex) = cache.params[i].x;
        Value& point = cache.points[i];
        point = evaluator_.figureValue(n, FigurePart::Whole);
        if (radiusChecked) dropNegativeRadius(point, evaluator_.figureValue(n, FigurePart::Radius));
    }
    table = saved;
}

// The row evaluator writes the points straight into the cache.
void CurveSampler::sampleRows(const FigureEntry& f, CurveCache& cache, std::size_t count) {
    const bool radiusChecked = checksRadius(f, evaluator_);
    const bool complex = evaluator_.env().settings.complexMode;
    // The point expressions of a figure read no x of their own: x stands undefined, as when
    // the stack machine evaluates a figure.
    if (undefinedPairs_.size() < count) {
        undefinedPairs_.resize(count, makeUndefined(ValueKind::Pair));
        undefined_.resize(count, makeUndefined(ValueKind::Real));
    }
    if (radiusChecked && radius_.size() < count) radius_.resize(count);
    for (std::size_t first = 0; first < count; first += curveChunk) {
        const std::size_t m = std::min<std::size_t>(curveChunk, count - first);
        const int at = static_cast<int>(first) + 1;
        const std::span<const Value> varying(&cache.params[at], m);
        const std::span<Value> points(&cache.points[at], m);
        rowOf(f.whole, cache.paramIndex, varying, std::span(undefinedPairs_).first(m), points);
        if (complex)
            for (Value& p : points) p = toPair(p);
        if (!radiusChecked) continue;
        rowOf(f.radius, cache.paramIndex, varying, std::span(undefined_).first(m),
              std::span(radius_).first(m));
        for (std::size_t i = 0; i < m; ++i) dropNegativeRadius(points[i], radius_[i]);
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
