#pragma once
// Roots of polynomials up to degree 4 in closed form, for "solut4" and for "sol".

#include "expression/EngineSettings.h"
#include "expression/Value.h"
#include "expression/functions/ComplexMath.h"

#include <array>
#include <vector>

namespace tarlix {

// Coefficients of x^4, x^3, x^2, x, 1 in that order.
using QuarticCoefficients = std::array<Extended, 5>;

// The roots of the polynomial, ascending by real part, then by imaginary part. Zero leading
// coefficients lower the degree. A root whose imaginary part is below 1e-8 in magnitude is
// real (imaginary part 0); the other roots are kept only when keepComplex is set.
std::vector<Complex> polynomialRoots(const QuarticCoefficients& c, bool keepComplex);

// The n-th root (n = 1..4) as a real, or as a pair when it is complex; undefined when there
// is none.
Value polynomialRoot(const QuarticCoefficients& c, int n, bool keepComplex);

// solut4(a, b, c, d, e[, n]); complex roots count with ComplexMode.
Value solut4Value(const ValueArray& args, const EngineSettings& s);

} // namespace tarlix
