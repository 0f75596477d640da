#pragma once
// Multi-argument functions that construct points: mid, rot, intr, perp, the centres and
// radii of a triangle, Gcentr and Ptan. Points come back as pairs, undefined pairs where the
// construction fails.

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

Tvalue midValue(const ValueArray& args);                          // mid(A,B), mid(A,B,m,n)
Tvalue rotValue(const ValueArray& args, const EngineSettings& s); // rot(P), (P,t), (P,A,t)
Tvalue intrValue(const ValueArray& args); // line-line, line-circle, circle-circle
Tvalue perpValue(const ValueArray& args); // perp(A,B,C), perp(B,C)
Tvalue ccentrValue(const ValueArray& args);
Tvalue icentrValue(const ValueArray& args);
Tvalue hcentrValue(const ValueArray& args);
Tvalue gcentrValue(const ValueArray& args);
Tvalue cradValue(const ValueArray& args);
Tvalue iradValue(const ValueArray& args);
Tvalue ptanValue(const ValueArray& args); // Ptan(P,C,r), Ptan(P,r)

} // namespace tarlix
