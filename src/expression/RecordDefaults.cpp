// Compiling the expressions of figures and the initial texts of ranges and bounds.
#include "expression/Compiler.h"

namespace tarlix {

void compileFigure(FigureEntry& figure, int n, const CompileEnv& env) {
    for (FigurePart part : {fpWhole, fpX, fpY, fpRadius}) compile(figure.part(part), n, false, env);
    compile(figure.ParamLow, kModePlain, false, env);
    compile(figure.ParamHigh, kModePlain, false, env);
}

void setDefaultCurveRange(FigureEntry& figure, const CompileEnv& env) {
    setSource(figure.ParamLow, "0", kModePlain, env);
    setSource(figure.ParamHigh, "2Pi", kModePlain, env);
}

IntegralBounds blankInterval(const CompileEnv& env) {
    IntegralBounds bounds;
    setSource(bounds.Low, "-1", kModePlain, env);
    setSource(bounds.High, "1", kModePlain, env);
    return bounds;
}

} // namespace tarlix
