// Reading the background, user functions, explicit functions and relations.

#include "document/FileLimits.h"
#include "document/ReadSteps.h"

namespace tarlix {

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The positions of entries 1..n, then their shown flags, all on one line; entries beyond the
// store are read past.
template <int N> void readRows(ProjectInput& in, Store<RowState, N>& rows, int n) {
    for (int i = 1; i <= n && in.tokensLeft(); ++i) {
        RowState scratch;
        RowState& r = i <= N ? rows[i] : scratch;
        r.Position = readInRange(in, r.Position, 0, limits::kMaxPosition);
    }
    for (int i = 1; i <= n && in.tokensLeft(); ++i) {
        RowState scratch;
        RowState& r = i <= N ? rows[i] : scratch;
        r.Shown = in.readBool(r.Shown);
    }
    in.next();
}

// An entry that is empty has no place; a used one without a place takes the next.
template <int N, typename Used> void placeRows(Store<RowState, N>& rows, Used used) {
    for (int i = 1; i <= N; ++i)
        if (!used(i)) rows[i].Position = 0;
    for (int i = 1; i <= N; ++i)
        if (used(i)) placeRow(rows, i);
}

int readCount(ProjectInput& in) {
    const std::int32_t n = in.readInt(0);
    in.next();
    return n < 0 ? 0 : n;
}

// The two attribute lines of explicit functions and relations.
void readExplicitAttributes(ProjectInput& in, EquationEntry& f) {
    f.LineStyle = 1;
    f.Afterimage = in.readBool(f.Afterimage);
    f.PenColor = readColour(in, f.PenColor);
    f.PenWidth = readByte(in, f.PenWidth);
    f.Visible = in.readBool(f.Visible);
    f.LineStyle = readByte(in, f.LineStyle);
    in.next();
}

void readRelationAttributes(ProjectInput& in, EquationEntry& f) {
    f.Afterimage = in.readBool(f.Afterimage);
    f.PenColor = readColour(in, f.PenColor);
    f.PenWidth = readByte(in, f.PenWidth);
    f.FastPolynomial = in.readBool(f.FastPolynomial);
    f.FillPattern = readByte(in, f.FillPattern);
    f.Visible = in.readBool(f.Visible);
    f.BorderStyle = readByte(in, f.BorderStyle);
    f.LineStyle = readByte(in, f.LineStyle);
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
        f.Expr.Source = in.expression();
        attributes(in, f);
    }
    placeRows(rows, [&](int i) { return !isBlank(store[i].Expr.Source); });
    in.skipPast();
}

} // namespace

void readBackground(ReadState& s) {
    ProjectInput& in = s.in;
    if (!in.from("1.7")) return;
    in.skip();
    const std::int32_t mode = in.readInt(s.p.Settings.BGstretchOn);
    s.p.Settings.BGstretchOn = mode;
    const std::string name = trimmed(in.text());
    s.p.Settings.BGfile = name.empty() ? name : folderOf(s.p.ProjectPath) + name;
    in.skipPast();
}

void readUserFunctions(ReadState& s) {
    ProjectInput& in = s.in;
    Project& p = s.p;
    in.skip();
    const int n = readCount(in);
    readRows(in, p.UserFunctionRows, n);
    for (int i = 1; i <= n && in.lineLeft(); ++i) {
        const std::string text = in.expression();
        if (i <= kUserFunctions) p.UserFunctions[i].Source = text;
    }
    placeRows(p.UserFunctionRows, [&](int i) { return !isBlank(p.UserFunctions[i].Source); });
    in.skipPast();
}

void readExplicitFunctions(ReadState& s) {
    readEquations(s, s.p.YFunctions, s.p.YFunctionRows, readExplicitAttributes);
}

void readRelations(ReadState& s) {
    readEquations(s, s.p.Relations, s.p.RelationRows, readRelationAttributes);
}

} // namespace tarlix
