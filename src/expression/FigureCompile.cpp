#include "expression/Compiler.h"

namespace tarlix {

void compileFigureParts(FigureExpressions& figure, int n, const CompileEnv& env) {
    for (FigurePart part : {FigurePart::Whole, FigurePart::X, FigurePart::Y, FigurePart::Radius})
        compile(figure.part(part), n, false, env);
}

} // namespace tarlix
