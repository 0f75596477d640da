#pragma once
// Every field a project file carries, one "name = value" line each, so that two projects can
// be compared field by field with a readable difference.

#include "document/Project.h"
#include "view/View.h"

#include <sstream>
#include <string>
#include <vector>

namespace tarlix::testing {

class Dump {
public:
    std::vector<std::string> lines;
    template <typename T> void add(const std::string& name, const T& value) {
        std::ostringstream s;
        s.precision(18);
        s << name << " = " << value;
        lines.push_back(s.str());
    }
    void add(const std::string& name, std::uint8_t value) { add(name, int{value}); }
    void add(const std::string& name, char value) { add(name, std::string(1, value)); }
};

inline std::string at(const char* store, int i) {
    return std::string(store) + "[" + std::to_string(i) + "].";
}

inline void dumpEquation(Dump& d, const std::string& n, const EquationEntry& f) {
    d.add(n + "Source", f.Expr.Source);
    d.add(n + "Compiled", !f.Expr.Code.empty());
    d.add(n + "Afterimage", f.Afterimage);
    d.add(n + "PenColor", f.PenColor);
    d.add(n + "PenWidth", f.PenWidth);
    d.add(n + "FastPolynomial", f.FastPolynomial);
    d.add(n + "Visible", f.Visible);
    d.add(n + "FillPattern", f.FillPattern);
    d.add(n + "BorderStyle", f.BorderStyle);
    d.add(n + "LineStyle", f.LineStyle);
}

inline void dumpFigure(Dump& d, const std::string& n, const FigureEntry& f) {
    d.add(n + "Kind", f.Kind);
    d.add(n + "LabelPosition", f.LabelPosition);
    d.add(n + "Notation", f.Notation);
    if (f.Kind == 0) return;
    d.add(n + "Label", f.Label);
    for (auto [name, r] : {std::pair{"X", &f.X},
                           {"Y", &f.Y},
                           {"Radius", &f.Radius},
                           {"ParamLow", &f.ParamLow},
                           {"ParamHigh", &f.ParamHigh},
                           {"Whole", &f.Whole}}) {
        d.add(n + name, r->Source);
        d.add(n + name + ".Compiled", !r->Code.empty());
    }
    d.add(n + "ParamLetter", f.ParamLetter);
    d.add(n + "ParamStep", f.ParamStep);
    d.add(n + "PointAfterimage", f.PointAfterimage);
    d.add(n + "LineAfterimage", f.LineAfterimage);
    d.add(n + "PointColor", f.PointColor);
    d.add(n + "LineColor", f.LineColor);
    d.add(n + "FillColor", f.FillColor);
    d.add(n + "Visible", f.Visible);
    d.add(n + "Hollow", f.Hollow);
    d.add(n + "Drag", f.Drag);
    d.add(n + "FillPattern", f.FillPattern);
    d.add(n + "CurveStyle", f.CurveStyle);
    d.add(n + "CurveFill", f.CurveFill);
    d.add(n + "PointSize", f.PointSize);
    d.add(n + "LocusWidth", f.LocusWidth);
    d.add(n + "LineWidth", f.LineWidth);
}

inline void dumpSegment(Dump& d, const std::string& n, const SegmentRecord& s) {
    d.add(n + "Kind", s.Kind);
    std::string v;
    for (std::uint8_t x : s.Vertices) v += std::to_string(x) + " ";
    d.add(n + "Vertices", v);
    d.add(n + "Width", s.Width);
    d.add(n + "LineStyle", s.LineStyle);
    d.add(n + "Afterimage", s.Afterimage);
    d.add(n + "PenColor", s.PenColor);
    d.add(n + "FillColor", s.FillColor);
    d.add(n + "FillPattern", s.FillPattern);
    d.add(n + "LabelPosition", s.LabelPosition);
    d.add(n + "Visible", s.Visible);
    d.add(n + "Label", s.Label);
}

template <int N> void dumpRows(Dump& d, const char* store, const Store<RowState, N>& rows) {
    for (int i = 1; i <= N; ++i) {
        d.add(at(store, i) + "Position", rows[i].Position);
        d.add(at(store, i) + "Shown", rows[i].Shown);
    }
}

inline void dumpAxis(Dump& d, const std::string& n, const Axis& a) {
    d.add(n + "PixelStart", a.PixelStart);
    d.add(n + "PixelLength", a.PixelLength);
    d.add(n + "Caption", a.Caption);
    d.add(n + "SCaption", a.SCaption);
    d.add(n + "Letter", a.Letter);
    d.add(n + "AxesVisible", a.AxesVisible);
    d.add(n + "ScaleVisible", a.ScaleVisible);
    d.add(n + "ValueVisible", a.ValueVisible);
    d.add(n + "GuideVisible", a.GuideVisible);
    d.add(n + "Number", a.Number);
    d.add(n + "base", a.base);
    d.add(n + "LInterval", a.LInterval);
    d.add(n + "High", a.High);
    d.add(n + "Low", a.Low);
    d.add(n + "PixelsPerUnit", a.PixelsPerUnit);
}

inline void dumpStores(Dump& d, const Project& p) {
    for (int i = 1; i <= kUserFunctions; ++i) {
        d.add(at("UserFunctions", i) + "Source", p.UserFunctions[i].Source);
        d.add(at("UserFunctions", i) + "Compiled", !p.UserFunctions[i].Code.empty());
    }
    dumpRows(d, "UserFunctionRows", p.UserFunctionRows);
    for (int i = 1; i <= kExplicitFunctions; ++i) dumpEquation(d, at("Y", i), p.YFunctions[i]);
    dumpRows(d, "YFunctionRows", p.YFunctionRows);
    for (int i = 1; i <= kRelations; ++i) dumpEquation(d, at("C", i), p.Relations[i]);
    dumpRows(d, "RelationRows", p.RelationRows);
    for (int i = 1; i <= kFigures; ++i) dumpFigure(d, at("Figures", i), p.Figures[i]);
    dumpRows(d, "FigureRows", p.FigureRows);
    d.add("Segments.count", p.Segments.count);
    for (int i = 1; i <= p.Segments.count; ++i) dumpSegment(d, at("L", i), p.Segments[i]);
    for (int i = 1; i <= kParameterCount; ++i) {
        const ParameterRec& r = p.Parameters[i];
        const std::string n = at("Parameters", i);
        d.add(n + "Value", r.Value);
        d.add(n + "Sync", r.Sync);
        d.add(n + "Step", r.Step);
        d.add(n + "Additive", r.Additive);
        d.add(n + "Unfixed", r.Unfixed);
        d.add(n + "Shown", p.ParameterRows[i].Shown);
    }
}

inline void dumpSettings(Dump& d, const Project& p) {
    const ProjectSettings& s = p.Settings;
    const EngineSettings& e = p.Engine;
    for (auto [name, v] : {std::pair{"AngleMode", e.AngleMode},
                           {"LogMode", e.LogMode},
                           {"AngleArea", e.AngleArea},
                           {"CircleMode", e.CircleMode},
                           {"ThetaMode", e.ThetaMode},
                           {"ComplexMode", int{e.ComplexMode}},
                           {"AllowSqrtN", int{e.AllowSqrtN}},
                           {"IntegralPartitions", e.IntegralPartitions},
                           {"ScanWidth", int{s.ScanWidth}},
                           {"CapStyle", int{s.CapStyle}},
                           {"DrawOnDrag", int{s.DrawOnDrag}},
                           {"DrawOnCalc", int{s.DrawOnCalc}},
                           {"AimgOfArea", int{s.AimgOfArea}},
                           {"DrawMode", int{s.DrawMode}},
                           {"ShowSync", int{s.ShowSync}},
                           {"AfterImageColorNo", int{s.AfterImageColorNo}},
                           {"CanAImg", int{s.CanAImg}},
                           {"AreaFixed", int{s.AreaFixed}},
                           {"DegreeFont", int{s.DegreeFont}},
                           {"BGstretchOn", s.BGstretchOn},
                           {"AnimationPeriod", s.AnimationPeriod},
                           {"ShowCoordinates", int{s.ShowCoordinates}},
                           {"ShowEquation", int{s.ShowEquation}}})
        d.add(name, v);
    d.add("BGfile", s.BGfile);
}

inline void dumpWindowsAndMemo(Dump& d, const Project& p) {
    for (int i = 1; i <= kValueFunctions; ++i)
        d.add(at("ValueFunctions", i) + "Source", p.ValueWindow.ValueFunctions[i].Source);
    d.add("ValueWindow.X", p.ValueWindow.X.Source);
    d.add("ValueWindow.X.Marked", int{p.ValueWindow.X.Marked});
    const IntegralWindowState& w = p.IntegralWindow;
    d.add("Bounds.Low", w.Bounds.Low.Source + " " + std::to_string(w.Bounds.Low.Marked));
    d.add("Bounds.High", w.Bounds.High.Source + " " + std::to_string(w.Bounds.High.Marked));
    d.add("Dfuncno", w.Dfuncno);
    d.add("Efuncno", w.Efuncno);
    d.add("AreaQ", w.AreaQ);
    for (int i = 1; i <= kCategoryPanels; ++i) {
        const CategoryPanelState& c = p.Categories[i];
        d.add(at("Categories", i) + "Visible", c.Visible);
        d.add(at("Categories", i) + "Order", c.Order);
        d.add(at("Categories", i) + "Top", c.Top);
    }
    d.add("Memo.FrameStyle", p.Memo.FrameStyle);
    d.add("Memo.TextColor", p.Memo.TextColor);
    d.add("Memo.BackgroundColorNo", p.Memo.BackgroundColorNo);
    d.add("Memo.TextSize", p.Memo.TextSize);
    for (std::size_t i = 0; i < p.MemoText.size(); ++i)
        d.add("MemoText[" + std::to_string(i) + "]", p.MemoText[i]);
    for (int i = 1; i <= kMemoBoxes; ++i) {
        const MemoBoxPlace& b = p.MemoBoxes[i];
        d.add(at("MemoBoxes", i) + "Place", std::to_string(b.Left) + " " + std::to_string(b.Top) +
                                                " " + std::to_string(b.Docked));
    }
}

inline std::vector<std::string> dumpProject(const Project& p, const View& v) {
    Dump d;
    dumpStores(d, p);
    dumpSettings(d, p);
    dumpWindowsAndMemo(d, p);
    dumpAxis(d, "XAxis.", v.XAxis);
    dumpAxis(d, "YAxis.", v.YAxis);
    d.add("SquareQ", v.SquareQ);
    d.add("AreaRectify", v.AreaRectify);
    d.add("PsMesh", v.PsMesh);
    d.add("AxisWidth", v.AxisWidth);
    d.add("FontSize", v.FontSize);
    d.add("AxisOn", v.AxisOn);
    d.add("Letterposition", v.Letterposition);
    d.add("AxisType", v.AxisType);
    d.add("ThetaNum", v.ThetaNum);
    d.add("ProjectPath", p.ProjectPath);
    return d.lines;
}

} // namespace tarlix::testing
