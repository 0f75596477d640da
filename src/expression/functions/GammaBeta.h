#pragma once
// Gamma and Beta.

#include "expression/Value.h"

namespace tarlix {

// Gamma(x) for reals x <= 1750 that are positive or not whole, by shifting x into [16, 17)
// and Stirling's series there.
Value gammaValue(const Value& v);

// Beta(a, b) = Gamma(a) Gamma(b) / Gamma(a + b) for a, b > 0.
Value betaValue(const Value& a, const Value& b);

} // namespace tarlix
