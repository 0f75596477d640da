#pragma once
// Refinement of approximate polynomial roots to full extended precision: Newton steps for a
// root, Aberth's simultaneous iteration as the safety net when a closed form went astray.

#include "expression/functions/ComplexMath.h"

#include <vector>

namespace tarlix {

// Value and derivative of the polynomial c[0] x^n + ... + c[n] at z.
void evaluatePolynomial(const std::vector<Extended>& c, Complex z, Complex& value, Complex& slope);

// Newton steps from z, each kept only when it brings the value closer to 0.
Complex polishRoot(const std::vector<Extended>& c, Complex z);

// The largest relative residual |p(z)| / sum |c_i| |z|^i over the roots: about the extended
// rounding for roots that are right, however badly conditioned.
Extended backwardError(const std::vector<Extended>& c, const std::vector<Complex>& roots);

// All n roots at once by Aberth's iteration, started from the given approximations.
std::vector<Complex> aberthRoots(const std::vector<Extended>& c, std::vector<Complex> start);

} // namespace tarlix
