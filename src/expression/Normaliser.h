#pragma once
// Rewrites a token text, pass by pass, into a fully bracketed form in which every operator's
// operands are explicit. The compiler continues from that form.

#include "expression/EngineSettings.h"
#include "expression/ExpressionRecords.h"

#include <string>

namespace tarlix {

// The constant slots of one expression while it is compiled.
struct ConstTable {
    ConstantTexts text;
    std::array<Value, kConstCount> value{};
    int next = kFirstOwnConstant; // the next free slot
    ConstTable() { setWholeNumberSlots(text, value); }
};

struct NormaliseOptions {
    int mode = -2;          // compile mode: -2, -1, 0 relation, 1..22 figure number
    bool thetaAxis = false; // the horizontal axis variable is theta
};

enum class NormaliseResult { Ok, TooManyConstants, TooDeep };

// The deepest nesting of groups, typed and built, that the recursive steps are given: the
// typed limit leaves room for the groups each operator and application builds around it.
inline constexpr int kMaxBuiltNesting = 1000;

// Runs every pass. Fails when the text holds more numbers than there are constant slots, or
// when the groups the passes build nest deeper than kMaxBuiltNesting.
NormaliseResult normalise(std::string& t, const NormaliseOptions& options,
                          const EngineSettings& settings, ConstTable& consts);

} // namespace tarlix
