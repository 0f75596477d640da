#include "expression/functions/ClosedForm.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

constexpr Extended kResolventZero = 1e-8L;

using Roots = std::vector<Complex>;

Extended sgn(Extended v) {
    return v < 0 ? -1 : 1;
}

Complex csqrt(Complex z) {
    if (z.im == 0) {
        if (z.re >= 0) return {std::sqrt(z.re), 0};
        return {0, std::sqrt(-z.re)};
    }
    // The larger component first, from a sum without cancellation.
    const Extended m = cabs(z);
    if (z.re >= 0) {
        const Extended re = std::sqrt((m + z.re) / 2);
        return {re, z.im / (2 * re)};
    }
    const Extended im = std::copysign(std::sqrt((m - z.re) / 2), z.im);
    return {z.im / (2 * im), im};
}

// a x^2 + b x + c with real coefficients, a != 0.
void solveQuadratic(Extended a, Extended b, Extended c, Roots& out) {
    const Extended disc = b * b - 4 * a * c;
    if (disc < 0) {
        const Extended re = -b / (2 * a), im = std::sqrt(-disc) / (2 * std::fabs(a));
        out.push_back({re, -im});
        out.push_back({re, im});
        return;
    }
    // The root of larger magnitude first, the other from the product: no cancellation.
    const Extended q = -(b + sgn(b) * std::sqrt(disc)) / 2;
    out.push_back({q / a, 0});
    out.push_back({q == 0 ? 0 : c / q, 0});
}

// x^3 + a x^2 + b x + c.
void solveMonicCubic(Extended a, Extended b, Extended c, Roots& out) {
    if (c == 0) {
        // The root 0 exactly: the trigonometric form would blur it when the other two are close.
        out.push_back({0, 0});
        solveQuadratic(1, a, b, out);
        return;
    }
    const Extended shift = a / 3;
    const Extended p = b - a * shift;
    const Extended q = 2 * shift * shift * shift - shift * b + c;
    const Extended disc = q * q / 4 + p * p * p / 27;
    if (disc > 0) {
        const Extended u = std::cbrt(-q / 2 - sgn(q) * std::sqrt(disc));
        const Extended v = -p / (3 * u);
        const Extended re = -(u + v) / 2 - shift, im = std::sqrt(3.0L) / 2 * std::fabs(u - v);
        out.push_back({u + v - shift, 0});
        out.push_back({re, -im});
        out.push_back({re, im});
        return;
    }
    if (p == 0) {
        for (int k = 0; k < 3; ++k) out.push_back({-shift, 0});
        return;
    }
    const Extended r = 2 * std::sqrt(-p / 3);
    const Extended cosine = std::clamp(3 * q / (p * r), -1.0L, 1.0L);
    const Extended phi = std::acos(cosine) / 3;
    const Extended third = 2 * std::acos(-1.0L) / 3;
    for (int k = 0; k < 3; ++k) out.push_back({r * std::cos(phi - third * k) - shift, 0});
}

Extended largestRealRoot(const Roots& roots) {
    Extended best = -INFINITY;
    for (const Complex& z : roots)
        if (z.im == 0 && z.re > best) best = z.re;
    return best;
}

Extended resolventCoefficient(Extended v) {
    return std::fabs(v) < kResolventZero ? 0 : v;
}

// x^4 + b x^3 + c x^2 + d x + e by Ferrari's reduction to a resolvent cubic; coarse drops the
// resolvent's coefficients below 1e-8.
void solveMonicQuartic(Extended b, Extended c, Extended d, Extended e, bool coarse, Roots& out) {
    const Extended shift = b / 4;
    const Extended s2 = shift * shift;
    const Extended p = c - 6 * s2;
    const Extended q = d - 2 * c * shift + 8 * s2 * shift;
    const Extended r = e - d * shift + c * s2 - 3 * s2 * s2;
    // Depressed y^4 + p y^2 + q y + r; the resolvent m^3 + p m^2 + (p^2/4 - r) m - q^2/8.
    Roots resolvent;
    if (coarse)
        solveMonicCubic(resolventCoefficient(p), resolventCoefficient(p * p / 4 - r),
                        resolventCoefficient(-q * q / 8), resolvent);
    else
        solveMonicCubic(p, p * p / 4 - r, -q * q / 8, resolvent);
    const Extended m = largestRealRoot(resolvent);
    Roots ys;
    if (m > 0) {
        // (y^2 + p/2 + m)^2 = 2m (y - q/(4m))^2 splits into two real quadratics.
        const Extended w = std::sqrt(2 * m), k = q / (2 * w);
        solveQuadratic(1, w, p / 2 + m - k, ys);
        solveQuadratic(1, -w, p / 2 + m + k, ys);
    } else {
        // No odd part left: a quadratic in y^2.
        Roots zs;
        solveQuadratic(1, p, r, zs);
        for (const Complex& z : zs) {
            const Complex y = csqrt(z);
            ys.push_back(y);
            ys.push_back({-y.re, -y.im});
        }
    }
    for (const Complex& y : ys) out.push_back({y.re - shift, y.im});
}

} // namespace

Roots closedFormRoots(const std::vector<Extended>& c, bool coarse) {
    Roots roots;
    switch (c.size() - 1) {
    case 1:
        roots.push_back({-c[1], 0});
        break;
    case 2:
        solveQuadratic(1, c[1], c[2], roots);
        break;
    case 3:
        solveMonicCubic(c[1], c[2], c[3], roots);
        break;
    case 4:
        solveMonicQuartic(c[1], c[2], c[3], c[4], coarse, roots);
        break;
    default:
        break;
    }
    return roots;
}

} // namespace tarlix
