#include "document/Project.h"

#include "expression/Compiler.h"
#include "platform/MessageBox.h"

namespace tarlix {

namespace {
// The initial texts are known to compile; nothing is shown.
void setInitialText(CompiledExpression& record, const char* text, int mode,
                    const EngineSettings& engine) {
    RecordingMessageBox quiet;
    record = CompiledExpression{};
    setSource(record, text, mode, CompileEnv{engine, quiet});
}
} // namespace

char figureLetter(int n) {
    return n >= 1 && n <= kFigures ? kFigureLetters[n - 1] : '\0';
}

EquationEntry blankEquation() {
    return EquationEntry{};
}

FigureEntry blankFigure(int n) {
    FigureEntry f;
    f.Label = std::string(1, figureLetter(n));
    f.FillPattern = 1;
    f.CurveStyle = 1;
    f.Drag = true;
    f.ParamLow.Source = "0";
    f.ParamHigh.Source = "2Pi";
    return f;
}

void resetEngineSettings(EngineSettings& engine) {
    EngineSettings fresh;
    fresh.DecimalChar = engine.DecimalChar;
    fresh.ListSeparatorChar = engine.ListSeparatorChar;
    engine = fresh;
}

Project::Project() {
    clearStores();
}

void Project::clearStores() {
    Parameters.reset();
    resetRows(ParameterRows);
    for (EquationEntry& f : YFunctions) f = blankEquation();
    resetRows(YFunctionRows);
    for (EquationEntry& f : Relations) f = blankEquation();
    resetRows(RelationRows);
    for (int n = 1; n <= kFigures; ++n) Figures[n] = blankFigure(n);
    resetRows(FigureRows);
    for (CompiledExpression& f : UserFunctions) f = CompiledExpression{};
    resetRows(UserFunctionRows);
    Segments.clear();
    MemoText.clear();
    Memo = MemoStyle{};
    for (MemoBoxPlace& b : MemoBoxes) b = MemoBoxPlace{};
    Settings = ProjectSettings{};
    resetEngineSettings(Engine);
    Categories = initialCategoryPanels();
    clearWindowExpressions();
}

void Project::clearWindowExpressions() {
    for (int i = 1; i <= kValueFunctions; ++i) {
        const std::string name = "y" + std::to_string(i);
        setInitialText(ValueWindow.ValueFunctions[i], name.c_str(), kModeExplicit, Engine);
    }
    setInitialText(ValueWindow.X, "1", kModePlain, Engine);
    setInitialText(IntegralWindow.Bounds.Low, "-1", kModePlain, Engine);
    setInitialText(IntegralWindow.Bounds.High, "1", kModePlain, Engine);
    IntegralWindow.Dfuncno = 1;
    IntegralWindow.Efuncno = 0;
    IntegralWindow.AreaQ = false;
}

const CompiledExpression* Project::explicitFunction(int n) const {
    return YFunctions.contains(n) ? &YFunctions[n].Expr : nullptr;
}

const CompiledExpression* Project::relation(int n) const {
    return Relations.contains(n) ? &Relations[n].Expr : nullptr;
}

const CompiledExpression* Project::userFunction(int n) const {
    return UserFunctions.contains(n) ? &UserFunctions[n] : nullptr;
}

const CompiledExpression* Project::figure(int n, FigurePart part) const {
    if (!Figures.contains(n) || Figures[n].Kind == 0) return nullptr;
    return &Figures[n].part(part);
}

} // namespace tarlix
