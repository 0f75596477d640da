#pragma once
// Every field a project file carries, one "name = value" line each, so that two projects can
// be compared field by field with a readable difference.

#include "document/Project.h"
#include "view/View.h"

#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace tarlix::testing {

class Dump {
public:
    std::vector<std::string> lines;
    template <typename T> void add(const std::string& name, const T& value) {
        if constexpr (std::is_enum_v<T>) {
            add(name, static_cast<long>(value)); // a kind as the number files store
        } else {
            std::ostringstream s;
            s.precision(18);
            s << name << " = " << value;
            lines.push_back(s.str());
        }
    }
    void add(const std::string& name, std::uint8_t value) { add(name, int{value}); }
    void add(const std::string& name, char value) { add(name, std::string(1, value)); }
};

inline std::string at(const char* store, int i) {
    return std::string(store) + "[" + std::to_string(i) + "].";
}

inline void dumpEquation(Dump& d, const std::string& n, const EquationEntry& f) {
    d.add(n + "Source", f.expr.source);
    d.add(n + "Compiled", !f.expr.code.empty());
    d.add(n + "Afterimage", f.afterimage);
    d.add(n + "PenColor", f.penColor);
    d.add(n + "PenWidth", f.penWidth);
    d.add(n + "FastPolynomial", f.fastPolynomial);
    d.add(n + "Visible", f.visible);
    d.add(n + "FillPattern", f.fillPattern);
    d.add(n + "BorderStyle", f.borderStyle);
    d.add(n + "LineStyle", f.lineStyle);
}

inline void dumpFigure(Dump& d, const std::string& n, const FigureEntry& f) {
    d.add(n + "Kind", f.kind);
    d.add(n + "LabelPosition", f.labelPosition);
    d.add(n + "Notation", f.notation);
    if (f.kind == FigureKind::Empty) return;
    d.add(n + "Label", f.label);
    for (auto [name, r] : {std::pair{"X", &f.x},
                           {"Y", &f.y},
                           {"Radius", &f.radius},
                           {"ParamLow", &f.paramLow},
                           {"ParamHigh", &f.paramHigh},
                           {"Whole", &f.whole}}) {
        d.add(n + name, r->source);
        d.add(n + name + ".Compiled", !r->code.empty());
    }
    d.add(n + "ParamLetter", f.paramLetter);
    d.add(n + "ParamStep", f.paramStep);
    d.add(n + "PointAfterimage", f.pointAfterimage);
    d.add(n + "LineAfterimage", f.lineAfterimage);
    d.add(n + "PointColor", f.pointColor);
    d.add(n + "LineColor", f.lineColor);
    d.add(n + "FillColor", f.fillColor);
    d.add(n + "Visible", f.visible);
    d.add(n + "Hollow", f.hollow);
    d.add(n + "Drag", f.drag);
    d.add(n + "FillPattern", f.fillPattern);
    d.add(n + "CurveStyle", f.curveStyle);
    d.add(n + "CurveFill", f.curveFill);
    d.add(n + "PointSize", f.pointSize);
    d.add(n + "LocusWidth", f.locusWidth);
    d.add(n + "LineWidth", f.lineWidth);
}

inline void dumpSegment(Dump& d, const std::string& n, const SegmentRecord& s) {
    d.add(n + "Kind", s.kind);
    std::string v;
    for (std::uint8_t x : s.vertices) v += std::to_string(x) + " ";
    d.add(n + "Vertices", v);
    d.add(n + "Width", s.width);
    d.add(n + "LineStyle", s.lineStyle);
    d.add(n + "Afterimage", s.afterimage);
    d.add(n + "PenColor", s.penColor);
    d.add(n + "FillColor", s.fillColor);
    d.add(n + "FillPattern", s.fillPattern);
    d.add(n + "LabelPosition", s.labelPosition);
    d.add(n + "Visible", s.visible);
    d.add(n + "Label", s.label);
}

template <int N> void dumpRows(Dump& d, const char* store, const Store<RowState, N>& rows) {
    for (int i = 1; i <= N; ++i) {
        d.add(at(store, i) + "Position", rows[i].position);
        d.add(at(store, i) + "Shown", rows[i].shown);
    }
}

inline void dumpAxis(Dump& d, const std::string& n, const Axis& a) {
    d.add(n + "PixelStart", a.pixelStart);
    d.add(n + "PixelLength", a.pixelLength);
    d.add(n + "Caption", a.caption);
    d.add(n + "SCaption", a.captionText);
    d.add(n + "Letter", a.letter);
    d.add(n + "AxesVisible", a.axesVisible);
    d.add(n + "ScaleVisible", a.scaleVisible);
    d.add(n + "ValueVisible", a.valueVisible);
    d.add(n + "GuideVisible", a.guideVisible);
    d.add(n + "Number", a.divisions);
    d.add(n + "base", a.base);
    d.add(n + "LInterval", a.labelInterval);
    d.add(n + "High", a.high);
    d.add(n + "Low", a.low);
    d.add(n + "PixelsPerUnit", a.pixelsPerUnit);
}

