#include "document/EntryCompile.h"

namespace tarlix {

namespace {
// setSource only tokenizes below the plain mode; the compile that shows messages follows.
constexpr int kTokenizeOnly = kModePlain - 1;
} // namespace

bool compileText(CompiledExpression& record, int mode, bool showErrors, const CompileEnv& env) {
    const std::string text = record.Source;
    setSource(record, text, kTokenizeOnly, env);
    return compile(record, mode, showErrors, env);
}

void compileFigure(FigureEntry& figure, int n, FigureParts parts, bool showErrors,
                   const CompileEnv& env) {
    if (parts.x) compileText(figure.X, n, showErrors, env);
    if (parts.y) compileText(figure.Y, n, showErrors, env);
    if (parts.radius) compileText(figure.Radius, n, showErrors, env);
    if (parts.x || parts.y) {
        figure.Whole.Source =
            joinWholePoint(figure.X.Source, figure.Y.Source, env.settings.ListSeparatorChar);
        compileText(figure.Whole, n, false, env);
    }
    if (parts.range) {
        compileText(figure.ParamLow, kModePlain, showErrors, env);
        compileText(figure.ParamHigh, kModePlain, showErrors, env);
    }
}

} // namespace tarlix
