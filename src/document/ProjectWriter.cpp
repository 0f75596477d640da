// The project file, section by section. The caption lines are for people reading the file;
// the reader skips them.

#include "document/ProjectWriter.h"

#include <string>
#include <vector>

namespace tarlix {

namespace {

// Project files count entries up to the last one in use; empty ones before it are written.
template <typename T, int N, typename Used> int lastUsed(const Store<T, N>& store, Used used) {
    for (int n = N; n >= 1; --n)
        if (used(store[n])) return n;
    return 0;
}

bool hasText(const CompiledExpression& r) {
    return !r.Source.empty();
}

// Collects the lines that hold free text (names, labels, captions, memo text), which the
// decimal-comma conversion must leave as written.
struct FreeText {
    std::vector<int>* lines;
    // The line being built holds free text after its numbers.
    void mark(const TokenLines& list) const {
        if (lines) lines->push_back(list.Count());
    }
};

std::int32_t colour(std::uint32_t c) {
    return static_cast<std::int32_t>(c);
}

std::string withoutFolder(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

template <int N> void writeRows(TokenLines& list, const Store<RowState, N>& rows, int n) {
    for (int i = 1; i <= n; ++i) list.AddInt(rows[i].Position);
    for (int i = 1; i <= n; ++i) list.AddBool(rows[i].Shown);
    list.EndLine();
}

void writeBackground(TokenLines& list, const ProjectSettings& s, const FreeText& free) {
    list.AddStrLn("BGstretchOn BGfile");
    list.AddInt(s.BGstretchOn);
    free.mark(list);
    list.AddStrLn(withoutFolder(s.BGfile));
    list.AddStrLn(kSectionSeparator);
}

void writeUserFunctions(TokenLines& list, const Project& p) {
    const int n = lastUsed(p.UserFunctions, hasText);
    list.AddStrLn("UserFunction");
    list.AddIntLn(n);
    writeRows(list, p.UserFunctionRows, n);
    for (int i = 1; i <= n; ++i) list.AddStrLn(p.UserFunctions[i].Source);
    list.AddStrLn(kSectionSeparator);
}

void writeExplicitFunctions(TokenLines& list, const Project& p) {
    const int n = lastUsed(p.YFunctions, [](const EquationEntry& f) { return hasText(f.Expr); });
    list.AddStrLn("y = f(x)");
    list.AddIntLn(n);
    writeRows(list, p.YFunctionRows, n);
    for (int i = 1; i <= n; ++i) {
        const EquationEntry& f = p.YFunctions[i];
        list.AddStrLn(f.Expr.Source);
        list.AddBool(f.Afterimage);
        list.AddInt(colour(f.PenColor));
        list.AddInt(f.PenWidth);
        list.AddBool(f.Visible);
        list.AddIntLn(f.LineStyle);
    }
    list.AddStrLn(kSectionSeparator);
}

void writeRelations(TokenLines& list, const Project& p) {
    const int n = lastUsed(p.Relations, [](const EquationEntry& f) { return hasText(f.Expr); });
    list.AddStrLn("0 = f(x,y)");
    list.AddIntLn(n);
    writeRows(list, p.RelationRows, n);
    for (int i = 1; i <= n; ++i) {
        const EquationEntry& f = p.Relations[i];
        list.AddStrLn(f.Expr.Source);
        list.AddBool(f.Afterimage);
        list.AddInt(colour(f.PenColor));
        list.AddInt(f.PenWidth);
        list.AddBool(f.FastPolynomial);
        list.AddInt(f.FillPattern);
        list.AddBool(f.Visible);
        list.AddInt(f.BorderStyle);
        list.AddIntLn(f.LineStyle);
    }
    list.AddStrLn(kSectionSeparator);
}

void writeFigure(TokenLines& list, const FigureEntry& f, int n, const FreeText& free) {
    list.AddStrLn(std::string(1, figureLetter(n)));
    list.AddInt(f.Kind);
    list.AddInt(f.LabelPosition);
    list.AddIntLn(f.Notation);
    if (f.Kind == 0) return;
    free.mark(list);
    list.AddStrLn(f.Label);
    for (const CompiledExpression* r : {&f.X, &f.Y, &f.Radius, &f.ParamLow, &f.ParamHigh})
        list.AddStrLn(r->Source);
    list.AddToken(std::string(1, f.ParamLetter));
    list.AddFloatLn(f.ParamStep);
    list.AddBool(f.PointAfterimage);
    list.AddBoolLn(f.LineAfterimage);
    list.AddInt(colour(f.PointColor));
    list.AddInt(colour(f.LineColor));
    list.AddInt(colour(f.FillColor));
    list.AddBool(f.Visible);
    list.AddBool(f.Hollow);
    list.AddBool(f.Drag);
    list.AddInt(f.FillPattern);
    list.AddInt(f.CurveStyle);
    list.AddIntLn(f.CurveFill);
    list.AddInt(f.PointSize);
    list.AddInt(f.LocusWidth);
    list.AddIntLn(f.LineWidth);
}

void writeFigures(TokenLines& list, const Project& p, const FreeText& free) {
    const int n = lastUsed(p.Figures, [](const FigureEntry& f) { return f.Kind != 0; });
    list.AddStrLn("Point");
    list.AddIntLn(n);
    writeRows(list, p.FigureRows, n);
    for (int i = 1; i <= n; ++i) writeFigure(list, p.Figures[i], i, free);
    list.AddStrLn(kSectionSeparator);
}

void writeSegments(TokenLines& list, const SegmentStore& segments, const FreeText& free) {
    list.AddStrLn("Segments");
    list.AddIntLn(segments.count);
    for (int i = 1; i <= segments.count; ++i) {
        const SegmentRecord& s = segments[i];
        list.AddInt(s.Kind);
        list.AddInt(s.LineStyle);
        list.AddInt(s.FillPattern);
        list.AddInt(colour(s.PenColor));
        list.AddInt(colour(s.FillColor));
        list.AddInt(s.Width);
        list.AddBool(s.Afterimage);
        list.AddBoolLn(s.Visible);
        list.AddInt(s.LabelPosition);
        free.mark(list);
        list.AddStrLn(s.Label);
        for (int k = 0; k < kSegmentVertices; ++k) {
            const std::uint8_t v = s.Vertices[static_cast<std::size_t>(k)];
            list.AddInt(v == kFigures ? kFileVertexO : v);
        }
        list.EndLine();
    }
    list.AddStrLn(kSectionSeparator);
}

void writeParameters(TokenLines& list, const Project& p) {
    list.AddStrLn("paramater");
    list.AddIntLn(kParameterCount);
    for (int i = 1; i <= kParameterCount; ++i) {
        const ParameterRec& r = p.Parameters[i];
        list.AddFloat(r.Value);
        list.AddBoolLn(r.Sync);
        list.AddBool(r.Unfixed);
        list.AddBool(r.Additive);
        list.AddFloat(r.Step);
        list.AddBoolLn(p.ParameterRows[i].Shown);
    }
    list.AddInt(1); // placeholders where older files kept one step for all parameters
    list.AddInt(1);
    list.AddIntLn(p.Settings.AnimationPeriod);
    list.AddStrLn(kSectionSeparator);
}

void writeSettings(TokenLines& list, const Project& p) {
    const ProjectSettings& s = p.Settings;
    const EngineSettings& e = p.Engine;
    list.AddStrLn("KakuMode ScanWidth LogMode ThetaMode AreaMode capStyle");
    for (int v : {e.AngleMode, int{s.ScanWidth}, e.LogMode, e.ThetaMode, e.AngleArea,
                  int{s.CapStyle}, int{s.DrawOnDrag}, int{s.DrawOnCalc}, int{e.ComplexMode},
                  int{e.AllowSqrtN}, int{s.AimgOfArea}})
        list.AddInt(v);
    list.EndLine();
    list.AddStrLn("DrawMode SegmentShowSync");
    list.AddInt(s.DrawMode);
    list.AddBoolLn(s.ShowSync);
    list.AddStrLn("AfterImageColorNo, CanAImg");
    list.AddInt(s.AfterImageColorNo);
    list.AddBoolLn(s.CanAImg);
    list.AddStrLn("circleMode");
    list.AddIntLn(e.CircleMode);
    list.AddStrLn(kSectionSeparator);
}

void writeAxisTicks(TokenLines& list, const Axis& axis) {
    list.AddStrLn("NUmber,Base,Linterval");
    list.AddInt(axis.Number);
    list.AddFloat(axis.base);
    list.AddIntLn(axis.LInterval);
    list.AddStrLn("High,Low");
    list.AddFloat(axis.High);
    list.AddFloatLn(axis.Low);
    list.AddStrLn(kSectionSeparator);
}

void writeAxisPixels(TokenLines& list, const Axis& axis, const FreeText& free) {
    list.AddStrLn("Vlow,VHigh,label");
    list.AddInt(axis.PixelStart);
    list.AddInt(axis.PixelLength);
    free.mark(list);
    list.AddStrLn(axis.Caption);
}

void writeAxes(TokenLines& list, const View& view, bool degreeFont, const FreeText& free) {
    const Axis& x = view.XAxis;
    list.AddStrLn("ScaleX");
    writeAxisPixels(list, x, free);
    list.AddStrLn(std::string(1, x.Letter));
    list.AddStrLn("AxesVisible,ScaleVisible,Svaluevisible,AddDegreeLetter,ScaleGuidevisible");
    for (bool b : {x.AxesVisible, x.ScaleVisible, x.ValueVisible, degreeFont, x.GuideVisible})
        list.AddBool(b);
    list.EndLine();
    writeAxisTicks(list, x);

    const Axis& y = view.YAxis;
    list.AddStrLn("ScaleY");
    writeAxisPixels(list, y, free);
    list.AddStrLn("AxesVisible,ScaleVisible,Svaluevisible,ScaleGuidevisible");
    for (bool b : {y.AxesVisible, y.ScaleVisible, y.ValueVisible, y.GuideVisible}) list.AddBool(b);
    list.EndLine();
    writeAxisTicks(list, y);
}

void writeViewSettings(TokenLines& list, const View& view, const ProjectSettings& s) {
    list.AddStrLn("ScaleS");
    list.AddStrLn("SquareQ AreaRectify PsMesh AxisWidth FontSize AxisOn letterCenterShowPOsition "
                  "ShowEquation AxisType PolorNum Areafixed");
    list.AddBool(view.SquareQ);
    list.AddBool(view.AreaRectify);
    list.AddInt(view.PsMesh);
    list.AddInt(view.AxisWidth);
    list.AddInt(view.FontSize);
    list.AddBool(view.AxisOn);
    list.AddInt(view.Letterposition);
    list.AddBool(s.ShowCoordinates);
    list.AddBool(s.ShowEquation);
    list.AddInt(view.AxisType);
    list.AddInt(view.ThetaNum);
    list.AddBoolLn(s.AreaFixed);
    list.AddStrLn(kSectionSeparator);
}

void writeMarkedExpression(TokenLines& list, const CompiledExpression& r) {
    list.AddBool(r.Marked != 0);
    list.AddStrLn(r.Source);
}

void writeWindows(TokenLines& list, const Project& p) {
    list.AddStrLn("Yvalue");
    writeMarkedExpression(list, p.ValueWindow.X);
    list.AddStrLn(kSectionSeparator);

    const IntegralWindowState& w = p.IntegralWindow;
    list.AddStrLn("Iinterval");
    list.AddStrLn("Svalue Evalue sliceNo");
    writeMarkedExpression(list, w.Bounds.Low);
    writeMarkedExpression(list, w.Bounds.High);
    list.AddIntLn(p.Engine.IntegralPartitions);
    list.AddStrLn("Dfuncno Efuncno AreaQ");
    list.AddInt(w.Dfuncno);
    list.AddInt(w.Efuncno);
    list.AddBoolLn(w.AreaQ);
    list.AddStrLn(kSectionSeparator);

    list.AddStrLn("Yvalue Function List");
    list.AddIntLn(kValueFunctions);
    for (const CompiledExpression& f : p.ValueWindow.ValueFunctions) list.AddStrLn(f.Source);
    list.AddStrLn(kSectionSeparator);
}

void writePanels(TokenLines& list, const Project& p) {
    list.AddStrLn("Panel Position");
    for (const CategoryPanelState& c : p.Categories) list.AddInt(c.Top);
    for (const CategoryPanelState& c : p.Categories) list.AddBool(c.Visible);
    list.EndLine();
    list.AddStrLn("1");
    list.AddStrLn(kSectionSeparator);
}

// Script lines carry numbers and expressions; the other memo lines are text.
void writeMemo(TokenLines& list, const Project& p, const FreeText& free) {
    list.AddStrLn("MEMO SECTION");
    list.AddStrLn("Style, Color, BGcolor , Size, PositionX, positionY");
    list.AddInt(p.Memo.FrameStyle);
    list.AddInt(colour(p.Memo.TextColor));
    list.AddInt(p.Memo.BackgroundColorNo);
    list.AddInt(p.Memo.TextSize);
    for (int i = 0; i < 3; ++i) list.AddInt(0);
    list.EndLine();
    list.EndLine();
    list.AddIntLn(static_cast<std::int32_t>(p.MemoText.size()));
    for (const std::string& line : p.MemoText) {
        if (line.empty() || line[0] != '#') free.mark(list);
        list.AddStrLn(line);
    }
    list.AddStrLn(kSectionSeparator);

    list.AddIntLn(kMemoBoxes);
    for (const MemoBoxPlace& b : p.MemoBoxes) {
        list.AddInt(b.Left);
        list.AddInt(b.Top);
        list.AddBoolLn(b.Docked);
    }
    list.AddStrLn(kSectionSeparator);
}

} // namespace

void WriteProject(const Project& project, const View& view, TokenLines& list,
                  std::vector<int>* freeTextLines) {
    const FreeText free{freeTextLines};
    if (freeTextLines) freeTextLines->clear();
    list.Clear();
    list.decimalChar = project.Engine.DecimalChar;
    list.AddStrLn(kProjectHeader);
    list.AddToken("[Don't Edit]");
    list.AddFloatLn(3.14L);
    list.AddStrLn(kSectionSeparator);
    writeBackground(list, project.Settings, free);
    writeUserFunctions(list, project);
    writeExplicitFunctions(list, project);
    writeRelations(list, project);
    writeFigures(list, project, free);
    writeSegments(list, project.Segments, free);
    writeParameters(list, project);
    writeSettings(list, project);
    writeAxes(list, view, project.Settings.DegreeFont, free);
    writeViewSettings(list, view, project.Settings);
    writeWindows(list, project);
    writePanels(list, project);
    writeMemo(list, project, free);
}

} // namespace tarlix
