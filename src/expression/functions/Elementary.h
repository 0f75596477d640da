#pragma once
// The elementary one-argument functions and the two-argument logarithm. Pairs are complex
// numbers here and are accepted only with ComplexMode.

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

Tvalue sinValue(const Tvalue& v, const EngineSettings& s);
Tvalue cosValue(const Tvalue& v, const EngineSettings& s);
Tvalue tanValue(const Tvalue& v, const EngineSettings& s);
Tvalue asinValue(const Tvalue& v, const EngineSettings& s);
Tvalue acosValue(const Tvalue& v, const EngineSettings& s);
Tvalue atanValue(const Tvalue& v, const EngineSettings& s);
Tvalue expValue(const Tvalue& v, const EngineSettings& s);
Tvalue lnValue(const Tvalue& v, const EngineSettings& s);
Tvalue logValue(const Tvalue& v, const EngineSettings& s); // natural or common by LogMode
Tvalue logBaseValue(const Tvalue& base, const Tvalue& v, const EngineSettings& s);
Tvalue coshValue(const Tvalue& v, const EngineSettings& s);
Tvalue sinhValue(const Tvalue& v, const EngineSettings& s);
Tvalue tanhValue(const Tvalue& v, const EngineSettings& s);
Tvalue sqrtValue(const Tvalue& v, const EngineSettings& s);
Tvalue cbrtValue(const Tvalue& v);
Tvalue absValue(const Tvalue& v);
Tvalue conjValue(const Tvalue& v);
Tvalue rollValue(const Tvalue& v, const EngineSettings& s); // (cos t, sin t)

} // namespace tarlix
