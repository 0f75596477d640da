#pragma once
// Fixed-capacity per-view stores that the drawing code shares beside the row form's caches:
// curve samples and the copy of the parameter table.

#include "base/Store.h"
#include "expression/eval/RowCaches.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarlix {

inline constexpr int curveSampleCapacity = 5000;

struct CurveSample {
    Extended x = 0;
    Extended y = 0;
    Extended t = 0;
    bool valid = false;
};

// The samples of one parametric or polar curve.
struct CurveCache {
    Store<CurveSample, curveSampleCapacity> samples;
    int paramIndex = 0;
    int count = 0;
};

struct ParameterValueStep {
    Extended value = 0;
    Extended step = 0;
};

// A copy of the parameter table: slot -1 is x, slot 0 is y, slots 1..14 the parameters.
class ParameterCopy {
public:
    static constexpr int firstSlot = -1;
    static constexpr int lastSlot = 14;
    ParameterValueStep& operator[](int slot) { return entries[static_cast<std::size_t>(slot + 1)]; }
    const ParameterValueStep& operator[](int slot) const {
        return entries[static_cast<std::size_t>(slot + 1)];
    }

private:
    std::array<ParameterValueStep, 16> entries{};
};

} // namespace tarlix
