#include "expression/functions/RootRefinement.h"

#include <cmath>

namespace tarlix {

namespace {

constexpr int kPolishSteps = 8;
constexpr int kAberthSteps = 500;
constexpr Extended kAberthSettled = 1e-19L;

bool isZero(Complex z) {
    return z.re == 0 && z.im == 0;
}

// Moves coinciding or real starting points apart and off the real axis, so that the
// iteration can separate them and reach complex roots.
void spreadStart(std::vector<Complex>& z) {
    for (std::size_t i = 0; i < z.size(); ++i) {
        const Extended size = cabs(z[i]) + 1;
        const Extended angle = 0.4L + 1.7L * static_cast<Extended>(i);
        z[i] = cadd(z[i], {size * 1e-3L * std::cos(angle), size * 1e-3L * std::sin(angle)});
    }
}

} // namespace

void evaluatePolynomial(const std::vector<Extended>& c, Complex z, Complex& value, Complex& slope) {
    value = {c[0], 0};
    slope = {0, 0};
    for (std::size_t i = 1; i < c.size(); ++i) {
        slope = cadd(cmul(slope, z), value);
        value = cadd(cmul(value, z), {c[i], 0});
    }
}

Complex polishRoot(const std::vector<Extended>& c, Complex z) {
    Complex value, slope;
    evaluatePolynomial(c, z, value, slope);
    for (int i = 0; i < kPolishSteps && !isZero(value) && !isZero(slope); ++i) {
        const Complex next = csub(z, cdiv(value, slope));
        Complex nextValue, nextSlope;
        evaluatePolynomial(c, next, nextValue, nextSlope);
        if (!(cabs(nextValue) < cabs(value))) break;
        z = next;
        value = nextValue;
        slope = nextSlope;
    }
    return z;
}

Extended backwardError(const std::vector<Extended>& c, const std::vector<Complex>& roots) {
    Extended worst = 0;
    for (const Complex& z : roots) {
        Complex value, slope;
        evaluatePolynomial(c, z, value, slope);
        Extended size = 0;
        const Extended r = cabs(z);
        for (Extended coefficient : c) size = size * r + std::fabs(coefficient);
        const Extended e = size == 0 ? 0 : cabs(value) / size;
        if (!(e <= worst)) worst = e; // NaN counts as the worst
    }
    return worst;
}

std::vector<Complex> aberthRoots(const std::vector<Extended>& c, std::vector<Complex> z) {
    spreadStart(z);
    for (int step = 0; step < kAberthSteps; ++step) {
        bool moved = false;
        for (std::size_t i = 0; i < z.size(); ++i) {
            Complex value, slope;
            evaluatePolynomial(c, z[i], value, slope);
            if (isZero(value) || isZero(slope)) continue;
            const Complex ratio = cdiv(value, slope);
            Complex repulsion;
            for (std::size_t j = 0; j < z.size(); ++j) {
                const Complex gap = csub(z[i], z[j]);
                if (j != i && !isZero(gap)) repulsion = cadd(repulsion, cdiv({1, 0}, gap));
            }
            const Complex shift = cdiv(ratio, csub({1, 0}, cmul(ratio, repulsion)));
            if (!std::isfinite(shift.re) || !std::isfinite(shift.im)) continue;
            z[i] = csub(z[i], shift);
            if (cabs(shift) > kAberthSettled * (cabs(z[i]) + 1)) moved = true;
        }
        if (!moved) break;
    }
    return z;
}

} // namespace tarlix
