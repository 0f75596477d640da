// Compiling the expressions of figures and the initial texts of ranges and bounds.
#include "expression/Compiler.h"

namespace tarlix {

void compileFigure(FigureEntry& figure, int n, const CompileEnv& env) {
    for (FigurePart part : {fpWhole, fpX, fpY, fpRadius}) compile(figure.part(part), n, false, env);
    compile(figure.paramLow, kModePlain, false, env);
    compile(figure.paramHigh, kModePlain, false, env);
}

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
