#pragma once
// The sequences of tick steps an axis chooses from: decimal steps (1, 2, 5 times a power of ten
// times the axis base) and angle steps for axes whose base is a rational multiple of pi, 90 or
// 180 (halves, thirds, quarters ...).

#include "expression/Value.h"

#include <cstdint>

namespace tarlix {

struct Fraction {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
};

// The loops that walk a tick sequence or a row of ticks stop after this many steps, so absurd
// ranges or bases cannot hang the program.
inline constexpr int maxTickSteps = 10000;

// The continued-fraction test: true when the expansion of |value| ends within 10 terms, a
// remainder below 1e-8 counting as 0; the fraction found is stored in `result`.
// Values of 1e15 and above, infinities and NaN are never rational here.
bool rationalOf(Extended value, Fraction& result);

// True when ticks of an axis with this base follow the angle sequence.
bool isAngleBase(Extended base);

// The step between ticks for `number` divisions of low..high: the largest step of the base's
// sequence not above |high - low| / number. `number` 0 gives a step that puts no tick inside.
Extended tickInterval(Extended low, Extended high, int number, Extended base);

} // namespace tarlix
