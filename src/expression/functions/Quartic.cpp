#include "expression/functions/Quartic.h"

#include "expression/functions/ClosedForm.h"
#include "expression/functions/RootRefinement.h"
#include "expression/functions/WholeNumber.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

constexpr Extended kRealRootTolerance = 1e-8L;
constexpr Extended kTrustedBackwardError = 1e-17L;
constexpr Extended kPairingTolerance = 1e-15L;

using Roots = std::vector<Complex>;

// The closed form gives complex roots in conjugate pairs; polishing the upper one and
// mirroring it keeps each pair exactly conjugate, so its order is fixed by the sign.
Roots polishedRoots(const std::vector<Extended>& c, bool coarse) {
    Roots roots;
    for (const Complex& z : closedFormRoots(c, coarse)) {
        if (z.im < 0) continue;
        const Complex p = polishRoot(c, z);
        roots.push_back(p);
        if (z.im > 0) roots.push_back({p.re, -p.im});
    }
    return roots;
}

// Conjugate pairs made exact again after a refinement that treats every root on its own:
// the upper root of each pair is kept and mirrored, roots next to the real axis (relative
// to their size) become real. Empty when the roots do not pair up.
Roots mirroredPairs(const Roots& found) {
    Roots roots;
    for (const Complex& z : found) {
        if (std::fabs(z.im) <= kPairingTolerance * std::fabs(z.re)) {
            roots.push_back({z.re, 0});
        } else if (z.im > 0) {
            roots.push_back(z);
            roots.push_back({z.re, -z.im});
        }
    }
    return roots.size() == found.size() ? roots : Roots{};
}

void keepBetter(const std::vector<Extended>& c, Roots candidate, Roots& best, Extended& error) {
    if (candidate.size() != best.size()) return;
    const Extended e = backwardError(c, candidate);
    if (e < error) {
        best = std::move(candidate);
        error = e;
    }
}

// The closed form with the coarse resolvent. Where dropping its small coefficients spoiled
// the roots (closely clustered roots), the full resolvent; where the closed form itself lost
// them (coefficients of very different sizes), Aberth's iteration.
Roots bestRoots(const std::vector<Extended>& c) {
    Roots roots = polishedRoots(c, true);
    Extended error = backwardError(c, roots);
    if (error > kTrustedBackwardError && c.size() == 5)
        keepBetter(c, polishedRoots(c, false), roots, error);
    if (error > kTrustedBackwardError)
        keepBetter(c, mirroredPairs(aberthRoots(c, roots)), roots, error);
    return roots;
}

} // namespace

std::vector<Complex> polynomialRoots(const QuarticCoefficients& coefficients, bool keepComplex) {
    std::size_t first = 0;
    while (first < coefficients.size() && coefficients[first] == 0) ++first;
    if (first + 1 >= coefficients.size()) return {};
    // A zero constant term is the exact root 0; solving the rest keeps the others exact.
    std::size_t last = coefficients.size() - 1;
    Roots found;
    while (last > first && coefficients[last] == 0) {
        found.push_back({0, 0});
        --last;
    }
    std::vector<Extended> monic;
    for (std::size_t i = first; i <= last; ++i)
        monic.push_back(coefficients[i] / coefficients[first]);
    if (monic.size() > 1) {
        const Roots rest = bestRoots(monic);
        found.insert(found.end(), rest.begin(), rest.end());
    }
    Roots roots;
    for (Complex z : found) {
        if (std::fabs(z.im) < kRealRootTolerance) z.im = 0;
        z.re += 0; // no root shows as -0
        if (!std::isfinite(z.re) || !std::isfinite(z.im)) continue;
        if (z.im == 0 || keepComplex) roots.push_back(z);
    }
    std::sort(roots.begin(), roots.end(), [](const Complex& a, const Complex& b) {
        return a.re < b.re || (a.re == b.re && a.im < b.im);
    });
    return roots;
}

Value polynomialRoot(const QuarticCoefficients& c, int n, bool keepComplex) {
    const Roots roots = polynomialRoots(c, keepComplex);
    if (n < 1 || n > static_cast<int>(roots.size())) return makeUndefined(ValueKind::Real);
    const Complex z = roots[static_cast<std::size_t>(n - 1)];
    return z.im == 0 ? checkRange(makeReal(z.re)) : pairOf(z);
}

Value solut4Value(const ValueArray& args, const EngineSettings& s) {
    if (args.size() != 5 && args.size() != 6) return makeUndefined(ValueKind::Real);
    for (const Value& v : args)
        if (!v.valid || v.kind != ValueKind::Real) return makeUndefined(ValueKind::Real);
    const Extended n = args.size() == 6 ? roundHalfEven(args[5].x) : 1;
    if (n < 1 || n > 4) return makeUndefined(ValueKind::Real);
    const QuarticCoefficients c{args[0].x, args[1].x, args[2].x, args[3].x, args[4].x};
    return polynomialRoot(c, static_cast<int>(n), s.complexMode);
}

} // namespace tarlix
