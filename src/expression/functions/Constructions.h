#pragma once
// Multi-argument functions that construct points: mid, rot, intr, perp, the centres and
// radii of a triangle, Gcentr and Ptan. Points come back as pairs, undefined pairs where the
// construction fails.

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

Value midValue(const ValueArray& args);                          // mid(A,B), mid(A,B,m,n)
Value rotValue(const ValueArray& args, const EngineSettings& s); // rot(P), (P,t), (P,A,t)
Value intrValue(const ValueArray& args); // line-line, line-circle, circle-circle
Value perpValue(const ValueArray& args); // perp(A,B,C), perp(B,C)
Value ccentrValue(const ValueArray& args);
Value icentrValue(const ValueArray& args);
Value hcentrValue(const ValueArray& args);
Value gcentrValue(const ValueArray& args);
Value cradValue(const ValueArray& args);
Value iradValue(const ValueArray& args);
Value ptanValue(const ValueArray& args); // Ptan(P,C,r), Ptan(P,r)

} // namespace tarlix
