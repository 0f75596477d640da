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
        if (r.position < 1) continue;
        if (taken[static_cast<std::size_t>(r.position)])
            r.position = 0;
        else
            taken.set(static_cast<std::size_t>(r.position));
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
        if (r.position == p) return false;
    return true;
}

// Closes the gaps the file left, so the rows follow each other from 1.
void compactPositions(Store<RowState, kFigures>& rows) {
    for (int pass = 0; pass < kFigures; ++pass)
        for (RowState& r : rows)
            while (r.position > 1 && positionFree(rows, r.position - 1)) --r.position;
}

void readFigureRows(ProjectInput& in, Store<RowState, kFigures>& rows, int n) {
    for (int i = 1; i <= n && in.tokensLeft(); ++i) {
        RowState scratch;
        RowState& r = i <= kFigures ? rows[i] : scratch;
        r.position = readInRange(in, r.position, 0, limits::kMaxPosition);
    }
    dropDuplicatePositions(rows);
    for (int i = 1; i <= n && in.tokensLeft(); ++i) {
        RowState scratch;
        RowState& r = i <= kFigures ? rows[i] : scratch;
        r.shown = in.readBool(r.shown);
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
    char letter = f.paramLetter;
    in.list.readChar(letter);
    if (parameterOfLetter(letter) != 0) f.paramLetter = letter;
    f.paramStep = in.readFloat(f.paramStep);
    in.next();
}

void readStyleLines(ProjectInput& in, FigureEntry& f) {
    f.pointAfterimage = in.readBool(f.pointAfterimage);
    f.lineAfterimage = in.readBool(f.lineAfterimage);
    in.next();
    f.curveStyle = 1;
    f.curveFill = CurveFill::None;
    f.drag = true;
    f.fillPattern = 1;
    f.pointColor = readColour(in, f.pointColor);
    f.lineColor = readColour(in, f.lineColor);
    f.fillColor = readColour(in, f.fillColor);
    f.visible = in.readBool(f.visible);
    f.hollow = in.readBool(f.hollow);
    f.drag = in.readBool(f.drag);
    f.fillPattern = readByte(in, f.fillPattern);
    f.curveStyle = readByte(in, f.curveStyle);
    f.curveFill = readKind(in, f.curveFill, CurveFill::None, CurveFill::ToColumn);
    in.next();
    f.pointSize = readByte(in, f.pointSize);
    f.locusWidth = readByte(in, f.locusWidth);
    f.lineWidth = readByte(in, f.lineWidth);
    in.next();
}

// Before 2.1 circles and polar curves left no trace, and a polar curve ran over a full turn of
// theta with the pen of its point.
void convertPre21(FigureEntry& f) {
    if (f.kind != FigureKind::Circle && f.kind != FigureKind::Polar) return;
    const std::uint8_t locus = f.locusWidth;
    f.locusWidth = 0;
    if (f.kind != FigureKind::Polar) return;
    f.paramLow.source = "0";
    f.paramHigh.source = "2Pi";
    f.lineWidth = locus;
    f.lineColor = f.pointColor;
    f.paramLetter = '@';
}

void readFigureRecord(ProjectInput& in, FigureEntry& f) {
    f.notation = FigureNotation::Coordinates;
    const std::int32_t kind = in.readInt(static_cast<std::int32_t>(f.kind));
    f.labelPosition = readByte(in, f.labelPosition, 0, 9);
    f.notation = readKind(in, f.notation, FigureNotation::Coordinates, FigureNotation::Vector);
    in.next();
    if (kind >= 0 && kind <= static_cast<int>(FigureKind::Parametric))
        f.kind = static_cast<FigureKind>(kind);
    if (kind == 0 && in.from("1.9")) return;
    f.label = in.text();
    f.x.source = in.expression();
    f.y.source = in.expression();
    f.radius.source = in.expression();
    if (in.from("2.1")) {
        f.paramLow.source = in.expression();
        f.paramHigh.source = in.expression();
        readCurveLine(in, f);
    }
    readStyleLines(in, f);
    if (isBlank(f.radius.source)) f.radius.source = "0";
    if (!in.from("2.1")) convertPre21(f);
}

} // namespace

void readFigures(ReadState& s) {
    ProjectInput& in = s.in;
    Project& p = s.p;
    in.skip();
    const int n = readCount(in);
    readFigureRows(in, p.figureRows, n);
    for (int m = 1; m <= n && in.lineLeft(); ++m) {
        int entry = 0;
        if (in.from("2.5")) {
            entry = figureOfLetter(in.text());
            if (entry == 0) continue;
        } else {
            entry = in.from("2.7") ? (m <= kFigures ? m : 0) : renumberedFigure(m);
        }
        FigureEntry scratch = blankFigure(1);
        readFigureRecord(in, entry != 0 ? p.figures[entry] : scratch);
    }
    for (int i = 1; i <= kFigures; ++i) {
        if (p.figures[i].kind == FigureKind::Empty)
            p.figureRows[i].position = 0;
        else
            placeRow(p.figureRows, i);
    }
    // The places of figures the file left empty close up too, keeping the rows' order: the
    // project written from what was read reads back the same.
    compactPositions(p.figureRows);
    in.skipPast();
}

} // namespace tarlix
