#include "document/EntryCompile.h"

#include "document/Project.h"

namespace tarlix {

namespace {
// setSource only tokenizes below the plain mode; the compile that shows messages follows.
constexpr int kTokenizeOnly = kModePlain - 1;
} // namespace

bool compileText(CompiledExpression& record, int mode, bool showErrors, const CompileEnv& env) {
    const std::string text = record.source;
    setSource(record, text, kTokenizeOnly, env);
    return compile(record, mode, showErrors, env);
}

void compileFigure(FigureEntry& figure, int n, FigureParts parts, bool showErrors,
                   const CompileEnv& env) {
    if (parts.x) compileText(figure.x, n, showErrors, env);
    if (parts.y) compileText(figure.y, n, showErrors, env);
    if (parts.radius) compileText(figure.radius, n, showErrors, env);
    if (parts.x || parts.y) {
        figure.whole.source =
            joinWholePoint(figure.x.source, figure.y.source, env.settings.listSeparatorChar);
        compileText(figure.whole, n, false, env);
    }
    if (parts.range) {
        compileText(figure.paramLow, kModePlain, showErrors, env);
        compileText(figure.paramHigh, kModePlain, showErrors, env);
    }
}

void compileWindowTexts(Project& p, bool showErrors, const CompileEnv& env) {
    for (CompiledExpression& f : p.valueWindow.valueFunctions)
        compileText(f, kModeExplicit, showErrors, env);
    compileText(p.valueWindow.x, kModePlain, showErrors, env);
    compileText(p.integralWindow.bounds.low, kModePlain, showErrors, env);
    compileText(p.integralWindow.bounds.high, kModePlain, showErrors, env);
}

} // namespace tarlix
