#pragma once
// Multi-argument functions that measure: max, min, len, arg, det, inp.

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

Tvalue maxValue(const TarrayValue& args);
Tvalue minValue(const TarrayValue& args);
Tvalue lenValue(const TarrayValue& args); // len(P), len(x,y), len(P,Q), len(x1,y1,x2,y2)
Tvalue argValue(const TarrayValue& args, const EngineSettings& s); // arg(P), (P,Q), (A,B,C)
Tvalue detValue(const TarrayValue& args);                          // det(P,Q), (x1,y1,x2,y2)
Tvalue inpValue(const TarrayValue& args, const EngineSettings& s); // P · Q

} // namespace tarlix
