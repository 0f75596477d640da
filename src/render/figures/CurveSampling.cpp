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
            if (t == tkPath || t == tkIgr || t == tkSol) return true;
        }
    return false;
}

std::optional<Extended> boundOf(const CompiledExpression& bound, Evaluator& evaluator) {
    const Value v = evaluator.evaluate(bound, makeUndefined(vkReal));
    if (!v.isValid() || v.kind == vkPair) return std::nullopt;
    return v.x;
}

// a, a + step, ... while below b, then b itself; never more than the cache holds.
std::vector<Extended> parameterValues(Extended a, Extended b, Extended step) {
    std::vector<Extended> ts;
    for (long k = 0; ts.size() < curveSampleCapacity; ++k) {
        const Extended t = a + k * step;
        if (!(t < b)) break;
        ts.push_back(t);
    }
    if (ts.size() < curveSampleCapacity) ts.push_back(b);
    return ts;
}

class CurveSampler {
public:
    CurveSampler(View& view, const FigureEntry& f, int n, Evaluator& evaluator, int parameter)
        : view_(view), f_(f), n_(n), evaluator_(evaluator), parameter_(parameter),
          cache_(view.curveCaches[n]),
          radiusChecked_(f.kind == 5 && evaluator.env().settings.circleMode == 2) {}

    void sample(const std::vector<Extended>& ts) {
        if (needsSingleValues(f_))
            sampleOneByOne(ts);
        else
            for (std::size_t first = 0; first < ts.size(); first += curveChunk)
                sampleRow(std::span(ts).subspan(
                    first, std::min<std::size_t>(curveChunk, ts.size() - first)));
    }

private:
    void append(Extended t, const Value& whole, const Value& radius) {
        if (cache_.count >= curveSampleCapacity) return;
        const WholePoint p = pointOf(whole);
        const bool radiusAllowed = !radiusChecked_ || (radius.isValid() && radius.x >= 0);
        CurveSample& s = cache_.samples[++cache_.count];
        s.x = p.defined ? p.x : 0;
        s.y = p.defined ? p.y : 0;
        s.t = t;
        s.valid = p.defined && radiusAllowed;
    }

    void sampleOneByOne(const std::vector<Extended>& ts) {
        ParameterValues& table = evaluator_.env().parameters;
        const ParameterValues saved = table;
        for (const Extended t : ts) {
            table.value(parameter_) = t;
            const Value whole = evaluator_.figureValue(n_, fpWhole);
            const Value radius = radiusChecked_ ? evaluator_.figureValue(n_, fpRadius) : Value{};
            append(t, whole, radius);
        }
        table = saved;
    }

    void sampleRow(std::span<const Extended> ts) {
        const std::size_t count = ts.size();
        varying_.resize(count);
        for (std::size_t i = 0; i < count; ++i) varying_[i] = makeReal(ts[i]);
        wholeXs_.assign(count, makeUndefined(vkPair));
        whole_.resize(count);
        radius_.assign(count, Value{});
        rowOf(f_.whole, wholeXs_, whole_);
        if (radiusChecked_) {
            radiusXs_.assign(count, makeUndefined(vkReal));
            rowOf(f_.radius, radiusXs_, radius_);
        }
        const bool complex = evaluator_.env().settings.complexMode;
        for (std::size_t i = 0; i < count; ++i)
            append(ts[i], complex ? toPair(whole_[i]) : whole_[i], radius_[i]);
    }

    // The curve's own expression is entered as the stack machine enters a figure, so that a
    // curve defined through itself is cut off the same way.
    void rowOf(const CompiledExpression& e, const std::vector<Value>& xs, std::vector<Value>& out) {
        if (e.code.empty() || !evaluator_.enter(&e)) {
            std::fill(out.begin(), out.end(), makeUndefined(xs.front().kind));
            return;
        }
        // Figure positions are read from the view; function rows are not, because the columns
        // here are parameter values, not pixel columns.
        RowViewCaches caches;
        caches.positions = &view_.positions;
        RowEvaluator rows(evaluator_, caches);
        RowRequest request;
        request.xs = xs;
        request.varyingParameter = parameter_;
        request.varying = varying_;
        rows.evaluateRow(e, request, out);
        evaluator_.leave();
    }

    View& view_;
    const FigureEntry& f_;
    int n_;
    Evaluator& evaluator_;
    int parameter_;
    CurveCache& cache_;
    bool radiusChecked_;
    std::vector<Value> varying_, wholeXs_, radiusXs_, whole_, radius_;
};

} // namespace

WholePoint pointOf(const Value& v) {
    if (!v.isValid() || v.kind != vkPair) return {};
    return {v.x, v.y, true};
}

void sampleCurve(View& view, const FigureEntry& f, int n, Evaluator& evaluator) {
    CurveCache& cache = view.curveCaches[n];
    cache.count = 0;
    cache.paramIndex = parameterOfLetter(f.paramLetter);
    if (cache.paramIndex == 0) return;
    const auto a = boundOf(f.paramLow, evaluator);
    const auto b = boundOf(f.paramHigh, evaluator);
    if (!a || !b || !(*a < *b) || !(f.paramStep > 0)) return;
    CurveSampler(view, f, n, evaluator, cache.paramIndex)
        .sample(parameterValues(*a, *b, f.paramStep));
}

void updateCurveCaches(View& view, const FigureStore& figures, Evaluator& evaluator, bool force) {
    const RedrawState& redraw = view.redrawState();
    for (int n = 1; n <= figureCount; ++n) {
        const FigureEntry& f = figures[n];
        if (!isCurveKind(f.kind)) continue;
        const bool wanted = force || f.visible || f.lineAfterimage;
        if (wanted && (force || redraw.isDirty(static_cast<std::uint8_t>(figureToken(n)))))
            sampleCurve(view, f, n, evaluator);
    }
}

} // namespace tarlix
