// Reading the figures: their panel rows with the position clean-up, and one record per figure.
// Files before 2.7 knew 20 figures; U and V came in after T, so old figures 6..20 are 8..22 now.

#include "document/FileLimits.h"
#include "document/ReadSteps.h"

#include <bitset>

namespace tarlix {

namespace {

constexpr int kFirstMovedFigure = 6; // old A, now the eighth figure
constexpr int kOldFigureShift = 2;

// Where record m of a file before 2.7 belongs today; 0 beyond the store.
int renumberedFigure(int m) {
    const int n = m >= kFirstMovedFigure ? m + kOldFigureShift : m;
    return n <= kFigures ? n : 0;
}

// A position already taken by an earlier figure is dropped; the figure is placed later.
void dropDuplicatePositions(Store<RowState, kFigures>& rows) {
    std::bitset<limits::kMaxPosition + 1> taken;
    for (RowState& r : rows) {
        if (r.Position < 1) continue;
        if (taken[static_cast<std::size_t>(r.Position)])
            r.Position = 0;
        else
            taken.set(static_cast<std::size_t>(r.Position));
    }
}

void renumberOldRows(Store<RowState, kFigures>& rows) {
    for (int n = kFigures; n >= kFirstMovedFigure + kOldFigureShift; --n)
        rows[n] = rows[n - kOldFigureShift];
    rows[kFirstMovedFigure] = RowState{};
    rows[kFirstMovedFigure + 1] = RowState{};
}

bool positionFree(const Store<RowState, kFigures>& rows, int p) {
    for (const RowState& r : rows)
        if (r.Position == p) return false;
    return true;
}

// Closes the gaps the file left, so the rows follow each other from 1.
void compactPositions(Store<RowState, kFigures>& rows) {
    for (int pass = 0; pass < kFigures; ++pass)
        for (RowState& r : rows)
            while (r.Position > 1 && positionFree(rows, r.Position - 1)) --r.Position;
}

void readFigureRows(ProjectInput& in, Store<RowState, kFigures>& rows, int n) {
    for (int i = 1; i <= n && in.tokensLeft(); ++i) {
        RowState scratch;
        RowState& r = i <= kFigures ? rows[i] : scratch;
        r.Position = readInRange(in, r.Position, 0, limits::kMaxPosition);
    }
    dropDuplicatePositions(rows);
    for (int i = 1; i <= n && in.tokensLeft(); ++i) {
        RowState scratch;
        RowState& r = i <= kFigures ? rows[i] : scratch;
        r.Shown = in.readBool(r.Shown);
    }
    in.next();
    if (!in.from("2.7")) renumberOldRows(rows);
    compactPositions(rows);
}

int figureOfLetter(const std::string& line) {
    if (line.size() != 1) return 0;
    for (int n = 1; n <= kFigures; ++n)
        if (figureLetter(n) == line[0]) return n;
    return 0;
}

void readCurveLine(ProjectInput& in, FigureEntry& f) {
    char letter = f.ParamLetter;
    in.list.ReadChar(letter);
    if (parameterOfLetter(letter) != 0) f.ParamLetter = letter;
    f.ParamStep = in.readFloat(f.ParamStep);
    in.next();
}

void readStyleLines(ProjectInput& in, FigureEntry& f) {
    f.PointAfterimage = in.readBool(f.PointAfterimage);
    f.LineAfterimage = in.readBool(f.LineAfterimage);
    in.next();
    f.CurveStyle = 1;
    f.CurveFill = 0;
    f.Drag = true;
    f.FillPattern = 1;
    f.PointColor = readColour(in, f.PointColor);
    f.LineColor = readColour(in, f.LineColor);
    f.FillColor = readColour(in, f.FillColor);
    f.Visible = in.readBool(f.Visible);
    f.Hollow = in.readBool(f.Hollow);
    f.Drag = in.readBool(f.Drag);
    f.FillPattern = readByte(in, f.FillPattern);
    f.CurveStyle = readByte(in, f.CurveStyle);
    f.CurveFill = readByte(in, f.CurveFill, 0, 3);
    in.next();
    f.PointSize = readByte(in, f.PointSize);
    f.LocusWidth = readByte(in, f.LocusWidth);
    f.LineWidth = readByte(in, f.LineWidth);
    in.next();
}

// Before 2.1 circles and polar curves left no trace, and a polar curve ran over a full turn of
// theta with the pen of its point.
void convertPre21(FigureEntry& f) {
    if (f.Kind != 2 && f.Kind != 5) return;
    const std::uint8_t locus = f.LocusWidth;
    f.LocusWidth = 0;
    if (f.Kind != 5) return;
    f.ParamLow.Source = "0";
    f.ParamHigh.Source = "2Pi";
    f.LineWidth = locus;
    f.LineColor = f.PointColor;
    f.ParamLetter = '@';
}

void readFigureRecord(ProjectInput& in, FigureEntry& f) {
    f.Notation = 1;
    const std::int32_t kind = in.readInt(f.Kind);
    f.LabelPosition = readByte(in, f.LabelPosition, 0, 9);
    f.Notation = readByte(in, f.Notation, 1, 2);
    in.next();
    if (kind >= 0 && kind <= 6) f.Kind = static_cast<std::uint8_t>(kind);
    if (kind == 0 && in.from("1.9")) return;
    f.Label = in.text();
    f.X.Source = in.expression();
    f.Y.Source = in.expression();
    f.Radius.Source = in.expression();
    if (in.from("2.1")) {
        f.ParamLow.Source = in.expression();
        f.ParamHigh.Source = in.expression();
        readCurveLine(in, f);
    }
    readStyleLines(in, f);
    if (isBlank(f.Radius.Source)) f.Radius.Source = "0";
    if (!in.from("2.1")) convertPre21(f);
}

} // namespace

void readFigures(ReadState& s) {
    ProjectInput& in = s.in;
    Project& p = s.p;
    in.skip();
    std::int32_t n = in.readInt(0);
    in.next();
    if (n < 0) n = 0;
    readFigureRows(in, p.FigureRows, n);
    for (int m = 1; m <= n && in.lineLeft(); ++m) {
        int entry = 0;
        if (in.from("2.5")) {
            entry = figureOfLetter(in.text());
            if (entry == 0) continue;
        } else {
            entry = in.from("2.7") ? (m <= kFigures ? m : 0) : renumberedFigure(m);
        }
        FigureEntry scratch = blankFigure(1);
        readFigureRecord(in, entry != 0 ? p.Figures[entry] : scratch);
    }
    for (int i = 1; i <= kFigures; ++i) {
        if (p.Figures[i].Kind == 0)
            p.FigureRows[i].Position = 0;
        else
            placeRow(p.FigureRows, i);
    }
    in.skipPast();
}

} // namespace tarlix
