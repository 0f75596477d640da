#pragma once
// Closed-form roots of monic polynomials of degree 1 to 4: the quadratic formula, Cardano's
// and the trigonometric cubic, and Ferrari's reduction of the quartic to a resolvent cubic.

#include "expression/functions/ComplexMath.h"

#include <vector>

namespace tarlix {

// Roots of x^n + c[1] x^(n-1) + ... + c[n] (c[0] = 1), complex ones in exact conjugate pairs.
// coarse drops the coefficients of the quartic's resolvent that are below 1e-8.
std::vector<Complex> closedFormRoots(const std::vector<Extended>& c, bool coarse);

} // namespace tarlix
