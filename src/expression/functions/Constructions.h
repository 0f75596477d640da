#pragma once
// Multi-argument functions that construct points: mid, rot, intr, perp, the centres and
// radii of a triangle, Gcentr and Ptan. Points come back as pairs, undefined pairs where the
// construction fails.

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

Tvalue midValue(const TarrayValue& args);                          // mid(A,B), mid(A,B,m,n)
Tvalue rotValue(const TarrayValue& args, const EngineSettings& s); // rot(P), (P,t), (P,A,t)
Tvalue intrValue(const TarrayValue& args); // line-line, line-circle, circle-circle
Tvalue perpValue(const TarrayValue& args); // perp(A,B,C), perp(B,C)
Tvalue ccentrValue(const TarrayValue& args);
Tvalue icentrValue(const TarrayValue& args);
Tvalue hcentrValue(const TarrayValue& args);
Tvalue gcentrValue(const TarrayValue& args);
Tvalue cradValue(const TarrayValue& args);
Tvalue iradValue(const TarrayValue& args);
Tvalue ptanValue(const TarrayValue& args); // Ptan(P,C,r), Ptan(P,r)

} // namespace tarlix
