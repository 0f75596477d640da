#pragma once
// Multi-argument functions that measure: max, min, len, arg, det, inp.

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

Tvalue maxValue(const ValueArray& args);
Tvalue minValue(const ValueArray& args);
Tvalue lenValue(const ValueArray& args); // len(P), len(x,y), len(P,Q), len(x1,y1,x2,y2)
Tvalue argValue(const ValueArray& args, const EngineSettings& s); // arg(P), (P,Q), (A,B,C)
Tvalue detValue(const ValueArray& args);                          // det(P,Q), (x1,y1,x2,y2)
Tvalue inpValue(const ValueArray& args, const EngineSettings& s); // P · Q

} // namespace tarlix
