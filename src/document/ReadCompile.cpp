// Compiling every expression of a project that has just been read, after bringing the texts
// of older versions up to date.

#include "document/EntryCompile.h"
#include "document/ReadSteps.h"

namespace tarlix {

namespace {

// A text the compiler refuses keeps the form its clean-up left, which may compile when read
// again (what was dropped was what it stumbled on). It is compiled until its text stays as it
// is, so that the project written from what was read reads back the same.
void compileSettled(CompiledExpression& r, int mode, const CompileEnv& env) {
    constexpr int kMostPasses = 4;
    for (int pass = 0; pass < kMostPasses; ++pass) {
        const std::string before = r.source;
        if (compileText(r, mode, false, env) || r.source == before) return;
    }
}

void compileRead(CompiledExpression& r, int mode, const ProjectInput& in, const CompileEnv& env) {
    r.source = rewriteOldSource(r.source, in);
    compileSettled(r, mode, env);
}

void compileFigureRead(FigureEntry& f, int n, const ProjectInput& in, const CompileEnv& env) {
    for (CompiledExpression* r : {&f.x, &f.y, &f.radius, &f.paramLow, &f.paramHigh})
        r->source = rewriteOldSource(r->source, in);
    compileFigure(f, n, {}, false, env);
    // A radius the compiler cleaned away is read as a blank one is, "0", so that the project
    // written from what was read reads back the same.
    if (isBlank(f.radius.source)) {
        f.radius.source = "0";
        compileFigure(f, n, {false, false, true, false}, false, env);
    }
    // Before 2.6 every figure could be dragged; only one with a position can be.
    if (!in.from("2.6")) f.drag = f.drag && (!f.x.code.empty() || !f.y.code.empty());
}

// An entry whose whole text the compiler cleaned away (characters the language does not know)
// is empty now: it gives up its row's place as an empty entry of the file does, so that the
// project written from what was read reads back the same.
template <int N, typename Entry, typename SourceOf>
void releaseEmptyRows(const Store<Entry, N>& entries, Store<RowState, N>& rows, SourceOf source) {
    for (int i = 1; i <= N; ++i)
        if (isBlank(source(entries[i]))) rows[i].position = 0;
}

} // namespace

void compileLoaded(ReadState& s) {
    Project& p = s.p;
    RecordingMessageBox quiet; // the data panel shows which entries did not compile
    const CompileEnv env{p.engine, quiet, s.view.x.letter == '@'};
    for (CompiledExpression& f : p.userFunctions) compileRead(f, kModeRelation, s.in, env);
    for (EquationEntry& f : p.explicitFunctions) compileRead(f.expr, kModeExplicit, s.in, env);
    for (EquationEntry& f : p.relations) compileRead(f.expr, kModeRelation, s.in, env);
    const auto ofRecord = [](const CompiledExpression& r) -> const std::string& {
        return r.source;
    };
    const auto ofEquation = [](const EquationEntry& e) -> const std::string& {
        return e.expr.source;
    };
    releaseEmptyRows(p.userFunctions, p.userFunctionRows, ofRecord);
    releaseEmptyRows(p.explicitFunctions, p.explicitFunctionRows, ofEquation);
    releaseEmptyRows(p.relations, p.relationRows, ofEquation);
    for (int n = 1; n <= kFigures; ++n)
        if (p.figures[n].kind != FigureKind::Empty) compileFigureRead(p.figures[n], n, s.in, env);
}

// The window expressions are compiled once the whole file has been read.
void compileWindowExpressions(Project& p, bool thetaAxis) {
    RecordingMessageBox quiet;
    const CompileEnv env{p.engine, quiet, thetaAxis};
    for (CompiledExpression& f : p.valueWindow.valueFunctions) compileSettled(f, kModeExplicit, env);
    for (CompiledExpression* r : {&p.valueWindow.x, &p.integralWindow.bounds.low,
                                  &p.integralWindow.bounds.high})
        compileSettled(*r, kModePlain, env);
}

} // namespace tarlix
