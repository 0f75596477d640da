#pragma once
// Curves through points and the 3-D projection: path, bezier, proj, projz.

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

// path(x, P1, ..., Pk): the interpolating polynomial through the points, at x.
Value pathValue(const ValueArray& args);

// bezier(t, P0, ..., Pn): the Bezier curve of 2 to 4 control points at t.
Value bezierValue(const ValueArray& args);

// proj(x, y, z, alpha, beta[, d]) and proj(P, z, alpha, beta[, d]): the projected point;
// projz: its depth. d omitted or tiny gives the parallel projection.
Value projValue(const ValueArray& args, const EngineSettings& s);
Value projzValue(const ValueArray& args, const EngineSettings& s);

} // namespace tarlix
