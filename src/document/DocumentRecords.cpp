#include "document/DocumentRecords.h"

#include "expression/Compiler.h"

namespace tarlix {

void setDefaultCurveRange(FigureEntry& figure, const CompileEnv& env) {
    setSource(figure.paramLow, "0", kModePlain, env);
    setSource(figure.paramHigh, "2Pi", kModePlain, env);
}

IntegralBounds blankInterval(const CompileEnv& env) {
    IntegralBounds bounds;
    setSource(bounds.low, "-1", kModePlain, env);
    setSource(bounds.high, "1", kModePlain, env);
    return bounds;
}

} // namespace tarlix
