#include "ProjectFileFixture.h"

namespace tarlix::testing {

namespace {

void fillFunctions(Project& p) {
    p.UserFunctions[2].Source = "x^2+a";
    p.UserFunctionRows[2] = {false, 1};
    EquationEntry& y = p.YFunctions[3];
    y.Expr.Source = "2sin x";
    y = {y.Expr, true, 0x00BF00, 3, true, false, 4, 0, 2};
    p.YFunctionRows[3] = {true, 2};
    p.YFunctions[7].Expr.Source = "f(x)-1";
    p.YFunctionRows[7] = {false, 1};
    EquationEntry& c = p.Relations[2];
    c.Expr.Source = "x^2+y^2<4";
    c = {c.Expr, true, 255, 1, false, true, 6, 1, 3};
    p.RelationRows[2] = {true, 1};
}

void fillFigures(Project& p) {
    FigureEntry& a = p.Figures[8]; // A
    a.Kind = 1;
    a.X.Source = "a";
    a.Y.Source = "b/2";
    a.Radius.Source = "0";
    a.Label = "punto, A 1.5";
    a.LabelPosition = 3;
    a.Notation = 2;
    a.PointColor = 0x0000FF;
    a.Hollow = true;
    a.PointSize = 3;
    a.LocusWidth = 2;
    a.PointAfterimage = true;
    a.Drag = true;
    p.FigureRows[8] = {true, 2};
    FigureEntry& o = p.Figures[22]; // O, written as vertex 252
    o.Kind = 6;
    o.X.Source = "cos t";
    o.Y.Source = "sin(2t)";
    o.Radius.Source = "0";
    o.ParamLow.Source = "-Pi";
    o.ParamHigh.Source = "Pi";
    o.ParamLetter = '@';
    o.ParamStep = 0.025L;
    o.LineColor = 0x808080;
    o.FillColor = 0xE0FFE0;
    o.FillPattern = 3;
    o.CurveStyle = 2;
    o.CurveFill = 1;
    o.LineAfterimage = true;
    o.LineWidth = 4;
    o.Visible = false;
    o.Drag = false;
    p.FigureRows[22] = {false, 1};
}

void fillSegments(Project& p) {
    SegmentRecord s;
    s.Kind = skPolygon;
    s.Vertices = {8, 22, kXAxisVertex, kYAxisVertex, 0};
    s.Width = 3;
    s.LineStyle = 2;
    s.Afterimage = true;
    s.PenColor = 0x0000FF;
    s.FillColor = 0xE0E0FF;
    s.FillPattern = 5;
    s.LabelPosition = 6;
    s.Visible = false;
    s.Label = "L, uno";
    p.Segments.add(s);
    s = SegmentRecord{};
    s.Kind = skVector;
    s.Vertices = {22, 8};
    p.Segments.add(s);
}

void fillParameters(Project& p) {
    p.Parameters[1] = {2.5L, true, 0.25L, true, true};
    p.Parameters[2] = {-3, true, 2, false, false};
    p.Parameters[kThetaParameter] = {0.75L, false, 0.1L, true, true};
    p.ParameterRows[5].Shown = false;
    p.Settings.AnimationPeriod = 120;
}

void fillSettings(Project& p) {
    EngineSettings& e = p.Engine;
    e.AngleMode = 2;
    e.LogMode = 1;
    e.AngleArea = 2;
    e.CircleMode = 2;
    e.ThetaMode = 2;
    e.ComplexMode = true;
    e.AllowSqrtN = true;
    e.IntegralPartitions = 60;
    ProjectSettings& s = p.Settings;
    s.ScanWidth = 2;
    s.CapStyle = 1;
    s.DrawOnDrag = true;
    s.DrawOnCalc = false;
    s.AimgOfArea = true;
    s.DrawMode = 3;
    s.ShowSync = true;
    s.AfterImageColorNo = 9;
    s.CanAImg = false;
    s.AreaFixed = true;
    s.DegreeFont = true;
    s.BGstretchOn = 2;
    s.BGfile = p.ProjectPath.substr(0, p.ProjectPath.find_last_of('/') + 1) + "fondo claro.bmp";
    s.ShowCoordinates = true;
    s.ShowEquation = true;
}

void fillWindowsAndMemo(Project& p) {
    p.ValueWindow.ValueFunctions[4].Source = "f(x)";
    p.ValueWindow.X.Source = "a+1";
    p.ValueWindow.X.Marked = 0;
    p.IntegralWindow.Bounds.Low.Source = "-Pi";
    p.IntegralWindow.Bounds.High.Source = "a";
    p.IntegralWindow.Bounds.High.Marked = 0;
    p.IntegralWindow.Dfuncno = 3;
    p.IntegralWindow.Efuncno = 7;
    p.IntegralWindow.AreaQ = true;
    // Tops in the order of the column, so that reading puts the panels back in that order.
    const int order[] = {3, 1, 2, 5, 4, 8, 6, 7};
    for (int i = 1; i <= kCategoryPanels; ++i)
        p.Categories[i] = {i != cpMemo, order[i - 1], 40 * order[i - 1]};
    p.Memo = {2, 0x0000FF, 7, 14};
    p.MemoText = {"Hola, mundo: 1.5 y 2,5", "#a:=max(1,2.5)", "",
                  "  sangr\xED"
                  "a"};
    for (int i = 1; i <= 10; ++i) p.MemoBoxes[i] = {10 * i, 300 - i, i % 2 == 0};
}

void fillView(View& view) {
    Axis& x = view.XAxis;
    x.PixelLength = 640;
    x.Caption = "tiempo, s";
    x.Letter = '@';
    x.AxesVisible = false;
    x.GuideVisible = false;
    x.Number = 12;
    x.base = 0.5L;
    x.LInterval = 2;
    x.SetRange(7.25L, -1.5L);
    Axis& y = view.YAxis;
    y.PixelLength = 480;
    y.Caption = "altura";
    y.ScaleVisible = false;
    y.ValueVisible = false;
    y.Number = 0;
    y.base = 3.14159265358979L;
    y.LInterval = 3;
    y.SetRange(1e20L, -2.5e-6L);
    for (Axis* a : {&x, &y}) {
        a->Recompute();
        a->RecomputeSCaption();
    }
    view.SquareQ = true;
    view.AreaRectify = false;
    view.PsMesh = 2;
    view.AxisWidth = 3;
    view.FontSize = 16;
    view.AxisOn = true;
    view.Letterposition = 1;
    view.AxisType = 1;
    view.ThetaNum = 24;
}

} // namespace

void fillEveryField(Project& p, View& view) {
    fillFunctions(p);
    fillFigures(p);
    fillSegments(p);
    fillParameters(p);
    fillSettings(p);
    fillWindowsAndMemo(p);
    fillView(view);
}

} // namespace tarlix::testing
