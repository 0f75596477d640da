// Reading the background, user functions, explicit functions and relations.

#include "document/BackgroundEdit.h"
#include "document/FileLimits.h"
#include "document/ReadSteps.h"

namespace tarlix {

namespace {

// The positions of entries 1..n, then their shown flags, all on one line; entries beyond the
// store are read past.
template <int N> void readRows(ProjectInput& in, Store<RowState, N>& rows, int n) {
    for (int i = 1; i <= n && in.tokensLeft(); ++i) {
        RowState scratch;
        RowState& r = i <= N ? rows[i] : scratch;
        r.position = readInRange(in, r.position, 0, limits::kMaxPosition);
    }
    for (int i = 1; i <= n && in.tokensLeft(); ++i) {
        RowState scratch;
        RowState& r = i <= N ? rows[i] : scratch;
        r.shown = in.readBool(r.shown);
    }
    in.next();
}

// An entry that is empty has no place; a used one without a place takes the next.
template <int N, typename Used> void placeRows(Store<RowState, N>& rows, Used used) {
    for (int i = 1; i <= N; ++i)
        if (!used(i)) rows[i].position = 0;
    for (int i = 1; i <= N; ++i)
        if (used(i)) placeRow(rows, i);
}

// The two attribute lines of explicit functions and relations.
void readExplicitAttributes(ProjectInput& in, EquationEntry& f) {
    f.lineStyle = 1;
    f.afterimage = in.readBool(f.afterimage);
    f.penColor = readColour(in, f.penColor);
    f.penWidth = readByte(in, f.penWidth);
    f.visible = in.readBool(f.visible);
    f.lineStyle = readByte(in, f.lineStyle);
    in.next();
}

void readRelationAttributes(ProjectInput& in, EquationEntry& f) {
    f.afterimage = in.readBool(f.afterimage);
    f.penColor = readColour(in, f.penColor);
    f.penWidth = readByte(in, f.penWidth);
    f.fastPolynomial = in.readBool(f.fastPolynomial);
    f.fillPattern = readByte(in, f.fillPattern);
    f.visible = in.readBool(f.visible);
    f.borderStyle = readByte(in, f.borderStyle);
    f.lineStyle = readByte(in, f.lineStyle);
    in.next();
}

template <int N>
void readEquations(ReadState& s, Store<EquationEntry, N>& store, Store<RowState, N>& rows,
                   void (*attributes)(ProjectInput&, EquationEntry&)) {
    ProjectInput& in = s.in;
    in.skip();
    const int n = readCount(in);
    readRows(in, rows, n);
    for (int i = 1; i <= n && in.lineLeft(); ++i) {
        EquationEntry scratch;
        EquationEntry& f = i <= N ? store[i] : scratch;
        f.expr.source = in.expression();
        attributes(in, f);
    }
    placeRows(rows, [&](int i) { return !isBlank(store[i].expr.source); });
    in.skipPast();
}

} // namespace

void readBackground(ReadState& s) {
    ProjectInput& in = s.in;
    if (!in.from("1.7")) return;
    in.skip();
    const std::int32_t mode = in.readInt(s.p.settings.backgroundStretch);
    s.p.settings.backgroundStretch = mode;
    const std::string name = trimmed(in.text());
    s.p.settings.backgroundFile = backgroundFileOfName(s.p.projectPath, name);
    in.skipPast();
}

void readUserFunctions(ReadState& s) {
    ProjectInput& in = s.in;
    Project& p = s.p;
    in.skip();
    const int n = readCount(in);
    readRows(in, p.userFunctionRows, n);
    for (int i = 1; i <= n && in.lineLeft(); ++i) {
        const std::string text = in.expression();
        if (i <= kUserFunctions) p.userFunctions[i].source = text;
    }
    placeRows(p.userFunctionRows, [&](int i) { return !isBlank(p.userFunctions[i].source); });
    in.skipPast();
}

void readExplicitFunctions(ReadState& s) {
    readEquations(s, s.p.explicitFunctions, s.p.explicitFunctionRows, readExplicitAttributes);
}

void readRelations(ReadState& s) {
    readEquations(s, s.p.relations, s.p.relationRows, readRelationAttributes);
}

} // namespace tarlix
