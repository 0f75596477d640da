#pragma once
// Sampling the parametric and polar curves into the view's curve caches: the curve's
// parameter runs from the range's low to its high bound by the step, and the whole-point
// expression is evaluated at every value, in rows where the row form can.

#include "expression/eval/Evaluator.h"
#include "expression/eval/RowEvaluator.h"
#include "render/figures/FigureStore.h"
#include "view/View.h"

#include <vector>

namespace tarlix {

struct WholePoint {
    Extended x = 0;
    Extended y = 0;
    bool defined = false;
};

// x and y of a whole-point value; a complex number stands for its point in complex mode.
WholePoint wholePointOf(const Value& v);

// Values of the curve parameter taken per row: the widest drawing has this many columns.
inline constexpr int curveChunk = 1400;

// The sampler of one view. It keeps its rows between curves and redraws, so that sampling
// during an animation allocates nothing.
class CurveSampler {
public:
    CurveSampler(View& view, Evaluator& evaluator);

    // Resamples curve n into its cache: empty unless the range bounds are defined, low < high
    // and the step is positive; at most curveSampleCapacity samples.
    void sample(const FigureEntry& figure, int n);

    // Resamples every curve whose figure token is dirty and that is shown or leaves
    // afterimages, or every curve when forced.
    void update(const FigureStore& figures, bool force);

private:
    void sampleOneByOne(const FigureEntry& f, int n, CurveCache& cache, std::size_t count);
    void sampleRows(const FigureEntry& f, CurveCache& cache, std::size_t count);
    void rowOf(const CompiledExpression& e, int parameter, std::span<const Value> varying,
               std::span<const Value> xs, std::span<Value> out);

    View& view_;
    Evaluator& evaluator_;
    RowEvaluator rows_;
    std::vector<Value> undefinedPairs_, undefined_; // x of the point and of the radius
    std::vector<Value> radius_;
};

} // namespace tarlix