inline void dumpStores(Dump& d, const Project& p) {
    for (int i = 1; i <= kUserFunctions; ++i) {
        d.add(at("UserFunctions", i) + "Source", p.userFunctions[i].source);
        d.add(at("UserFunctions", i) + "Compiled", !p.userFunctions[i].code.empty());
    }
    dumpRows(d, "UserFunctionRows", p.userFunctionRows);
    for (int i = 1; i <= kExplicitFunctions; ++i)
        dumpEquation(d, at("Y", i), p.explicitFunctions[i]);
    dumpRows(d, "YFunctionRows", p.explicitFunctionRows);
    for (int i = 1; i <= kRelations; ++i) dumpEquation(d, at("C", i), p.relations[i]);
    dumpRows(d, "RelationRows", p.relationRows);
    for (int i = 1; i <= kFigures; ++i) dumpFigure(d, at("Figures", i), p.figures[i]);
    dumpRows(d, "FigureRows", p.figureRows);
    d.add("Segments.count", p.segments.count);
    for (int i = 1; i <= p.segments.count; ++i) dumpSegment(d, at("L", i), p.segments[i]);
    for (int i = 1; i <= kParameterCount; ++i) {
        const ParameterRec& r = p.parameters[i];
        const std::string n = at("Parameters", i);
        d.add(n + "Value", r.value);
        d.add(n + "Sync", r.sync);
        d.add(n + "Step", r.step);
        d.add(n + "Additive", r.additive);
        d.add(n + "Unfixed", r.unfixed);
        d.add(n + "Shown", p.parameterRows[i].shown);
    }
}

inline void dumpSettings(Dump& d, const Project& p) {
    const ProjectSettings& s = p.settings;
    const EngineSettings& e = p.engine;
    for (auto [name, v] : {std::pair{"AngleMode", static_cast<int>(e.angleMode)},
                           {"LogMode", static_cast<int>(e.logMode)},
                           {"AngleArea", static_cast<int>(e.angleArea)},
                           {"CircleMode", static_cast<int>(e.circleMode)},
                           {"ThetaMode", static_cast<int>(e.thetaMode)},
                           {"ComplexMode", int{e.complexMode}},
                           {"AllowSqrtN", int{e.allowSqrtN}},
                           {"IntegralPartitions", e.integralPartitions},
                           {"ScanWidth", int{s.scanWidth}},
                           {"CapStyle", static_cast<int>(s.capStyle)},
                           {"DrawOnDrag", int{s.drawWhileDragging}},
                           {"DrawOnCalc", int{s.drawWhileComputing}},
                           {"AimgOfArea", int{s.afterimageFills}},
                           {"DrawMode", static_cast<int>(s.drawMode)},
                           {"ShowSync", int{s.showSync}},
                           {"AfterImageColorNo", int{s.afterimageColorIndex}},
                           {"CanAImg", int{s.afterimagesOn}},
                           {"AreaFixed", int{s.areaFixed}},
                           {"DegreeFont", int{s.degreeFont}},
                           {"BGstretchOn", s.backgroundStretch},
                           {"AnimationPeriod", s.animationPeriod},
                           {"ShowCoordinates", int{s.showCoordinates}},
                           {"ShowEquation", int{s.showEquation}}})
        d.add(name, v);
    d.add("BGfile", s.backgroundFile);
}

inline void dumpWindowsAndMemo(Dump& d, const Project& p) {
    for (int i = 1; i <= kValueFunctions; ++i)
        d.add(at("ValueFunctions", i) + "Source", p.valueWindow.valueFunctions[i].source);
    d.add("ValueWindow.X", p.valueWindow.x.source);
    d.add("ValueWindow.X.Marked", int{p.valueWindow.x.marked});
    const IntegralWindowState& w = p.integralWindow;
    d.add("Bounds.Low", w.bounds.low.source + " " + std::to_string(w.bounds.low.marked));
    d.add("Bounds.High", w.bounds.high.source + " " + std::to_string(w.bounds.high.marked));
    d.add("Dfuncno", w.integratedFunction);
    d.add("Efuncno", w.secondFunction);
    d.add("AreaQ", w.areaMode);
    for (int i = 1; i <= kCategoryPanels; ++i) {
        const CategoryPanelState& c = p.categories[i];
        d.add(at("Categories", i) + "Visible", c.visible);
        d.add(at("Categories", i) + "Order", c.order);
        d.add(at("Categories", i) + "Top", c.top);
    }
    d.add("Memo.FrameStyle", p.memo.frameStyle);
    d.add("Memo.TextColor", p.memo.textColor);
    d.add("Memo.BackgroundColorNo", p.memo.backgroundColorIndex);
    d.add("Memo.TextSize", p.memo.textSize);
    for (std::size_t i = 0; i < p.memoText.size(); ++i)
        d.add("MemoText[" + std::to_string(i) + "]", p.memoText[i]);
    for (int i = 1; i <= kMemoBoxes; ++i) {
        const MemoBoxPlace& b = p.memoBoxes[i];
        d.add(at("MemoBoxes", i) + "Place", std::to_string(b.left) + " " + std::to_string(b.top) +
                                                " " + std::to_string(b.docked));
    }
}

inline std::vector<std::string> dumpProject(const Project& p, const View& v) {
    Dump d;
    dumpStores(d, p);
    dumpSettings(d, p);
    dumpWindowsAndMemo(d, p);
    dumpAxis(d, "XAxis.", v.xAxis);
    dumpAxis(d, "YAxis.", v.yAxis);
    d.add("SquareQ", v.equalScales);
    d.add("AreaRectify", v.areaRectify);
    d.add("PsMesh", v.gridStyle);
    d.add("AxisWidth", v.axisWidth);
    d.add("FontSize", v.fontSize);
    d.add("AxisOn", v.axisOn);
    d.add("Letterposition", v.tickLabelPlacement);
    d.add("AxisType", v.axisType);
    d.add("ThetaNum", v.thetaNum);
    d.add("ProjectPath", p.projectPath);
    return d.lines;
}

} // namespace tarlix::testing
