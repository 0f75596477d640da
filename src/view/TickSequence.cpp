#include "view/TickSequence.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace tarlix {

namespace {

constexpr int maxFractionTerms = 10;
constexpr Extended remainderIsZero = 1e-8L;
constexpr Extended largestRationalCandidate = 1e15L;
constexpr Extended largestFractionPart = 1e18L;

// Step-down ratios, used in turn and wrapping around; applied as a product then a quotient so
// that 10 steps down to 5, 2, 1, 0.5, 0.2 without drift.
struct Ratio {
    int numerator;
    int denominator;
};
constexpr std::array<Ratio, 3> decimalRatios{{{1, 2}, {2, 5}, {1, 2}}};
constexpr std::array<Ratio, 8> angleRatios{
    {{1, 2}, {2, 3}, {3, 4}, {1, 1}, {2, 3}, {1, 2}, {2, 5}, {1, 2}}};

// Folds the partial quotients back into numerator and denominator; false on overflow.
bool foldTerms(const std::vector<Extended>& terms, Fraction& result) {
    Extended num = 1, den = 0;
    for (auto it = terms.rbegin(); it != terms.rend(); ++it) {
        const Extended next = *it * num + den;
        den = num;
        num = next;
        if (num > largestFractionPart || den > largestFractionPart) return false;
    }
    result.numerator = static_cast<std::int64_t>(num);
    result.denominator = static_cast<std::int64_t>(den);
    return true;
}

template <std::size_t N>
Extended stepDown(Extended r, Extended b, const std::array<Ratio, N>& ratios) {
    std::size_t i = 0;
    for (int steps = 0; b < r && steps < maxTickSteps; ++steps) {
        r = r * ratios[i].numerator / ratios[i].denominator;
        i = (i + 1) % N;
    }
    return r;
}

} // namespace

bool rationalOf(Extended value, Fraction& result) {
    Extended x = std::fabs(value);
    if (!(x < largestRationalCandidate)) return false;
    std::vector<Extended> terms;
    for (int n = 0; n < maxFractionTerms; ++n) {
        const Extended whole = std::floor(x);
        const Extended rest = x - whole;
        // A remainder a hair below 1 is rounding error in the last term, not one more term.
        if (1 - rest < remainderIsZero) {
            terms.push_back(whole + 1);
            return foldTerms(terms, result);
        }
        terms.push_back(whole);
        if (rest < remainderIsZero) return foldTerms(terms, result);
        x = 1 / rest;
    }
    return false;
}

bool isAngleBase(Extended base) {
    Fraction unused;
    return base == 90 || base == 180 || rationalOf(base / std::numbers::pi_v<Extended>, unused);
}

Extended tickInterval(Extended low, Extended high, int number, Extended base) {
    const Extended span = std::fabs(high - low);
    if (number == 0) return span * 1000000;
    const bool angle = isAngleBase(base);
    const Extended b = span / number;
    const Extended growth = angle ? 2 : 10;
    Extended r = base;
    for (int steps = 0; r < b && steps < maxTickSteps; ++steps) r *= growth;
    return angle ? stepDown(r, b, angleRatios) : stepDown(r, b, decimalRatios);
}

} // namespace tarlix
