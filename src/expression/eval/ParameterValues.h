#pragma once
// The parameter table the evaluator reads and the loops write: slot -1 is x, slot 0 is y
// (written by integrals and hit tests), slots 1..14 the parameters a b c d m n p q s t u v
// theta k. The project model holds one; tests and the headless tool make their own.

#include "expression/Value.h"
#include "expression/functions/EngineQueries.h"

#include <array>
#include <cstddef>

namespace tarlix {

class ParameterValues : public ParameterSteps {
public:
    static constexpr int firstSlot = -1;
    static constexpr int lastSlot = 14;

    static bool isSlot(int slot) { return slot >= firstSlot && slot <= lastSlot; }
    Extended& value(int slot) { return values_[index(slot)]; }
    Extended value(int slot) const { return values_[index(slot)]; }
    Extended& step(int slot) { return steps_[index(slot)]; }
    Extended step(int slot) const { return steps_[index(slot)]; }

    Extended parameterStep(int k) const override { return isSlot(k) ? step(k) : 0; }

private:
    static std::size_t index(int slot) { return static_cast<std::size_t>(slot - firstSlot); }
    std::array<Extended, lastSlot - firstSlot + 1> values_{};
    std::array<Extended, lastSlot - firstSlot + 1> steps_{};
};

} // namespace tarlix
