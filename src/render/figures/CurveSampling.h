#pragma once
// Sampling the parametric and polar curves into the view's curve caches: the curve's
// parameter runs from the range's low to its high bound by the step, and the whole-point
// expression is evaluated at every value, in rows where the row form can.

#include "expression/eval/Evaluator.h"
#include "render/figures/FigureStore.h"
#include "view/View.h"

namespace tarlix {

struct WholePoint {
    Extended x = 0;
    Extended y = 0;
    bool defined = false;
};

// x and y of a whole-point value; a complex number stands for its point in complex mode.
WholePoint pointOf(const Value& v);

// Values of the curve parameter taken per row: the widest drawing has this many columns.
inline constexpr int curveChunk = 1400;

// Resamples curve n into its cache: empty unless the range bounds are defined, low < high and
// the step is positive; at most curveSampleCapacity samples.
void sampleCurve(View& view, const FigureEntry& figure, int n, Evaluator& evaluator);

// Resamples every curve whose figure token is dirty and that is shown or leaves afterimages,
// or every curve when forced.
void updateCurveCaches(View& view, const FigureStore& figures, Evaluator& evaluator, bool force);

} // namespace tarlix
