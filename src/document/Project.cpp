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

int figureOfLetter(char letter) {
    for (int n = 1; n <= kFigures; ++n)
        if (kFigureLetters[n - 1] == letter) return n;
    return 0;
}

namespace {
const char* const kUserFunctionNames[] = {"f", "g", "h", "f1", "f2", "f3", "f4", "f5"};
}

const char* userFunctionName(int n) {
    return n >= 1 && n <= kUserFunctions ? kUserFunctionNames[n - 1] : "";
}

int userFunctionOfName(std::string_view name) {
    for (int n = 1; n <= kUserFunctions; ++n)
        if (name == kUserFunctionNames[n - 1]) return n;
    return 0;
}

EquationEntry blankEquation() {
    return EquationEntry{};
}

FigureEntry blankFigure(int n) {
    FigureEntry f;
    f.label = std::string(1, figureLetter(n));
    f.fillPattern = 1;
    f.curveStyle = 1;
    f.drag = true;
    f.paramLow.source = "0";
    f.paramHigh.source = "2Pi";
    return f;
}

void resetEngineSettings(EngineSettings& engine) {
    EngineSettings fresh;
    fresh.decimalChar = engine.decimalChar;
    fresh.listSeparatorChar = engine.listSeparatorChar;
    engine = fresh;
}

Project::Project() {
    clearStores();
}

void Project::clearStores() {
    parameters.reset();
    resetRows(parameterRows);
    for (EquationEntry& f : explicitFunctions) f = blankEquation();
    resetRows(explicitFunctionRows);
    for (EquationEntry& f : relations) f = blankEquation();
    resetRows(relationRows);
    for (int n = 1; n <= kFigures; ++n) figures[n] = blankFigure(n);
    resetRows(figureRows);
    for (CompiledExpression& f : userFunctions) f = CompiledExpression{};
    resetRows(userFunctionRows);
    segments.clear();
    memoText.clear();
    memo = MemoStyle{};
    for (MemoBoxPlace& b : memoBoxes) b = MemoBoxPlace{};
    settings = ProjectSettings{};
    resetEngineSettings(engine);
    categories = initialCategoryPanels();
    clearWindowExpressions();
}

void Project::clearWindowExpressions() {
    for (int i = 1; i <= kValueFunctions; ++i) {
        const std::string name = "y" + std::to_string(i);
        setInitialText(valueWindow.valueFunctions[i], name.c_str(), kModeExplicit, engine);
    }
    setInitialText(valueWindow.x, "1", kModePlain, engine);
    setInitialText(integralWindow.bounds.low, "-1", kModePlain, engine);
    setInitialText(integralWindow.bounds.high, "1", kModePlain, engine);
    integralWindow.integratedFunction = 1;
    integralWindow.secondFunction = 0;
    integralWindow.areaMode = false;
}

const CompiledExpression* Project::explicitFunction(int n) const {
    return explicitFunctions.contains(n) ? &explicitFunctions[n].expr : nullptr;
}

const CompiledExpression* Project::relation(int n) const {
    return relations.contains(n) ? &relations[n].expr : nullptr;
}

const CompiledExpression* Project::userFunction(int n) const {
    return userFunctions.contains(n) ? &userFunctions[n] : nullptr;
}

const CompiledExpression* Project::figure(int n, FigurePart part) const {
    if (!figures.contains(n) || figures[n].kind == FigureKind::Empty) return nullptr;
    return &figures[n].part(part);
}

} // namespace tarlix
