#pragma once
// The elementary one-argument functions and the two-argument logarithm. Pairs are complex
// numbers here and are accepted only with ComplexMode.

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

Value sinValue(const Value& v, const EngineSettings& s);
Value cosValue(const Value& v, const EngineSettings& s);
Value tanValue(const Value& v, const EngineSettings& s);
Value asinValue(const Value& v, const EngineSettings& s);
Value acosValue(const Value& v, const EngineSettings& s);
Value atanValue(const Value& v, const EngineSettings& s);
Value expValue(const Value& v, const EngineSettings& s);
Value lnValue(const Value& v, const EngineSettings& s);
Value logValue(const Value& v, const EngineSettings& s); // natural or common by logMode
Value logBaseValue(const Value& base, const Value& v, const EngineSettings& s);
Value coshValue(const Value& v, const EngineSettings& s);
Value sinhValue(const Value& v, const EngineSettings& s);
Value tanhValue(const Value& v, const EngineSettings& s);
Value sqrtValue(const Value& v, const EngineSettings& s);
Value cbrtValue(const Value& v);
Value absValue(const Value& v);
Value conjValue(const Value& v);
Value rollValue(const Value& v, const EngineSettings& s); // (cos t, sin t)

} // namespace tarlix
