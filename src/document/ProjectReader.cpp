// The project reader: the steps in file order, on a copy of the list and of the project.

#include "document/ProjectReader.h"

#include "document/ReadSteps.h"

namespace tarlix {

namespace {

// Everything the file fills starts blank; settings the file may lack keep their values.
void resetForRead(Project& p) {
    for (CompiledExpression& f : p.userFunctions) f = CompiledExpression{};
    for (int n = 1; n <= kFigures; ++n) p.figures[n] = blankFigure(n);
    for (EquationEntry& f : p.explicitFunctions) f = blankEquation();
    for (EquationEntry& f : p.relations) f = blankEquation();
    for (int i = 1; i <= kValueFunctions; ++i)
        p.valueWindow.valueFunctions[i].source = "y" + std::to_string(i);
    p.memoText.clear();
    p.parameters.reset();
    p.settings.animationPeriod = kDefaultAnimationPeriod;
    resetRows(p.userFunctionRows);
    resetRows(p.explicitFunctionRows);
    resetRows(p.relationRows);
    resetRows(p.figureRows);
    resetRows(p.parameterRows);
}

bool readRequired(ReadState& s) {
    readBackground(s);
    readUserFunctions(s);
    readExplicitFunctions(s);
    readRelations(s);
    readFigures(s);
    readSegments(s);
    readParameters(s);
    readSettings(s);
    readAxes(s);
    compileLoaded(s);
    readViewSettings(s);
    return !s.in.truncated;
}

// Older files may end after the view; a section that has begun must be whole.
bool readTrailing(ReadState& s) {
    void (*const steps[])(ReadState&) = {readValueWindows, readValueFunctions, readPanels, readMemo,
                                         readMemoBoxes};
    for (auto step : steps) {
        if (s.in.atEnd()) break;
        step(s);
        if (s.in.truncated) return false;
    }
    return true;
}

} // namespace

bool readProjectInto(const TokenLines& source, ProjectNumbers numbers, Project& project,
                     ViewFileState& view) {
    if (source.count() == 0 || !acceptedHeader(source.line(0))) return false;
    TokenLines list;
    list.assign(source);
    list.beginRead();
    ProjectInput in(list, source.line(0), numbers);
    in.skipPast();
    ReadState s{in, project, view};
    resetForRead(project);
    if (!readRequired(s) || !readTrailing(s)) return false;
    compileWindowExpressions(project, view.x.letter == '@');
    return true;
}

bool readProject(const TokenLines& list, Document& ctx) {
    const EngineSettings& e = ctx.project.engine;
    return readProject(list, ctx, ProjectNumbers{false, e.decimalChar, e.listSeparatorChar});
}

bool readProject(const TokenLines& list, Document& ctx, ProjectNumbers numbers,
                 const std::string* projectPath) {
    Project copy = ctx.project;
    if (projectPath) copy.projectPath = *projectPath;
    ViewFileState view = captureView(ctx.view);
    if (!readProjectInto(list, numbers, copy, view)) return false;
    ctx.project = std::move(copy);
    applyView(view, ctx.view);
    return true;
}

} // namespace tarlix
