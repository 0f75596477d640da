#pragma once
// The parameter table: slot -1 is x and slot 0 is y (working slots written by integrals and hit
// tests), slots 1..14 the parameters a b c d m n p q s t u v θ k. Only 1..14 belong to the
// project file.

#include "expression/Value.h"
#include "expression/eval/ParameterValues.h"

#include <array>
#include <cstddef>

namespace tarlix {

struct ParameterRec {
    Extended value = 1;
    bool sync = false;    // steps with every other synchronised parameter
    Extended step = 0.1L; // the increment, or the factor when not additive
    bool additive = true;
    bool unfixed = true; // false: the row shows the letter and a read-only value
};

inline constexpr int kFirstParamSlot = -1;
inline constexpr int kParameterCount = 14;
inline constexpr int kThetaParameter = 13;
inline constexpr int kDefaultAnimationPeriod = 80; // milliseconds between animation steps

// The letter of parameter 1..14 as expressions hold it (θ is "@").
char parameterLetter(int i);
// The vocabulary token of slot -1..14 (x, y, a, ..., k).
int parameterToken(int i);
// Parameter 1..14 whose letter is c, or 0.
int parameterOfLetter(char c);

// The initial record of parameter 1..14 (θ starts at 0, the others at 1).
ParameterRec initialParameter(int i);

class ParamTable {
public:
    ParamTable() { reset(); }
    static constexpr int first() { return kFirstParamSlot; }
    static constexpr int last() { return kParameterCount; }
    ParameterRec& operator[](int i) { return slots[index(i)]; }
    const ParameterRec& operator[](int i) const { return slots[index(i)]; }

    // Every slot to its initial record.
    void reset();

private:
    static std::size_t index(int i) { return static_cast<std::size_t>(i - kFirstParamSlot); }
    std::array<ParameterRec, kParameterCount - kFirstParamSlot + 1> slots{};
};

// The values and steps of slots -1..14 as the evaluator reads them.
void copyToEvaluator(const ParamTable& table, ParameterValues& values);

} // namespace tarlix
