#pragma once
// Multi-argument functions that measure: max, min, len, arg, det, inp.

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

Value maxValue(const ValueArray& args);
Value minValue(const ValueArray& args);
Value lenValue(const ValueArray& args); // len(P), len(x,y), len(P,Q), len(x1,y1,x2,y2)
Value argValue(const ValueArray& args, const EngineSettings& s); // arg(P), (P,Q), (A,B,C)
Value detValue(const ValueArray& args);                          // det(P,Q), (x1,y1,x2,y2)
Value inpValue(const ValueArray& args, const EngineSettings& s); // P · Q

} // namespace tarlix
