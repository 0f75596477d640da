#pragma once
// Sampling of the explicit functions y1..y20 into the view's per-column caches: only functions
// marked dirty are evaluated, and the samples next to the edge of a function's domain are moved
// onto that edge, so that a graph such as sqrt(x) reaches the boundary point.

#include "render/explicit/FunctionSampler.h"
#include "view/View.h"

namespace tarlix {

// The explicit functions of the document, numbered 1..20.
using ExplicitFunctionStore = Store<EquationEntry, functionCount>;

// Re-evaluates the functions whose token is in the view's dirty set and refines the domain
// edges of those that are drawn. Functions without text get an all-undefined cache.
void updateFunctionSamples(View& view, const ExplicitFunctionStore& functions,
                           FunctionSampler& sampler);

// Moves the samples at the edges of the domain of function n onto the edges, found by
// bisection between the last defined and the first undefined column.
void refineDomainEdges(View& view, int n, const EquationEntry& f, FunctionSampler& sampler);

} // namespace tarlix
