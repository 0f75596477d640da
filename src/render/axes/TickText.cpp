#include "render/axes/TickText.h"

#include "expression/eval/NumberText.h"
#include "view/TickSequence.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace tarlix {

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

bool isPiAxis(const Axis& axis) {
    Fraction unused;
    return rationalOf(axis.base / kPi, unused);
}

void piText(Extended v, TickText& t) {
    Extended q = v / kPi;
    const Extended whole = std::nearbyint(q);
    if (std::fabs(q - whole) < 1e-8L) q = whole;
    Fraction f;
    if (!rationalOf(std::fabs(q), f) || f.denominator > 999) {
        t.shown = false;
        return;
    }
    t.zero = q == 0;
    t.negative = q < 0;
    if (t.zero) {
        t.text = "0";
        return;
    }
    t.numerator = std::to_string(f.numerator);
    t.denominator = std::to_string(f.denominator);
    const std::string sign = t.negative ? "-" : "";
    if (f.denominator == 1) {
        t.text = sign + (f.numerator == 1 ? "" : t.numerator) + "p";
        return;
    }
    t.fraction = true;
    const std::string& wider =
        t.numerator.size() >= t.denominator.size() ? t.numerator : t.denominator;
    t.text = sign + wider + (f.numerator == 1 ? "" : "p");
}

} // namespace

std::string decimalTickText(Extended magnitude) {
    std::string s = formatFixed(magnitude, 19, 9, '.');
    if (s.find('.') == std::string::npos || s.find('E') != std::string::npos) return s;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

TickText tickText(const Axis& axis, Extended v) {
    TickText t;
    if (isPiAxis(axis)) {
        piText(v, t);
        return t;
    }
    t.text = decimalTickText(std::fabs(v));
    // A sum of intervals a hair off 0 still labels the origin.
    t.zero = t.text == "0";
    t.negative = v < 0 && !t.zero;
    if (t.negative) t.text = "-" + t.text;
    return t;
}

} // namespace tarlix
